// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-screens DIR: writes a PNG of the wizard window in each of its states into DIR,
// drawn offscreen: the welcome panel, the examples, the Setup page, every page of every button
// type with its design defaults, and each result page after a walk with sample answers. It
// keeps its settings in a temporary folder, so the user's stored address is never touched.

#include "common/msgbox.h"
#include "wizard/driver.h"
#include "wizard/frmstartup.h"
#include "wizard/tabs.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

using namespace ravelin;
using wizard::Tab;

struct Answer {
    std::string_view control;
    QString value; // empty: click the control
};

struct Walk {
    Tab tab;
    const char* name;
    std::vector<Answer> answers;
};

// The answers of each type's example button.
std::vector<Walk> exampleWalks() {
    return {
        {Tab::AddToCart,
         "add-to-cart",
         {{"imgImageButtonATC_2", {}},
          {"txtItemNameATC", "Blue Mug"},
          {"txtItemIDATC", "MUG-01"},
          {"txtPriceATC", "12.5"},
          {"cmbCurrencyATC", "Euro (EUR)"},
          {"optNoteATC_0", {}},
          {"txtNoteATC", "Gift message"},
          {"txtWebSiteSuccessATC", "thanks.htm"}}},
        {Tab::ViewCart, "view-cart", {{"optVC_1", {}}}},
        {Tab::BuyNow,
         "buy-now",
         {{"txtItemNameBN", "Garden Gnome"},
          {"txtItemIDBN", "GN-7"},
          {"txtPriceBN", "25"},
          {"cmbCurrencyBN", "Euro (EUR)"},
          {"txtBaseShippingBN", "5.00"},
          {"txtHandlingBN", "1.50"}}},
        {Tab::Donate,
         "donate",
         {{"imgDON_3", {}},
          {"txtItemNameDON", "Roof Fund"},
          {"txtItemIDDON", "RF-1"},
          {"cmbCurrencyDON", "British Pound Sterling (\u00a3)"},
          {"txtWebSiteSuccessATC", "thanks.htm"}}},
        {Tab::Subscriptions,
         "subscriptions",
         {{"txtItemNameSUB", "Monthly Newsletter"},
          {"txtItemIDSUB", "NL1"},
          {"cmbCurrencySUB", "Euro (EUR)"},
          {"txtPriceSUB", "9.5"},
          {"txtPrice2SUB", "0"},
          {"cmbTerm2SUB", "Months(s)"}}},
    };
}

class Camera {
public:
    Camera(QWidget& window, QDir dir) : window_(window), dir_(std::move(dir)) {}

    bool shoot(const QString& name) {
        wizard::driver::settle();
        const QString file = dir_.filePath(
            QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(name));
        if (!window_.grab().save(file)) {
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

bool answer(QWidget& window, const Answer& a) {
    const bool done = a.value.isEmpty() ? wizard::driver::click(window, a.control)
                                        : wizard::driver::type(window, a.control, a.value);
    if (!done) {
        std::fprintf(stderr, "ravelin-screens: cannot answer %.*s\n",
                     static_cast<int>(a.control.size()), a.control.data());
    }
    return done;
}

// Shows page 2 (the button-image page) to the result page of one type; only the result page
// when `everyPage` is false.
bool walk(QWidget& window, Camera& camera, const wizard::ButtonTab& tab, const QString& name,
          bool everyPage, const std::vector<Answer>& answers) {
    bool ok = wizard::driver::selectTab(window, static_cast<int>(tab.tab));
    for (const Answer& a : answers) {
        ok = answer(window, a) && ok;
    }
    for (int page = 1; page <= tab.resultPage; ++page) {
        if (everyPage || page == tab.resultPage) {
            // Pages as the window numbers them: the Setup page is page 1.
            ok = camera.shoot(QStringLiteral("%1-page-%2").arg(name).arg(page + 1)) && ok;
        }
        if (page < tab.resultPage) {
            ok = wizard::driver::click(window, "btnNext" + std::string(tab.suffix)) && ok;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("RAVELIN_VERSION_URL", "http://127.0.0.1:9/version.txt");
    QApplication app(argc, argv);
    if (argc != 2 || !settings.isValid()) {
        std::fprintf(stderr, "usage: ravelin-screens DIR\n");
        return 2;
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "ravelin-screens: cannot create %s\n", argv[1]);
        return 1;
    }
    common::setMsgBoxHandler([](const QString& prompt, int, const QString&) {
        std::fprintf(stderr, "(message) %s\n", qPrintable(prompt));
        return common::vbOK;
    });

    // Nothing is pasted: the window needs no editor.
    auto* window = new wizard::FrmStartup(nullptr);
    window->tmCheckVersion()->stop(); // no update check from a picture-drawing tool
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

    const std::vector<Walk> walks = exampleWalks();
    for (const Walk& w : walks) {
        ok = walk(*window, camera, *wizard::buttonTab(static_cast<int>(w.tab)),
                  QString::fromUtf8(w.name), true, {}) &&
             ok;
    }
    for (const Walk& w : walks) {
        // Through the Setup tab, so that each walk starts with a fresh tab selection.
        drive::selectTab(*window, static_cast<int>(Tab::Setup));
        ok = walk(*window, camera, *wizard::buttonTab(static_cast<int>(w.tab)),
                  QStringLiteral("%1-example").arg(QString::fromUtf8(w.name)), false, w.answers) &&
             ok;
    }
    delete window;
    return ok ? 0 : 1;
}
