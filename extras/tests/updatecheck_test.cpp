// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/msgbox.h"
#include "extras/tests/support.h"
#include "extras/updatecheck.h"
#include "ravelin/version.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace ravelin::extras {
namespace {

using namespace std::chrono_literals;
using testing::LocalHttpServer;
using testing::MessageLog;
using testing::OpenedAddresses;

// Releases one step above and below the running one, whatever it is.
QByteArray newer() {
    return QByteArray::number(version::kMajor) + '.' + QByteArray::number(version::kMinor) + '.' +
           QByteArray::number(version::kRevision + 1);
}
QByteArray older() {
    return QByteArray::number(version::kMajor - 1) + '.' + QByteArray::number(version::kMinor) +
           '.' + QByteArray::number(version::kRevision);
}

struct ReleaseCase {
    const char* text;
    std::optional<Release> expected;
};

class ParseRelease : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(ParseRelease, ReadsOnlyThreeDotSeparatedDecimalNumbers) {
    EXPECT_EQ(parseRelease(QString::fromLatin1(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseRelease,
    ::testing::Values(ReleaseCase{"3.0.1", Release{3, 0, 1}},
                      ReleaseCase{"3.10.2", Release{3, 10, 2}},
                      ReleaseCase{"12.0.0", Release{12, 0, 0}},
                      ReleaseCase{"999999999.0.0", Release{999999999, 0, 0}},
                      ReleaseCase{"", std::nullopt}, ReleaseCase{"3.0", std::nullopt},
                      ReleaseCase{"3.0.1.0", std::nullopt}, ReleaseCase{"3..1", std::nullopt},
                      ReleaseCase{"3.0.", std::nullopt}, ReleaseCase{".0.1", std::nullopt},
                      ReleaseCase{" 3.0.1", std::nullopt}, ReleaseCase{"3.0.1 ", std::nullopt},
                      ReleaseCase{"3.0.1\n", std::nullopt}, ReleaseCase{"v3.0.1", std::nullopt},
                      ReleaseCase{"3.0.1b", std::nullopt}, ReleaseCase{"-3.0.1", std::nullopt},
                      ReleaseCase{"+3.0.1", std::nullopt},
                      ReleaseCase{"9999999999.0.0", std::nullopt},
                      ReleaseCase{"<html>404</html>", std::nullopt}));

struct BodyCase {
    const char* name;
    QByteArray body;
    bool newer;
};

class AnnouncesNewerRelease : public ::testing::TestWithParam<BodyCase> {};

TEST_P(AnnouncesNewerRelease, OnlyForAReleaseNumberAboveTheRunningOne) {
    EXPECT_EQ(announcesNewerRelease(GetParam().body, u"3.0.1"), GetParam().newer);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, AnnouncesNewerRelease,
    ::testing::Values(BodyCase{"Same", "3.0.1", false}, BodyCase{"NextRevision", "3.0.2", true},
                      BodyCase{"NextMinor", "3.1.0", true}, BodyCase{"NextMajor", "4.0.0", true},
                      BodyCase{"TwoDigitMinorIsNotBelowOneDigit", "3.10.0", true},
                      BodyCase{"Older", "3.0.0", false}, BodyCase{"OlderMajor", "2.9.9", false},
                      BodyCase{"SameWithLineBreak", "3.0.1\r\n", false},
                      BodyCase{"NewerWithLineBreak", "3.0.2\n", true},
                      BodyCase{"NewerWithTrailingBlanks", "3.0.2 \t \r\n\r\n", true},
                      BodyCase{"NewerWithLeadingBlank", " 3.0.2", false},
                      BodyCase{"Empty", "", false}, BodyCase{"OnlyALineBreak", "\r\n", false},
                      BodyCase{"ErrorPage", "<html><body>Not Found</body></html>", false},
                      BodyCase{"TwoLines", "3.0.2\n3.0.3", false},
                      BodyCase{"NewerPaddedPastOneKiB", "3.0.2" + QByteArray(1020, ' '), false},
                      BodyCase{"NewerPaddedToOneKiB", "3.0.2" + QByteArray(1019, ' '), true}),
    [](const auto& info) { return std::string(info.param.name); });

// One check against the local server, answered `answer` at the prompt.
struct Outcome {
    std::vector<MessageLog::Message> messages;
    QStringList opened;
};

Outcome check(const QString& versionFile, common::MessageAnswer answer = common::MessageAnswer::No,
              std::chrono::milliseconds timeout = 2s) {
    MessageLog log(answer);
    OpenedAddresses::instance().clear();
    QWidget window;
    auto* updateCheck = new UpdateCheck(
        {versionFile, QStringLiteral("https://installer.example/ravelin-setup")}, timeout, &window);
    QSignalSpy finished(updateCheck, &UpdateCheck::finished);
    updateCheck->start();
    EXPECT_TRUE(finished.wait(10000));
    return {log.messages(), OpenedAddresses::instance().addresses()};
}

struct ServerCase {
    const char* name;
    int status;
    QByteArray body;
    bool prompted;
};

class UpdateCheckAgainstServer : public ::testing::TestWithParam<ServerCase> {};

TEST_P(UpdateCheckAgainstServer, PromptsOnlyForANewerReleaseInASuccessfulReply) {
    LocalHttpServer server;
    server.answer(GetParam().status, GetParam().body);
    const Outcome outcome = check(server.address(), common::MessageAnswer::No);

    EXPECT_EQ(server.requests(), 1);
    ASSERT_EQ(outcome.messages.size(), GetParam().prompted ? 1U : 0U);
    EXPECT_TRUE(outcome.opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, UpdateCheckAgainstServer,
    ::testing::Values(ServerCase{"SameRelease", 200, version::kRelease.data(), false},
                      ServerCase{"NewerRelease", 200, newer(), true},
                      ServerCase{"NewerReleaseWithLineBreak", 200, newer() + "\r\n", true},
                      ServerCase{"OlderRelease", 200, older(), false},
                      ServerCase{"SameReleaseWithLineBreak", 200,
                                 QByteArray(version::kRelease.data()) + "\r\n", false},
                      ServerCase{"NotFoundWithANewerBody", 404, newer(), false},
                      ServerCase{"ServerErrorWithANewerBody", 500, newer(), false},
                      ServerCase{"EmptyFile", 200, "", false},
                      ServerCase{"NoContent", 204, "", false},
                      ServerCase{"ErrorPageAsSuccess", 200, "<html>Sorry</html>", false},
                      ServerCase{"NewerReleaseInABodyOverOneKiB", 200,
                                 newer() + QByteArray(2048, ' '), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateCheck, AskedAboutANewerReleaseTheUserWhoDeclinesHearsNothingMore) {
    LocalHttpServer server;
    server.answer(200, newer());
    const Outcome outcome = check(server.address(), common::MessageAnswer::No);

    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages[0].prompt,
              QStringLiteral("A newer version of Ravelin Wizard has been found.  Would you like to "
                             "download it now?"));
    EXPECT_EQ(outcome.messages[0].buttons, common::MessageButtons::YesNo);
    EXPECT_EQ(outcome.messages[0].icon, common::MessageIcon::None);
    EXPECT_EQ(outcome.messages[0].title, QStringLiteral("New Version"));
    EXPECT_TRUE(outcome.opened.isEmpty());
}

TEST(UpdateCheck, AUserWhoAcceptsIsToldHowToInstallAndGetsTheInstaller) {
    LocalHttpServer server;
    server.answer(200, newer());
    const Outcome outcome = check(server.address(), common::MessageAnswer::Yes);

    ASSERT_EQ(outcome.messages.size(), 2U);
    EXPECT_EQ(outcome.messages[1].prompt,
              QStringLiteral("When the download begins, you will receive a dialog box on whether "
                             "to OPEN/RUN or SAVE the program.  Choose the OPEN/RUN button to "
                             "automatically install the update.  You will need to exit FrontPage "
                             "for the Update to work."));
    EXPECT_EQ(outcome.messages[1].buttons, common::MessageButtons::Ok);
    EXPECT_EQ(outcome.messages[1].icon, common::MessageIcon::Information);
    EXPECT_EQ(outcome.messages[1].title, QStringLiteral("Ravelin Website Payments"));
    EXPECT_EQ(outcome.opened,
              QStringList{QStringLiteral("https://installer.example/ravelin-setup")});
}

TEST(UpdateCheck, ARefusedConnectionEndsTheCheckSilently) {
    const Outcome outcome = check(testing::closedPortAddress(), common::MessageAnswer::Yes);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(outcome.opened.isEmpty());
}

TEST(UpdateCheck, AnAddressThatIsNotHttpEndsTheCheckSilently) {
    const Outcome outcome = check(QStringLiteral("not an address"), common::MessageAnswer::Yes);
    EXPECT_TRUE(outcome.messages.empty());
}

TEST(UpdateCheck, APlaceholderAddressOnAReservedDomainEndsTheCheckSilently) {
    const Outcome outcome = check(QStringLiteral("https://www.ravelin.example/version.txt"),
                                  common::MessageAnswer::Yes);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(outcome.opened.isEmpty());
}

TEST(UpdateCheck, ASilentServerTimesOutWhileTheWindowKeepsAnswering) {
    LocalHttpServer server;
    server.staySilent();
    MessageLog log(common::MessageAnswer::Yes);

    QWidget window;
    auto* button = new QPushButton(QStringLiteral("&Next ->"), &window);
    window.show();
    auto* updateCheck =
        new UpdateCheck({server.address(), QStringLiteral("https://i.example/x")}, 1s, &window);
    QSignalSpy finished(updateCheck, &UpdateCheck::finished);
    int clicksWhileWaiting = 0;
    QObject::connect(button, &QPushButton::clicked, [&] {
        if (finished.isEmpty()) {
            ++clicksWhileWaiting;
        }
    });
    updateCheck->start();
    // The check is connected and waits for a reply that never comes; the window answers a
    // click meanwhile.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connections() == 1; }, 5000));
    QTest::mouseClick(button, Qt::LeftButton);

    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(clicksWhileWaiting, 1);
    EXPECT_EQ(server.connections(), 1);
    EXPECT_TRUE(log.messages().empty());
}

TEST(UpdateCheck, ClosingTheWindowDuringTheFetchEndsTheCheck) {
    LocalHttpServer server;
    server.staySilent();
    MessageLog log(common::MessageAnswer::Yes);

    auto window = std::make_unique<QWidget>();
    QPointer<UpdateCheck> updateCheck = new UpdateCheck(
        {server.address(), QStringLiteral("https://i.example/x")}, 5s, window.get());
    updateCheck->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connections() == 1; }, 5000));
    window.reset();

    EXPECT_TRUE(updateCheck.isNull());
    // The fetch is given up: the server sees its connection closed, and nothing is shown.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closedConnections() == 1; }, 5000));
    EXPECT_TRUE(log.messages().empty());
}

TEST(UpdateCheckAddresses, TheEnvironmentOverridesTheBuiltInAddresses) {
    const QByteArray savedVersion = qgetenv("RAVELIN_VERSION_URL");
    const QByteArray savedInstaller = qgetenv("RAVELIN_INSTALLER_URL");
    qputenv("RAVELIN_VERSION_URL", "http://127.0.0.1:8080/v.txt");
    qputenv("RAVELIN_INSTALLER_URL", "http://127.0.0.1:8080/setup");
    const UpdateCheck::Addresses overridden = UpdateCheck::addresses();
    qunsetenv("RAVELIN_VERSION_URL");
    qunsetenv("RAVELIN_INSTALLER_URL");
    const UpdateCheck::Addresses builtIn = UpdateCheck::addresses();
    qputenv("RAVELIN_VERSION_URL", savedVersion);
    qputenv("RAVELIN_INSTALLER_URL", savedInstaller);

    EXPECT_EQ(overridden.versionFile, QStringLiteral("http://127.0.0.1:8080/v.txt"));
    EXPECT_EQ(overridden.installer, QStringLiteral("http://127.0.0.1:8080/setup"));
    EXPECT_TRUE(builtIn.versionFile.startsWith(QLatin1String("https://")));
    EXPECT_TRUE(builtIn.versionFile.endsWith(QLatin1String("/version.txt")));
    EXPECT_TRUE(builtIn.installer.startsWith(QLatin1String("https://")));
}

} // namespace
} // namespace ravelin::extras
