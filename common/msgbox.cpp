// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/msgbox.h"

#include "common/qstr.h"
#include "ravelin/version.h"

#include <QMessageBox>

namespace ravelin::common {

namespace {

MsgBoxHandler& handler() {
    static MsgBoxHandler instance;
    return instance;
}

} // namespace

void setMsgBoxHandler(MsgBoxHandler replacement) {
    handler() = std::move(replacement);
}

int MsgBox(const QString& prompt, int style, const QString& title, QWidget* parent) {
    const QString shownTitle = title.isEmpty() ? qstr(version::kProductName) : title;
    if (handler()) {
        return handler()(prompt, style, shownTitle);
    }

    QMessageBox box(parent);
    box.setWindowTitle(shownTitle);
    box.setText(prompt);
    box.setIcon((style & vbInformation) != 0 ? QMessageBox::Information : QMessageBox::NoIcon);
    if ((style & 7) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((style & vbDefaultButton2) != 0 ? QMessageBox::No : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return vbOK;
}

} // namespace ravelin::common
