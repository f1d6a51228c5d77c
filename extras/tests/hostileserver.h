// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A server on 127.0.0.1 that misbehaves as a test tells it, on threads of its own so that
// nothing it does can hold the event loop under test: it accepts each connection, reads the
// request and hands the connection to the behaviour. It stops when it is destroyed.
#pragma once

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace ravelin::extras::testing {

class HostileServer {
public:
    // One accepted connection, as a behaviour sees it.
    class Connection {
    public:
        Connection(int fd, const std::atomic<bool>& stopping) : fd_(fd), stopping_(stopping) {}

        // Sends all of `bytes`; false once the client is gone or the server stops.
        bool send(std::string_view bytes) {
            while (!bytes.empty()) {
                if (!waitFor(POLLOUT)) {
                    return false;
                }
                const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
                if (sent <= 0) {
                    return false;
                }
                bytes.remove_prefix(static_cast<std::size_t>(sent));
            }
            return true;
        }

        // Waits, or less when the server stops; false when it stops.
        bool pause(std::chrono::milliseconds duration) {
            const auto until = std::chrono::steady_clock::now() + duration;
            while (std::chrono::steady_clock::now() < until) {
                if (stopping_) {
                    return false;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            return !stopping_;
        }

        // Holds the connection open, answering nothing, until the client or the server ends it.
        void holdOpen() {
            char sink[4096];
            while (waitFor(POLLIN)) {
                if (::recv(fd_, sink, sizeof sink, 0) <= 0) {
                    return;
                }
            }
        }

        // Reads up to the end of the request's headers.
        bool readRequest() {
            std::string request;
            char piece[1024];
            while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
                if (!waitFor(POLLIN)) {
                    return false;
                }
                const ssize_t got = ::recv(fd_, piece, sizeof piece, 0);
                if (got <= 0) {
                    return false;
                }
                request.append(piece, static_cast<std::size_t>(got));
            }
            return true;
        }

    private:
        bool waitFor(short events) {
            while (!stopping_) {
                pollfd entry{fd_, events, 0};
                const int ready = ::poll(&entry, 1, 20);
                if (ready > 0) {
                    return (entry.revents & (POLLERR | POLLNVAL)) == 0 &&
                           ((entry.revents & events) != 0 || (entry.revents & POLLHUP) == 0);
                }
                if (ready < 0) {
                    return false;
                }
            }
            return false;
        }

        int fd_;
        const std::atomic<bool>& stopping_;
    };

    using Behaviour = std::function<void(Connection&)>;

    // `readFirst`: read the request before the behaviour starts (a TLS client sends no
    // plain request).
    explicit HostileServer(Behaviour behaviour, bool readFirst = true)
        : behaviour_(std::move(behaviour)), readFirst_(readFirst) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 16) != 0) {
            ::close(listener_);
            throw std::runtime_error("the hostile server cannot listen on 127.0.0.1");
        }
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        acceptor_ = std::thread([this] { acceptAll(); });
    }

    ~HostileServer() {
        stopping_ = true;
        acceptor_.join();
        const std::lock_guard lock(mutex_);
        for (std::thread& connection : connections_) {
            connection.join();
        }
        ::close(listener_);
    }

    HostileServer(const HostileServer&) = delete;
    HostileServer& operator=(const HostileServer&) = delete;

    unsigned short port() const { return port_; }
    int connections() const { return accepted_; }

private:
    void acceptAll() {
        while (!stopping_) {
            pollfd entry{listener_, POLLIN, 0};
            if (::poll(&entry, 1, 20) <= 0) {
                continue;
            }
            const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) {
                continue;
            }
            ++accepted_;
            const std::lock_guard lock(mutex_);
            connections_.emplace_back([this, fd] {
                Connection connection(fd, stopping_);
                if (!readFirst_ || connection.readRequest()) {
                    behaviour_(connection);
                }
                ::close(fd);
            });
        }
    }

    Behaviour behaviour_;
    bool readFirst_;
    int listener_ = -1;
    unsigned short port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> accepted_{0};
    std::mutex mutex_;
    std::vector<std::thread> connections_;
    std::thread acceptor_;
};

} // namespace ravelin::extras::testing
