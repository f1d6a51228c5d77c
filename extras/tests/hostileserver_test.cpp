// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The update check against servers that misbehave on purpose. Whatever the server does, the
// check ends within its deadline without a word, and the window's event loop is never held:
// a probe timer ticking every few milliseconds is never kept waiting long, neither while the
// check runs nor when it ends, nor when the window is closed in the middle of it.
#include "extras/tests/hostileserver.h"
#include "extras/tests/stallprobe.h"
#include "extras/tests/support.h"
#include "extras/updatecheck.h"
#include "ravelin/version.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace ravelin::extras {
namespace {

using namespace std::chrono_literals;
using testing::HostileServer;
using testing::MessageLog;
using testing::StallProbe;
using Connection = HostileServer::Connection;

// "At once" against the check's seconds-long waits that the tests guard against, with room a
// shared, busy machine keeps: the window itself answers within 50 ms, which
// bench/bench_updatecheck.cpp measures.
constexpr auto kLongestStall = 300ms;
constexpr auto kDeadline = 1500ms;

std::string repeated(char c, std::size_t n) {
    return std::string(n, c);
}

struct Hostile {
    const char* name;
    HostileServer::Behaviour behaviour;
    const char* scheme = "http";
    bool readsRequest = true;
};

// A body of a few KiB that a client asking for no compression would inflate to 16 MiB.
std::string deflateBomb() {
    const QByteArray packed = qCompress(QByteArray(qsizetype{16} * 1024 * 1024, '9'), 9);
    return packed.sliced(4).toStdString(); // qCompress puts the length before the zlib stream
}

std::vector<Hostile> hostileServers() {
    const auto redirect = [](const std::string& location) {
        return [location](Connection& c) {
            c.send("HTTP/1.1 302 Found\r\nLocation: " + location +
                   "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        };
    };
    return {
        {"NeverAnswers", [](Connection& c) { c.holdOpen(); }},
        {"DripsItsHeaders",
         [](Connection& c) {
             if (c.send("HTTP/1.1 200 OK\r\nX-Drip: ")) {
                 while (c.send("a") && c.pause(10ms)) {
                 }
             }
         }},
        {"SendsHeadersWithoutEnd",
         [](Connection& c) {
             if (!c.send("HTTP/1.1 200 OK\r\n")) {
                 return;
             }
             for (int i = 0;
                  c.send("X-Filler-" + std::to_string(i) + ": " + repeated('a', 200) + "\r\n");
                  ++i) {
             }
         }},
        {"SendsAStatusLineWithoutEnd",
         [](Connection& c) {
             if (c.send("HTTP/1.1 200 ")) {
                 while (c.send(repeated('a', 4096))) {
                 }
             }
         }},
        {"SendsABodyWithoutEnd",
         [](Connection& c) {
             if (c.send("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n3.0.9")) {
                 while (c.send(repeated('\n', 4096))) {
                 }
             }
         }},
        {"SendsChunksWithoutEnd",
         [](Connection& c) {
             if (c.send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n")) {
                 while (c.send("400\r\n" + repeated(' ', 1024) + "\r\n")) {
                 }
             }
         }},
        {"AnnouncesAHugeChunk",
         [](Connection& c) {
             if (c.send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n7fffffff\r\n")) {
                 while (c.send(repeated(' ', 4096))) {
                 }
             }
         }},
        {"AnnouncesAHugeLength",
         [](Connection& c) {
             if (c.send("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999\r\n\r\n")) {
                 while (c.send(repeated(' ', 4096))) {
                 }
             }
         }},
        {"SendsAHugeCompressedBody",
         [bomb = deflateBomb()](Connection& c) {
             c.send("HTTP/1.1 200 OK\r\nContent-Encoding: deflate\r\nContent-Length: " +
                    std::to_string(bomb.size()) + "\r\n\r\n" + bomb);
             c.holdOpen();
         }},
        {"SendsTheBodySlowly",
         [](Connection& c) {
             if (c.send("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n")) {
                 for (const char digit : std::string("9.9.9")) {
                     if (!c.pause(500ms) || !c.send(std::string(1, digit))) {
                         return;
                     }
                 }
                 c.holdOpen();
             }
         }},
        {"RedirectsToItself", redirect("/version.txt")},
        {"RedirectsOnAndOn",
         [n = std::make_shared<std::atomic<int>>(0)](Connection& c) {
             c.send("HTTP/1.1 301 Moved\r\nLocation: /v" + std::to_string(++*n) +
                    ".txt\r\nContent-Length: 0\r\n\r\n");
         }},
        {"RedirectsToAFile", redirect("file:///etc/hostname")},
        {"RedirectsToFtp", redirect("ftp://127.0.0.1/version.txt")},
        {"RedirectsToData", redirect("data:text/plain,99.0.0")},
        {"AnswersTlsWithPlainText",
         [](Connection& c) { c.send("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n9.9.9"); },
         "https", false},
        {"AnswersTlsWithNoise",
         [](Connection& c) {
             while (c.send(repeated('\x16', 4096))) {
             }
         },
         "https", false},
        {"NeverAnswersTls", [](Connection& c) { c.holdOpen(); }, "https", false},
    };
}

class HostileServerCase : public ::testing::TestWithParam<Hostile> {
protected:
    // The first TLS connection of a process loads and sets up the TLS library on the window's
    // thread (some 15 ms, once). That is done here, ahead of the probe: the tests measure what
    // a server can make the check do, which a busy machine would otherwise blur.
    void SetUp() override {
        if (std::string_view(GetParam().scheme) == "https") {
            QSslSocket first;
            first.connectToHostEncrypted(QStringLiteral("127.0.0.1"), 9);
            first.abort();
        }
    }

    QString address(const HostileServer& server) const {
        return QStringLiteral("%1://127.0.0.1:%2/version.txt")
            .arg(QString::fromLatin1(GetParam().scheme))
            .arg(server.port());
    }
};

TEST_P(HostileServerCase, EndsTheCheckSilentlyWithoutEverHoldingTheWindow) {
    HostileServer server(GetParam().behaviour, GetParam().readsRequest);
    MessageLog log(common::MessageAnswer::Yes);
    auto window = std::make_unique<QWidget>();
    StallProbe probe;

    auto* check = new UpdateCheck({address(server), QStringLiteral("https://i.example/x")},
                                  kDeadline, window.get());
    QSignalSpy finished(check, &UpdateCheck::finished);
    check->start();
    EXPECT_TRUE(finished.wait(static_cast<int>((kDeadline + 3s).count())));
    QTest::qWait(100); // what was left to be deleted goes
    QElapsedTimer closing;
    closing.start();
    window.reset();
    const auto closed = std::chrono::milliseconds(closing.elapsed());
    QTest::qWait(50);

    EXPECT_GE(server.connections(), 1);
    EXPECT_TRUE(log.messages().empty());
    EXPECT_LT(probe.longestStall(), kLongestStall) << probe.longestStall().count() << " ms";
    EXPECT_LT(closed, kLongestStall) << closed.count() << " ms";
}

TEST_P(HostileServerCase, ClosingTheWindowMidwayEndsTheCheckAtOnce) {
    HostileServer server(GetParam().behaviour, GetParam().readsRequest);
    MessageLog log(common::MessageAnswer::Yes);
    auto window = std::make_unique<QWidget>();
    StallProbe probe;

    QPointer<UpdateCheck> check =
        new UpdateCheck({address(server), QStringLiteral("https://i.example/x")}, 5s, window.get());
    check->start();
    QTest::qWait(300);
    QElapsedTimer closing;
    closing.start();
    window.reset();
    const auto closed = std::chrono::milliseconds(closing.elapsed());
    QTest::qWait(100);

    EXPECT_TRUE(check.isNull());
    EXPECT_TRUE(log.messages().empty());
    EXPECT_LT(probe.longestStall(), kLongestStall) << probe.longestStall().count() << " ms";
    EXPECT_LT(closed, kLongestStall) << closed.count() << " ms";
}

INSTANTIATE_TEST_SUITE_P(Servers, HostileServerCase, ::testing::ValuesIn(hostileServers()),
                         [](const auto& info) { return std::string(info.param.name); });

// A newer release than the running one, as a version file holds it.
std::string newerRelease() {
    return std::to_string(version::kMajor) + "." + std::to_string(version::kMinor) + "." +
           std::to_string(version::kRevision + 1);
}

struct Ordinary {
    const char* name;
    std::function<std::string()> reply; // what the server sends for /version.txt
};

class OrdinaryServer : public ::testing::TestWithParam<Ordinary> {};

TEST_P(OrdinaryServer, ServesTheVersionFileAndTheCheckOffersTheUpdate) {
    const auto reply = GetParam().reply;
    HostileServer server([reply](Connection& c) { c.send(reply()); });
    MessageLog log(common::MessageAnswer::No);
    QWidget window;
    auto* check =
        new UpdateCheck({QStringLiteral("http://127.0.0.1:%1/old/version.txt").arg(server.port()),
                         QStringLiteral("https://i.example/x")},
                        5s, &window);
    QSignalSpy finished(check, &UpdateCheck::finished);
    check->start();
    ASSERT_TRUE(finished.wait(8000));
    EXPECT_EQ(log.messages().size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, OrdinaryServer,
    ::testing::Values(
        Ordinary{"WithALength",
                 [] {
                     return "HTTP/1.1 200 OK\r\nContent-Length: " +
                            std::to_string(newerRelease().size()) + "\r\n\r\n" + newerRelease();
                 }},
        Ordinary{
            "EndingWithTheConnection",
            [] { return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + newerRelease(); }},
        Ordinary{"InChunks",
                 [] {
                     const std::string body = newerRelease();
                     return "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\n" +
                            body.substr(0, 2) + "\r\n" + std::to_string(body.size() - 2) +
                            ";ext=1\r\n" + body.substr(2) + "\r\n0\r\nX-Trailer: t\r\n\r\n";
                 }},
        Ordinary{"WithLineFeedsAlone",
                 [] { return "HTTP/1.1 200 OK\nContent-Encoding: identity\n\n" + newerRelease(); }},
        Ordinary{"AfterARedirect",
                 [n = std::make_shared<std::atomic<int>>(0)] {
                     return ++*n == 1 ? std::string("HTTP/1.1 302 Found\r\nLocation: "
                                                    "../new/version.txt\r\n\r\n")
                                      : "HTTP/1.1 200 OK\r\n\r\n" + newerRelease();
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ravelin::extras
