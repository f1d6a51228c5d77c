// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/frmabout.h"

#include "common/qstr.h"
#include "common/windowkeys.h"
#include "extras/links.h"
#include "extras/shell.h"
#include "ravelin/version.h"
#include "ui_frmabout.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ravelin::extras {

namespace {

using common::qstr;

// The emblem's colours.
constexpr QRgb kPaymentBlue = 0x1d4f91;
constexpr QRgb kRampartGreen = 0x3c9a5f;
constexpr QRgb kKeepStone = 0xf2e8c9;

// The window's emblem: a ravelin, the arrow-shaped outwork of a fortress, seen from above,
// in green with a light keep, over the payment blue.
QPixmap emblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kPaymentBlue));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    QPainterPath outwork;
    outwork.moveTo(32, 8);
    outwork.lineTo(56, 34);
    outwork.lineTo(46, 56);
    outwork.lineTo(18, 56);
    outwork.lineTo(8, 34);
    outwork.closeSubpath();
    painter.setBrush(QColor(kRampartGreen));
    painter.setPen(QPen(QColor(kKeepStone), 2.5));
    painter.drawPath(outwork);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kKeepStone));
    painter.drawRect(QRectF(25, 32, 14, 16));
    for (int merlon = 0; merlon < 3; ++merlon) {
        painter.drawRect(QRectF(25 + merlon * 5.5, 28, 3, 4));
    }
    painter.setBrush(QColor(kPaymentBlue));
    painter.drawRoundedRect(QRectF(30, 40, 4, 8), 2, 2);
    return pixmap;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent) : QWidget(parent, Qt::Window), ui(new Ui::FrmAbout) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);

    setWindowTitle(tr("About"));
    ui->Image1->setPixmap(emblem(64));
    ui->lblTitle->setText(qstr(version::kProductName));
    ui->txtGNU->setPlainText(licenceNotice());
    ui->lblcopyright->setText(
        tr("Copyright \u00a9 2026 The %1 developers").arg(qstr(version::kProductName)));
    ui->lblVersion->setText(tr("Version: ") + qstr(version::kRelease));

    ui->Label2->setText(makerEmail());
    ui->Label2->setLink(true);
    ui->Label4->setText(makerHomePage());
    ui->Label4->setLink(true);
    // The links open what their captions show.
    connect(ui->Label2, &common::ClickLabel::clicked, this, [this] { MailTo(ui->Label2->text()); });
    connect(ui->Label4, &common::ClickLabel::clicked, this,
            [this] { OpenAddress(ui->Label4->text()); });
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);

    // Escape closes the window, Enter presses Close, which has the focus when it opens.
    common::useDesktopKeys(this);
    ui->cmdClose->setFocus();
}

FrmAbout::~FrmAbout() = default;

QString FrmAbout::licenceNotice() {
    return tr("This program is free software: you can redistribute it and/or modify it under the "
              "terms of the GNU General Public License as published by the Free Software "
              "Foundation, either version 3 of the License, or (at your option) any later "
              "version.") +
           QStringLiteral("\n\n") +
           tr("This program is distributed in the hope that it will be useful, but WITHOUT ANY "
              "WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A "
              "PARTICULAR PURPOSE.  See the GNU General Public License for more details.") +
           QStringLiteral("\n\n") +
           tr("You should have received a copy of the GNU General Public License along with this "
              "program.  If not, see <https://www.gnu.org/licenses/>.");
}

} // namespace ravelin::extras
