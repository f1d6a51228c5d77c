// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/clicklabel.h"
#include "extras/frmabout.h"
#include "extras/maker.h"
#include "extras/tests/support.h"
#include "ravelin/version.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace ravelin::extras {
namespace {

using testing::OpenedAddresses;

template <typename T> T* control(QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString text(QWidget* window, const char* name) {
    auto* label = control<QLabel>(window, name);
    return label == nullptr ? QString() : label->text();
}

TEST(FrmAbout, ShowsTheProductAndTheRunningReleaseWhateverTheDesignText) {
    FrmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(text(&about, "lblTitle"), QString::fromUtf8(version::kProductName.data()));
    EXPECT_EQ(text(&about, "lblVersion"),
              QStringLiteral("Version: ") + QString::fromUtf8(version::kRelease.data()));
    EXPECT_TRUE(text(&about, "lblcopyright").startsWith(QStringLiteral("Copyright \u00a9 ")));
}

TEST(FrmAbout, ShowsTheThreeParagraphsOfTheLicenceNoticeApartByEmptyLines) {
    FrmAbout about;
    auto* notice = control<QPlainTextEdit>(&about, "txtGNU");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isReadOnly());
    const QStringList paragraphs = notice->toPlainText().split(QStringLiteral("\n\n"));
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_TRUE(paragraphs[0].startsWith(
        QStringLiteral("This program is free software: you can redistribute it and/or modify")));
    EXPECT_TRUE(paragraphs[0].contains(QStringLiteral("either version 3 of the License")));
    EXPECT_TRUE(
        paragraphs[1].startsWith(QStringLiteral("This program is distributed in the hope")));
    EXPECT_TRUE(paragraphs[2].startsWith(QStringLiteral("You should have received a copy")));
    EXPECT_FALSE(notice->toPlainText().endsWith(QLatin1Char('\n')));
}

TEST(FrmAbout, ShowsADrawnPicture) {
    FrmAbout about;
    auto* picture = control<QLabel>(&about, "Image1");
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->pixmap().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_NE(image.pixelColor(32, 32), image.pixelColor(0, 0));
}

struct LinkCase {
    const char* control;
    std::string caption;
    std::string opened;
};

class FrmAboutLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(FrmAboutLink, OpensWhatItsCaptionShows) {
    FrmAbout about;
    about.show();
    auto* link = control<common::ClickLabel>(&about, GetParam().control);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), QString::fromStdString(GetParam().caption));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    OpenedAddresses::instance().clear();
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(OpenedAddresses::instance().addresses(),
              QStringList{QString::fromStdString(GetParam().opened)});
}

INSTANTIATE_TEST_SUITE_P(Links, FrmAboutLink,
                         ::testing::Values(LinkCase{"Label2", maker::kEmail,
                                                    std::string("mailto:") + maker::kEmail},
                                           LinkCase{"Label4", maker::kWebSite, maker::kWebSite}));

TEST(FrmAbout, CloseDestroysTheWindow) {
    QPointer<FrmAbout> about = new FrmAbout;
    about->show();
    auto* close = control<QPushButton>(about, "cmdClose");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("&Close"));
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }, 2000));
}

class FrmAboutKeys : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        about = new FrmAbout;
        about->show();
        about->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    }
    void TearDown() override { delete about.data(); }

    QWidget* focusOn(const char* name) {
        auto* widget = control<QWidget>(about, name);
        widget->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(widget->hasFocus()) << name << " takes the focus";
        return widget;
    }

    QPointer<FrmAbout> about;
};

TEST_P(FrmAboutKeys, EscapeClosesTheWindowWhereverTheFocusIs) {
    QTest::keyClick(focusOn(GetParam()), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }, 2000));
}

TEST_P(FrmAboutKeys, TabAndShiftTabMoveOn) {
    QWidget* start = focusOn(GetParam());
    QTest::keyClick(start, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), start);
    start->setFocus(Qt::TabFocusReason);
    QTest::keyClick(start, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), start);
}

TEST_P(FrmAboutKeys, EveryControlThatTakesTheFocusHasAName) {
    QWidget* widget = focusOn(GetParam());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr);
    EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Controls, FrmAboutKeys,
                         ::testing::Values("txtGNU", "Label2", "Label4", "cmdClose"));

TEST(FrmAbout, OpensWithTheFocusOnCloseWhichEnterPresses) {
    QPointer<FrmAbout> about = new FrmAbout;
    about->show();
    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    auto* close = control<QPushButton>(about, "cmdClose");
    EXPECT_TRUE(close->hasFocus());
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }, 2000));
}

struct KeyLinkCase {
    const char* control;
    Qt::Key key;
    std::string opened;
};

class FrmAboutLinkByKey : public ::testing::TestWithParam<KeyLinkCase> {};

TEST_P(FrmAboutLinkByKey, OpensWhatItsCaptionShows) {
    FrmAbout about;
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    auto* link = control<common::ClickLabel>(&about, GetParam().control);
    link->setFocus(Qt::TabFocusReason);
    OpenedAddresses::instance().clear();
    QTest::keyClick(link, GetParam().key);
    EXPECT_EQ(OpenedAddresses::instance().addresses(),
              QStringList{QString::fromStdString(GetParam().opened)});
}

INSTANTIATE_TEST_SUITE_P(
    Links, FrmAboutLinkByKey,
    ::testing::Values(KeyLinkCase{"Label2", Qt::Key_Return, std::string("mailto:") + maker::kEmail},
                      KeyLinkCase{"Label2", Qt::Key_Space, std::string("mailto:") + maker::kEmail},
                      KeyLinkCase{"Label4", Qt::Key_Enter, maker::kWebSite},
                      KeyLinkCase{"Label4", Qt::Key_Space, maker::kWebSite}));

} // namespace
} // namespace ravelin::extras
