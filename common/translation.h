// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The windows in the user's language: our translation (ravelin_de.qm and the like, found beside
// the programs in the build folder as in the install) and Qt's own (qtbase_de.qm, for the
// standard buttons of its dialogs). A language with no translation leaves the English texts.
#pragma once

#include <QLocale>
#include <QObject>
#include <QTranslator>

namespace ravelin::common {

// The translators of one language, installed into the application while this lives.
class Translation : public QObject {
public:
    explicit Translation(const QLocale& locale, QObject* parent = nullptr);
    ~Translation() override;
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // Whether our translation of the language was found.
    bool loaded() const { return loaded_; }

private:
    QTranslator ours_;
    QTranslator qts_;
    bool loaded_ = false;
};

// Installs the system language's translation for the rest of the process, once however many
// parts of it ask: a host and the add-in it loads each call this, with a copy of it each.
// Call it after the application is made and before the first window.
void installSystemTranslation();

} // namespace ravelin::common
