// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-editor-screen FILE.png: draws the page editor with the add-in's wizard over it, just
// after a Buy Now button with sample answers went into the page, without a display. It
// registers the add-in in a registry of its own for the run; the user's registry and stored
// address are not touched.
#include "buttons/examples.h"
#include "editor/pageeditor.h"
#include "extras/updateschedule.h"
#include "objectmodel/com.h"
#include "wizard/driver.h"
#include "wizard/tabs.h"

#include <QApplication>
#include <QLibrary>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>

namespace {

namespace driver = ravelin::wizard::driver;

constexpr int kTitleBar = 26;

// A window as a desktop shows it: a title bar over its contents, in a thin frame.
QImage framed(QWidget& window) {
    const QPixmap contents = window.grab();
    QImage image(contents.width() + 2, contents.height() + kTitleBar + 1,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x5A, 0x6B, 0x80));
    QPainter painter(&image);
    painter.fillRect(1, 1, contents.width(), kTitleBar - 1, QColor(0x2F, 0x4A, 0x6D));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(
        QRect(10, 1, contents.width() - 20, kTitleBar - 1), Qt::AlignVCenter | Qt::AlignLeft,
        window.windowTitle().replace(QLatin1String("[*]"),
                                     window.isWindowModified() ? QStringLiteral("*") : QString()));
    painter.drawPixmap(1, kTitleBar, contents);
    return image;
}

QWidget* openWizard() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmStartup") && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

int fail(const char* message) {
    std::fprintf(stderr, "ravelin-editor-screen: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // Only the registration made here: none of the machine's, and none written for every user.
    qputenv("XDG_CONFIG_DIRS", config.filePath(QStringLiteral("xdg")).toUtf8());
    qunsetenv("RAVELIN_REGISTRY_SCOPE");
    qputenv(ravelin::extras::kUpdateCheckVariable, "off"); // no update check from a picture tool
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2) {
        return fail("usage: ravelin-editor-screen FILE.png");
    }

    QLibrary library(QStringLiteral(RAVELIN_ADDIN_LIBRARY));
    const auto registerServer = reinterpret_cast<ravelin::objectmodel::DllRegisterServerFn>(
        library.resolve("DllRegisterServer"));
    if (registerServer == nullptr || registerServer() != ravelin::objectmodel::S_OK) {
        return fail("the add-in library could not be registered");
    }

    ravelin::editor::PageEditor editor;
    editor.resize(900, 600);
    editor.openStartPage({});
    editor.show();
    editor.loadAddins();
    const QList<QAction*> insert = editor.findChild<QMenu*>(QStringLiteral("mnuInsert"))->actions();
    if (insert.isEmpty() ||
        insert.last()->text() != QLatin1String("&PayPal Purchase Button Wizard")) {
        return fail("the Insert menu has no wizard command");
    }
    insert.last()->trigger();
    driver::settle();
    QWidget* wizard = openWizard();
    if (wizard == nullptr) {
        return fail("the wizard did not open");
    }

    using ravelin::buttons::BuyNow;
    const bool walked =
        driver::click(*wizard, "btnStart") &&
        driver::type(*wizard, "txtEmail", QStringLiteral("seller@example.com")) &&
        driver::selectTab(*wizard, static_cast<int>(ravelin::wizard::Tab::BuyNow)) &&
        driver::walk(*wizard, ravelin::wizard::tabOf<BuyNow>(),
                     driver::answersFor<BuyNow>(ravelin::buttons::workedExample<BuyNow>())) &&
        driver::click(*wizard, "btnFinishBN");
    if (!walked) {
        return fail("the Buy Now walk did not reach Insert HTML");
    }
    auto* page = editor.findChild<QPlainTextEdit*>(QStringLiteral("txtPage"));
    page->verticalScrollBar()->setValue(0);
    driver::settle();

    const QImage back = framed(editor);
    const QImage front = framed(*wizard);
    const QPoint at(back.width() - front.width() / 2 - 40, 90);
    QImage picture(std::max(back.width(), at.x() + front.width()) + 16,
                   std::max(back.height(), at.y() + front.height()) + 16,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(0xD8, 0xDE, 0xE6));
    QPainter painter(&picture);
    painter.drawImage(8, 8, back);
    painter.fillRect(QRect(at + QPoint(8 + 6, 8 + 6), front.size()), QColor(0, 0, 0, 60));
    painter.drawImage(at + QPoint(8, 8), front);
    painter.end();
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        return fail("the picture could not be written");
    }
    return 0;
}
