// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-screens DIR: writes a PNG of the wizard window in each of its states into DIR,
// drawn offscreen: the welcome panel, the examples, the Setup page, every page of every button
// type with its design defaults, each result page after a walk with sample answers, and the
// Item options and Advanced variables dialogs holding the T-shirt example's answers. It keeps
// its settings in a temporary folder, so the user's stored address is never touched.

#include "buttons/buttontypes.h"
#include "buttons/examples.h"
#include "common/msgbox.h"
#include "common/qstr.h"
#include "common/translation.h"
#include "extras/updateschedule.h"
#include "wizard/driver.h"
#include "wizard/frmstartup.h"
#include "wizard/tabs.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using namespace ravelin;
using common::qstr;
using wizard::Tab;

class Camera {
public:
    // Numbers its pictures from `count` + 1.
    Camera(QWidget& window, const QDir& dir, int count = 0)
        : window_(window), dir_(dir), count_(count) {}

    int count() const { return count_; }

    bool shoot(const QString& name) { return shoot(window_, name); }

    bool shoot(QWidget& widget, const QString& name) {
        wizard::driver::settle();
        const QString file = dir_.filePath(
            QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(name));
        if (!widget.grab().save(file)) {
            std::fprintf(stderr, "ravelin-screens: cannot write %s\n", qPrintable(file));
            return false;
        }
        std::printf("%s\n", qPrintable(file));
        return true;
    }

private:
    QWidget& window_;
    QDir dir_;
    int count_ = 0;
};

// Shows every page of one type (each a picture) after giving `answers`, or only its result
// page when `everyPage` is false.
bool walk(QWidget& window, Camera& camera, const wizard::ButtonTab& tab, const QString& name,
          bool everyPage, const std::vector<wizard::driver::Answer>& answers) {
    bool ok = wizard::driver::selectTab(window, static_cast<int>(tab.tab));
    const common::Result<void> walked = wizard::driver::walk(window, tab, answers, [&](int page) {
        if (everyPage || page == tab.resultPage) {
            // Pages as the window numbers them: the Setup page is page 1.
            ok = camera.shoot(QStringLiteral("%1-page-%2").arg(name).arg(page + 1)) && ok;
        }
    });
    if (!walked) {
        std::fprintf(stderr, "ravelin-screens: %s: %s\n", qPrintable(name),
                     qPrintable(walked.error()));
    }
    return walked && ok;
}

// Calls `f.template operator()<Type>()` for every button type in tab-strip order.
template <typename F> void forEachTab(F&& f) {
    for (const wizard::ButtonTab& tab : wizard::kButtonTabs) {
        buttons::withButtonTypeOfSuffix(tab.suffix, f);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv(extras::kUpdateCheckVariable, "off"); // no update check from a picture-drawing tool
    QApplication app(argc, argv);
    // In the system's language, so that LANG=de_DE.UTF-8 draws the German wizard.
    common::installSystemTranslation();
    if (argc != 2 || !settings.isValid()) {
        std::fprintf(stderr, "usage: ravelin-screens DIR\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "ravelin-screens: cannot create %s\n", argv[1]);
        return 1;
    }
    common::setMessageHandler([](const common::Message& message) {
        std::fprintf(stderr, "(message) %s\n", qPrintable(message.prompt));
        return common::MessageAnswer::Ok;
    });

    // Nothing is pasted: the window needs no editor.
    auto* window = new wizard::FrmStartup(nullptr);
    window->show();
    Camera camera(*window, dir);
    namespace drive = wizard::driver;

    bool ok = camera.shoot(QStringLiteral("welcome"));
    ok = drive::click(*window, "btnFirstTime") && ok;
    ok = camera.shoot(QStringLiteral("examples")) && ok;
    ok = drive::click(*window, "btnStart") && ok;
    ok = camera.shoot(QStringLiteral("setup")) && ok;
    // Selecting a type without an address: the message, and the red label.
    drive::selectTab(*window, static_cast<int>(Tab::BuyNow));
    ok = camera.shoot(QStringLiteral("setup-address-missing")) && ok;
    ok = drive::type(*window, "txtEmail", QStringLiteral("seller@example.com")) && ok;

    forEachTab([&]<typename Type>() {
        ok = walk(*window, camera, wizard::tabOf<Type>(), qstr(Type::kName), true, {}) && ok;
    });
    forEachTab([&]<typename Type>() {
        // Through the Setup tab, so that each walk starts with a fresh tab selection.
        drive::selectTab(*window, static_cast<int>(Tab::Setup));
        ok = walk(*window, camera, wizard::tabOf<Type>(), qstr(Type::kName) + "-example", false,
                  drive::answersFor<Type>(buttons::workedExample<Type>())) &&
             ok;
    });
    delete window;

    // The T-shirt in a window of its own: its result page, then its two dialogs as they hold
    // its answers.
    window = new wizard::FrmStartup(nullptr);
    window->show();
    Camera tShirt(*window, dir, camera.count());
    ok = drive::click(*window, "btnStart") && ok;
    ok = drive::type(*window, "txtEmail", QStringLiteral("seller@example.com")) && ok;
    ok = walk(*window, tShirt, wizard::tabOf<buttons::BuyNow>(), QStringLiteral("buy-now-t-shirt"),
              false, drive::answersFor<buttons::BuyNow>(buttons::tShirtExample())) &&
         ok;
    for (const auto& [opener, page, dialog] : {std::tuple{"btnAdvancedBN", 4, "frmAdvancedBN"},
                                               std::tuple{"btnOptionsBN", 2, "frmOptionsBN"}}) {
        while (window->pageNumber() > page) {
            ok = drive::click(*window, "btnPrevBN") && ok;
        }
        ok = drive::click(*window, opener) && ok;
        if (auto* shown = window->findChild<QWidget*>(QString::fromLatin1(dialog))) {
            ok = tShirt.shoot(*shown, QString::fromLatin1(dialog)) && ok;
            ok = drive::closeDialog(*shown, false) && ok;
        } else {
            ok = false;
        }
    }
    delete window;
    return ok ? 0 : 1;
}
