// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStringList>

namespace ravelin::common {

namespace {

// The object that holds the process's translation, found by name whichever copy of this code
// made it.
constexpr const char* kSystemTranslation = "ravelin-system-translation";

// Beside the programs (bin/../share/ravelin/translations, in the build folder and in any
// install prefix), then where the package puts them.
QStringList folders() {
    return {QDir(QCoreApplication::applicationDirPath())
                .filePath(QStringLiteral("../share/ravelin/translations")),
            QStringLiteral(RAVELIN_TRANSLATIONS_DIR)};
}

} // namespace

Translation::Translation(const QLocale& locale, QObject* parent) : QObject(parent) {
    for (const QString& folder : folders()) {
        if (ours_.load(locale, QStringLiteral("ravelin"), QStringLiteral("_"), folder)) {
            loaded_ = true;
            QCoreApplication::installTranslator(&ours_);
            break;
        }
    }
    if (qts_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qts_);
    }
}

Translation::~Translation() {
    QCoreApplication::removeTranslator(&ours_);
    QCoreApplication::removeTranslator(&qts_);
}

void installSystemTranslation() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr ||
        application->findChild<QObject*>(QLatin1String(kSystemTranslation),
                                         Qt::FindDirectChildrenOnly) != nullptr) {
        return;
    }
    auto* translation = new Translation(QLocale::system(), application);
    translation->setObjectName(QLatin1String(kSystemTranslation));
}

} // namespace ravelin::common
