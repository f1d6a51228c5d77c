// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The settings and registry reader on any bytes. A file it accepts is written back byte for
// byte when nothing changed; storing a value leaves a file that parses and holds that value
// and every other one unchanged; removing a key takes only that key.
#include "common/inifile.h"

#include "fuzz/support.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace ravelin;
using common::IniFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string key = input.ConsumeRandomLengthString(40);
    const std::string value = input.ConsumeRandomLengthString(80);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), static_cast<qsizetype>(rest.size()));

    IniFile::Problem problem;
    std::optional<IniFile> file = IniFile::parse(bytes, &problem);
    if (!file) {
        fuzz::require(problem.line >= 1 && !problem.reason.isEmpty(), "a refusal names its line");
        return 0;
    }
    fuzz::require(file->toBytes() == bytes, "reading alone changes nothing");
    const QStringList keys = file->keys();

    const QString newKey = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    const QString newValue = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    IniFile changed = *file;
    if (changed.setValue(newKey, newValue)) {
        const std::optional<IniFile> reread = IniFile::parse(changed.toBytes(), &problem);
        fuzz::require(reread.has_value(), "a stored value leaves a file that parses",
                      changed.toBytes().toStdString());
        fuzz::require(reread->value(newKey) == newValue, "and holds the value");
        for (const QString& other : keys) {
            fuzz::require(other == newKey || reread->value(other) == file->value(other),
                          "and every other value as it was");
        }
    }
    if (!keys.isEmpty()) {
        const QString gone = keys[static_cast<qsizetype>(value.size()) % keys.size()];
        IniFile removed = *file;
        removed.remove(gone);
        const std::optional<IniFile> reread = IniFile::parse(removed.toBytes(), &problem);
        fuzz::require(reread.has_value(), "a removal leaves a file that parses",
                      removed.toBytes().toStdString());
        fuzz::require(!reread->value(gone) && reread->keys().size() == keys.size() - 1,
                      "and takes exactly its key");
    }
    return 0;
}
