// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <poll.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace ravelin::common {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// Syncs a folder, so that a rename in it survives a crash. File systems that cannot sync a
// folder say so with EINVAL; that is no failure.
bool syncFolder(const QString& folder) {
    const Descriptor fd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) {
        return false;
    }
    return ::fsync(fd.get()) == 0 || errno == EINVAL;
}

// Where `path` leads when it is a symbolic link whose target does not exist. Writing through it
// would make a file where its owner may not look for one (on a disk that is not mounted, in a
// folder moved away), so such a link is left alone.
std::optional<QString> danglingLinkTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink() || info.exists()) {
        return std::nullopt;
    }
    return shown(info.symLinkTarget());
}

// Whether the file system holding `folder` has no room left for a new file.
bool isFull(const QString& folder) {
    struct statvfs status {};
    if (::statvfs(QFile::encodeName(folder).constData(), &status) != 0) {
        return false;
    }
    const fsblkcnt_t blocks = ::geteuid() == 0 ? status.f_bfree : status.f_bavail;
    return blocks == 0 || (status.f_files > 0 && status.f_favail == 0);
}

// Whether `fd` is an anonymous pipe, whose writer is there from the start, unlike a named
// pipe's, which may never come.
bool isAnonymousPipe(int fd) {
    struct statfs system {};
    return ::fstatfs(fd, &system) == 0 && system.f_type == PIPEFS_MAGIC;
}

// What a descriptor's file is, when it is something a reader cannot take as a file.
std::optional<QString> notAFile(mode_t mode) {
    if (S_ISDIR(mode)) {
        return QStringLiteral("it is a folder, not a file");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QStringLiteral("it is a device, not a file");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("it is a socket, not a file");
    }
    return std::nullopt;
}

} // namespace

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Result<Descriptor> openToRead(const QByteArray& name) {
    struct stat status {};
    // A socket cannot be opened; it is named as what it is.
    if (::stat(name.constData(), &status) == 0) {
        if (const std::optional<QString> what = notAFile(status.st_mode)) {
            return Failure{*what};
        }
    }
    // Opened without waiting, so that a named pipe with no writer cannot hold the reader; what
    // it is, is asked of the open file itself.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0) {
        return Failure{systemError(errno)};
    }
    if (const std::optional<QString> what = notAFile(status.st_mode)) {
        return Failure{*what};
    }
    if (S_ISFIFO(status.st_mode) && !isAnonymousPipe(fd.get())) {
        // Until a writer has come and written or gone, a read would end at once.
        pollfd ready{fd.get(), POLLIN, 0};
        int got = 0;
        do {
            got = ::poll(&ready, 1, kNamedPipeWaitMs);
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            return Failure{systemError(errno)};
        }
        if (got == 0) {
            return Failure{QStringLiteral("it is a named pipe, and nothing was written to it "
                                          "within %1 seconds")
                               .arg(kNamedPipeWaitMs / 1000)};
        }
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return Failure{systemError(errno)};
    }
    return fd;
}

QString configHome() {
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) {
        return QDir::cleanPath(configured);
    }
    // Without $HOME, the home folder the user's account names, not the root folder that
    // QDir::homePath falls back on.
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) {
        const passwd* account = ::getpwuid(::getuid());
        home = account != nullptr && account->pw_dir != nullptr ? QFile::decodeName(account->pw_dir)
                                                                : QDir::homePath();
    }
    return QDir::cleanPath(home + QStringLiteral("/.config"));
}

Result<std::optional<QByteArray>> readFileCapped(const QString& path, qint64 limit) {
    // Opened without waiting, so that a pipe in the file's place cannot hold the reader; what
    // it is, is asked of the open file itself.
    const Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        const int code = errno;
        if (code != ENOENT && code != ENOTDIR) {
            return Failure{
                QStringLiteral("cannot open %1: %2").arg(shown(path), systemError(code))};
        }
        return std::optional<QByteArray>();
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        return Failure{QStringLiteral("cannot read %1: %2").arg(shown(path), systemError(errno))};
    }
    if (S_ISDIR(status.st_mode)) {
        return Failure{QStringLiteral("%1 is a folder, not a file").arg(shown(path))};
    }
    if (!S_ISREG(status.st_mode)) {
        return Failure{QStringLiteral("%1 is not a regular file").arg(shown(path))};
    }
    const auto tooLarge = [&] {
        return Failure{QStringLiteral("%1 is larger than %2, more than such a file ever holds")
                           .arg(shown(path), byteSize(limit))};
    };
    if (status.st_size > limit) {
        return tooLarge();
    }
    Result<QByteArray> bytes = readCapped(fd.get(), limit);
    if (!bytes) {
        return Failure{QStringLiteral("cannot read %1: %2").arg(shown(path), bytes.error())};
    }
    if (bytes->size() > limit) {
        return tooLarge(); // it grew while being read
    }
    return std::optional<QByteArray>(std::move(*bytes));
}

Result<QByteArray> readCapped(int fd, qint64 limit) {
    QByteArray bytes;
    qsizetype used = 0;
    while (used <= limit) {
        if (used == bytes.size()) {
            bytes.resize(std::min<qint64>(limit + 1, used * 2 + 4096));
        }
        const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return Failure{systemError(errno)};
        }
        if (got == 0) {
            break;
        }
        used += got;
    }
    bytes.truncate(used);
    return bytes;
}

Result<void> makeFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current;
    for (const QString& part : parts) {
        current += QLatin1Char('/') + part;
        const QByteArray name = QFile::encodeName(current);
        struct stat status {};
        if (::stat(name.constData(), &status) == 0) {
            if (!S_ISDIR(status.st_mode)) {
                return Failure{QStringLiteral("%1 is not a folder").arg(shown(current))};
            }
            continue;
        }
        if (errno != ENOENT) {
            return Failure{
                QStringLiteral("cannot reach %1: %2").arg(shown(current), systemError(errno))};
        }
        // Folders for configuration are the user's own (the XDG rules ask for 0700).
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
            return Failure{
                QStringLiteral("cannot create %1: %2").arg(shown(current), systemError(errno))};
        }
    }
    return {};
}

Result<void> replaceFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (info.isDir()) {
        return Failure{QStringLiteral("%1 is a folder, not a file").arg(shown(path))};
    }
    if (const std::optional<QString> target = danglingLinkTarget(path)) {
        return Failure{QStringLiteral("cannot write %1: it is a link to a missing file: %2")
                           .arg(shown(path), *target)};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure{QStringLiteral("cannot write %1: %2")
                           .arg(shown(path), writeObstacle(path).value_or(file.errorString()))};
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        Failure failure{QStringLiteral("cannot write %1: %2").arg(shown(path), file.errorString())};
        file.cancelWriting();
        return failure;
    }
    if (::fsync(file.handle()) != 0) {
        Failure failure{
            QStringLiteral("cannot write %1 to the disk: %2").arg(shown(path), systemError(errno))};
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) {
        return Failure{QStringLiteral("cannot write %1: %2").arg(shown(path), file.errorString())};
    }
    if (!syncFolder(folder)) {
        return Failure{
            QStringLiteral("%1 was written but its folder could not be synced to the disk: %2")
                .arg(shown(path), systemError(errno))};
    }
    return {};
}

std::optional<QString> writeObstacle(const QString& path) {
    const QFileInfo info(path);
    QString folder = info.absolutePath();
    // The deepest folder that exists: files are made there, or folders below it.
    QString existing = folder;
    for (;;) {
        struct stat status {};
        if (::stat(QFile::encodeName(existing).constData(), &status) == 0) {
            if (!S_ISDIR(status.st_mode)) {
                return QStringLiteral("%1 is not a folder").arg(shown(existing));
            }
            break;
        }
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing) {
            break;
        }
        existing = parent;
    }
    if (::access(QFile::encodeName(existing).constData(), W_OK | X_OK) != 0) {
        return QStringLiteral("cannot create files in %1: %2")
            .arg(shown(existing), systemError(errno));
    }
    if (isFull(existing)) {
        return QStringLiteral("cannot create files in %1: %2")
            .arg(shown(existing), systemError(ENOSPC));
    }
    if (existing != folder) {
        return std::nullopt;
    }
    if (const std::optional<QString> target = danglingLinkTarget(path)) {
        return QStringLiteral("%1 is a link to a missing file: %2").arg(shown(path), *target);
    }
    if (info.exists()) {
        if (info.isDir()) {
            return QStringLiteral("%1 is a folder, not a file").arg(shown(path));
        }
        if (::access(QFile::encodeName(path).constData(), W_OK) != 0) {
            return QStringLiteral("%1 is not writable: %2").arg(shown(path), systemError(errno));
        }
    }
    return std::nullopt;
}

QString byteSize(qint64 bytes) {
    constexpr qint64 kMiB = qint64{1024} * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0) {
        return QStringLiteral("%1 MiB").arg(bytes / kMiB);
    }
    if (bytes >= 1024 && bytes % 1024 == 0) {
        return QStringLiteral("%1 KiB").arg(bytes / 1024);
    }
    return QStringLiteral("%1 bytes").arg(bytes);
}

} // namespace ravelin::common
