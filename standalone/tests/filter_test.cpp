// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-wizard --filter: exactly one answer on standard output, the button or the selection
// byte for byte; and the clipboard when it runs on its own.
#include "buttons/buttontypes.h"
#include "common/msgbox.h"
#include "ravelin/version.h"
#include "standalone/filter.h"
#include "standalone/wizardhosts.h"
#include "wizard/driver.h"
#include "wizard/mstartup.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace ravelin::standalone {
namespace {

using wizard::driver::click;

// The View Cart tab is the shortest walk to a result page.
constexpr int kViewCartTab = 3;

// Walks the wizard to the View Cart result page and gives the HTML Insert HTML will paste.
QString toViewCartResult(QWidget& window) {
    EXPECT_TRUE(click(window, "btnStart"));
    EXPECT_TRUE(wizard::driver::type(window, "txtEmail", QStringLiteral("seller@example.com")));
    EXPECT_TRUE(wizard::driver::selectTab(window, kViewCartTab));
    EXPECT_TRUE(click(window, "btnNextVC"));
    return wizard::mstartup::controlText(window, "txtHTMLVC");
}

// Binary-ish text without NUL, of about a megabyte.
QByteArray largeSelection() {
    QByteArray bytes;
    for (int i = 0; bytes.size() < (1 << 20); ++i) {
        bytes.append(static_cast<char>(1 + i % 255));
    }
    return bytes;
}

class Filter : public ::testing::Test {
protected:
    void SetUp() override {
        common::setMessageHandler([this](const common::Message& message) {
            messages.push_back(message.prompt);
            return common::MessageAnswer::Ok;
        });
        output.open(QIODevice::WriteOnly);
    }
    void TearDown() override { common::setMessageHandler({}); }

    // Runs the filter over `selection` until it answers; `act` plays the user.
    void run(const QByteArray& selection, const std::function<void(FilterWizard&)>& act) {
        FilterSession session(selection, output);
        QSignalSpy finished(&session, &FilterSession::finished);
        {
            FilterWizard wizard(session);
            ASSERT_NE(wizard.window(), nullptr);
            act(wizard);
            // A closed window is deleted from the event loop, which a test does not run.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ASSERT_TRUE(finished.count() > 0 || finished.wait(10000));
        }
        ASSERT_EQ(finished.count(), 1) << "exactly one answer";
        exitCode = finished.front().at(0).toInt();
    }

    QBuffer output;
    int exitCode = -1;
    std::vector<QString> messages;
};

TEST_F(Filter, InsertHtmlWritesExactlyTheButtonInPlaceOfTheSelection) {
    QString html;
    run("<p>old</p>\r\n<p>older</p>", [&html](FilterWizard& wizard) {
        html = toViewCartResult(*wizard.window());
        ASSERT_TRUE(click(*wizard.window(), "btnFinishVC"));
    });
    ASSERT_TRUE(html.endsWith(QStringLiteral("</form>")));
    EXPECT_EQ(output.data(), html.toUtf8());
    EXPECT_EQ(exitCode, 0);
}

TEST_F(Filter, ASelectionHoldingAButtonOpensOnItAndGetsItReplacedWithTheRestAsItCame) {
    const buttons::Context context{.account = "shop@example.com",
                                   .buildCode = std::string(version::kBuildCode),
                                   .endpoints = {}};
    const auto button = [&context](int picture) {
        buttons::ViewCartAnswers answers;
        answers.optVC = picture;
        QByteArray html =
            QByteArray::fromStdString(buttons::ViewCart::kWrite(answers, context).html);
        return html.replace("\r\n", "\n");
    };
    const QByteArray before = "<p>Your cart:</p>\n";
    const QByteArray after = "\n<p>Thank you \xc3\xa0 bient\xc3\xb4t</p>\n";
    run(before + button(1) + after, [](FilterWizard& wizard) {
        QWidget& window = *wizard.window();
        EXPECT_EQ(wizard::mstartup::selectedOption(window, "optVC", 4), 1);
        EXPECT_EQ(wizard::mstartup::controlText(window, "txtEmail"), "shop@example.com");
        ASSERT_TRUE(click(window, wizard::driver::optionControl("optVC", 2)));
        ASSERT_TRUE(click(window, "btnNextVC"));
        ASSERT_TRUE(click(window, "btnFinishVC"));
    });
    EXPECT_EQ(output.data().toStdString(), (before + button(2) + after).toStdString());
    EXPECT_EQ(exitCode, 0);
}

TEST_F(Filter, TheButtonTakesTheLineBreaksOfTheSelectionAndItsClosingOne) {
    const struct {
        QByteArray selection;
        const char* lineBreak; // of the button's lines
        const char* closing;   // after its "</form>"
    } cases[] = {
        {"<p>one</p>\n<p>two</p>\n", "\n", "\n"},
        {"line one\r\nBUTTON\r\n", "\r\n", "\r\n"},
        {"line one\r\nBUTTON", "\r\n", ""},
        {"BUTTON\n", "\n", "\n"},
        {"BUTTON\r", "\n", "\r"},
        {"\n", "\n", "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selection.toStdString());
        output.close();
        output.setData({});
        output.open(QIODevice::WriteOnly);
        QString html;
        run(c.selection, [&html](FilterWizard& wizard) {
            html = toViewCartResult(*wizard.window());
            ASSERT_TRUE(click(*wizard.window(), "btnFinishVC"));
        });
        ASSERT_TRUE(html.contains(QStringLiteral("\r\n")));
        EXPECT_EQ(output.data(), html.toUtf8().replace("\r\n", c.lineBreak) + c.closing);
        EXPECT_EQ(exitCode, 0);
    }
}

struct Ending {
    const char* name;
    std::function<void(FilterWizard&)> act;
};

class FilterEnding : public Filter, public ::testing::WithParamInterface<Ending> {};

TEST_P(FilterEnding, GivesTheSelectionBackByteForByte) {
    const std::vector<QByteArray> selections = {{},
                                                "plain",
                                                "<p>a</p>\r\n<p>b</p>\r\n",
                                                "\xef\xbb\xbf\xc3\xa9\r\x01\x7f\xff",
                                                largeSelection()};
    for (const QByteArray& selection : selections) {
        output.close();
        output.setData({});
        output.open(QIODevice::WriteOnly);
        run(selection, GetParam().act);
        EXPECT_EQ(output.data(), selection) << selection.size() << " bytes";
        EXPECT_EQ(exitCode, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, FilterEnding,
    ::testing::Values(Ending{"Closed", [](FilterWizard& wizard) { wizard.window()->close(); }},
                      Ending{"Escape",
                             [](FilterWizard& wizard) {
                                 QTest::keyClick(wizard.window()->focusWidget() != nullptr
                                                     ? wizard.window()->focusWidget()
                                                     : wizard.window(),
                                                 Qt::Key_Escape);
                             }},
                      Ending{"WalkedButNotInserted",
                             [](FilterWizard& wizard) {
                                 toViewCartResult(*wizard.window());
                                 wizard.window()->close();
                             }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilterOutput, AFailedWriteEndsWithOneAndSaysWhy) {
    QFile closed;
    FilterSession session("kept", closed);
    QSignalSpy finished(&session, &FilterSession::finished);
    session.giveBack();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.front().at(0).toInt(), 1);
    EXPECT_FALSE(finished.front().at(1).toString().isEmpty());
}

TEST(LineBreaks, FollowTheSelection) {
    const struct {
        QByteArray selection;
        QByteArray expected;
    } cases[] = {
        {"a\r\nb", "<form>\r\n</form>"},
        {"a\nb\r\n", "<form>\r\n</form>\r\n"},
        {"a\nb", "<form>\n</form>"},
        {"", "<form>\n</form>"},
        {"a\rb", "<form>\n</form>"},
        {"a\r\nb\n", "<form>\r\n</form>\n"},
        {"a\n", "<form>\n</form>\n"},
        {"a\r", "<form>\n</form>\r"},
        {"a\r\n\r\n", "<form>\r\n</form>\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(withSelectionLineBreaks(QStringLiteral("<form>\r\n</form>"), c.selection),
                  c.expected)
            << c.selection.toStdString();
    }
}

TEST(Clipboard, InsertHtmlCopiesTheButtonAsTextAndHtmlAndSaysSo) {
    std::vector<QString> messages;
    common::setMessageHandler([&messages](const common::Message& message) {
        messages.push_back(message.prompt);
        return common::MessageAnswer::Ok;
    });
    ClipboardWizard wizard;
    const QString html = toViewCartResult(*wizard.window());
    ASSERT_TRUE(click(*wizard.window(), "btnFinishVC"));
    common::setMessageHandler({});

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), html);
    EXPECT_EQ(data->html(), html);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages.front(), clipboardNotice());
    EXPECT_NE(wizard.window(), nullptr) << "the window stays open for the next button";
}

// True once the process has a handler of its own for SIGTERM (it has set up its signals).
bool catchesSigterm(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1) & 1U) != 0;
        }
    }
    return false;
}

TEST(FilterProgram, GivesTheSelectionBackOnSigterm) {
    const QByteArray selection = "<p>keep me</p>\r\n\xc3\xa9\n";
    QProcess process;
    process.start(QStringLiteral(RAVELIN_WIZARD_PROGRAM), {QStringLiteral("--filter")});
    ASSERT_TRUE(process.waitForStarted(10000));
    process.write(selection);
    process.closeWriteChannel();
    ASSERT_TRUE(QTest::qWaitFor([&process] { return catchesSigterm(process.processId()); }, 10000));
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput(), selection);
}

// A run of the filter program: what it wrote and how it ended.
struct ProgramRun {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

// How a run of the program ends: by itself, or by SIGTERM once it catches the signal (the
// wizard then starts and gives the selection back).
enum class RunEnds { ByItself, BySigterm };

// Runs the filter over `selection` with `environment` and the standard stream `closed` closed
// (-1 for none).
ProgramRun runProgram(const QByteArray& selection, const QProcessEnvironment& environment,
                      RunEnds ending, const QStringList& arguments = {QStringLiteral("--filter")},
                      int closed = -1) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (closed >= 0) {
        process.setChildProcessModifier([closed] { ::close(closed); });
    }
    process.start(QStringLiteral(RAVELIN_WIZARD_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForStarted(10000));
    process.write(selection);
    process.closeWriteChannel();
    if (ending == RunEnds::BySigterm) {
        EXPECT_TRUE(
            QTest::qWaitFor([&process] { return catchesSigterm(process.processId()); }, 10000));
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    }
    EXPECT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The test's environment with `unset` taken out and `set` put in.
QProcessEnvironment environmentWith(const QStringList& unset,
                                    const std::vector<std::pair<QString, QString>>& set = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset) {
        environment.remove(name);
    }
    for (const auto& [name, value] : set) {
        environment.insert(name, value);
    }
    return environment;
}

struct Refusal {
    const char* name;
    int closed;            // the standard stream closed, or -1
    QStringList arguments; // after the program's name
    QStringList unset;     // environment variables taken out
    bool handsBack;        // the selection goes back on standard output
    const char* problem;   // a part of the one line on standard error
};

class FilterRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(FilterRefusal, EndsWithOneAndOneLineAndLosesNothing) {
    const QByteArray selection = "<p>keep me</p>\r\n";
    const ProgramRun run = runProgram(selection, environmentWith(GetParam().unset),
                                      RunEnds::ByItself, GetParam().arguments, GetParam().closed);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, GetParam().handsBack ? selection : QByteArray());
    EXPECT_EQ(run.errors.count('\n'), 1) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.startsWith("ravelin-wizard: ")) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(GetParam().problem)) << run.errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, FilterRefusal,
    ::testing::Values(
        // Qt's own descriptors would take the free number: its event descriptor was read as
        // the selection, or the button written into it.
        Refusal{"InputClosed", STDIN_FILENO, {"--filter"}, {}, false, "standard input is closed"},
        Refusal{"NoDisplay",
                -1,
                {"--filter"},
                {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},
                true,
                "no display is set"},
        Refusal{"UnknownOption", -1, {"--filter", "--colour"}, {}, true, "Unknown option 'colour'"},
        Refusal{"AFatalNoticeFromQt",
                -1,
                {"--filter", "-platform", "nonesuch"},
                {},
                true,
                "cannot open the wizard's window"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilterProgram, WithOutputClosedRefusesAndReadsNothing) {
    const ProgramRun run =
        runProgram("<p>keep me</p>", QProcessEnvironment::systemEnvironment(), RunEnds::ByItself,
                   {QStringLiteral("--filter")}, STDOUT_FILENO);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, QByteArray("ravelin-wizard: standard output is closed, so the button "
                                     "would have nowhere to go; nothing was read\n"));
}

// Each of these used to put one of Qt's notices on standard error, which Vim puts into the page.
TEST(FilterProgram, SaysNothingOnStandardErrorWhereQtWouldSpeak) {
    const std::vector<std::pair<const char*, QProcessEnvironment>> environments = {
        {"no XDG_RUNTIME_DIR", environmentWith({QStringLiteral("XDG_RUNTIME_DIR")})},
        {"no HOME", environmentWith({QStringLiteral("HOME")})},
        {"the C locale", environmentWith({QStringLiteral("LC_ALL")},
                                         {{QStringLiteral("LANG"), QStringLiteral("C")},
                                          {QStringLiteral("LC_CTYPE"), QStringLiteral("C")}})},
        {"no display",
         environmentWith({QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY")},
                         {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}})},
    };
    const QByteArray selection = "<p>keep me</p>\n";
    for (const auto& [name, environment] : environments) {
        SCOPED_TRACE(name);
        const ProgramRun run = runProgram(selection, environment, RunEnds::BySigterm);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, selection);
        EXPECT_EQ(run.errors, QByteArray());
    }
}

} // namespace
} // namespace ravelin::standalone
