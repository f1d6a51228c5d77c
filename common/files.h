// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Files the programs keep and read: where the user's configuration lives, reading a file with
// a cap on its size, and replacing a file so that it holds either its old or its new content,
// never a mix, even when the machine stops halfway.
#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>

namespace ravelin::common {

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config (a relative $XDG_CONFIG_HOME is ignored, as the XDG base directory rules say), the
// home folder being $HOME or, without it, the account's. Read from the environment each time.
QString configHome();

// Reads the whole regular file at `path`, at most `limit` bytes. A file that does not exist
// reads as std::nullopt; a folder, a device, a pipe, a file over the limit or a read failure
// fail with the reason, a sentence naming the file.
Result<std::optional<QByteArray>> readFileCapped(const QString& path, qint64 limit);

// Reads the open descriptor `fd` to its end, waiting for a pipe or a device as long as it
// takes, but stops one byte past `limit`: an input larger than the limit comes back with
// limit + 1 bytes. A failed read fails with the system's reason alone, for the caller to
// name what was read.
Result<QByteArray> readCapped(int fd, qint64 limit);

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// How long a reader waits for something to come through a named pipe it was given.
inline constexpr int kNamedPipeWaitMs = 2000;

// Opens a file a program was given by name to read from, without ever waiting for it: a
// regular file, an anonymous pipe (what `<(...)` names), or a named pipe once something came
// through it, which it must within kNamedPipeWaitMs. A folder, a device (a terminal, /dev/zero)
// or a socket fails. Reads from the descriptor wait again, so a pipe is read to its end. On
// failure the reason alone, for the caller to name the file ("it is a folder, not a file").
// `name` is the file's name as the system has it (QFile::encodeName, or an argument's bytes).
Result<Descriptor> openToRead(const QByteArray& name);

// Replaces the file at `path` with `bytes`: they go to a new file in the same folder, which is
// synced to the disk and then renamed over the old one, and the folder is synced after the
// rename. The folder must exist (makeFolder). A symbolic link is written through, but one to
// a missing file is refused. On failure the old file is left as it was and the reason is a
// sentence naming the file or folder.
Result<void> replaceFile(const QString& path, const QByteArray& bytes);

// Makes `folder` and the folders above it that are missing, or says why not (for example
// "/a/b is not a folder" or "cannot create /a/b: Permission denied").
Result<void> makeFolder(const QString& folder);

// What stands in the way of writing a file, when the file system shows it: a missing folder
// that cannot be made, a folder that is not writable, a full disk, a link to a missing file,
// a file that is not writable. Nothing when the way looks clear.
std::optional<QString> writeObstacle(const QString& path);

// The size of a byte count for people: "1 MiB", "512 KiB", "300 bytes".
QString byteSize(qint64 bytes);

} // namespace ravelin::common
