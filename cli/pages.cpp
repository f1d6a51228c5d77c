// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pages.h"

#include "buttons/buttontypes.h"
#include "buttons/check.h"
#include "buttons/currency.h"
#include "buttons/money.h"
#include "buttons/reader.h"
#include "cli/answerfile.h"
#include "cli/failure.h"
#include "common/files.h"
#include "common/utf8.h"

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <string_view>
#include <unistd.h>
#include <variant>

namespace ravelin::cli {

namespace {

// A text of the page as a JSON string: bytes that are not UTF-8 are shown as U+FFFD, so that
// the output stays JSON that the answers reader takes.
std::string jsonText(std::string_view bytes) {
    if (!common::firstInvalidUtf8(bytes)) {
        return jsonQuoted(bytes);
    }
    return jsonQuoted(
        QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdString());
}

std::string shownName(const std::string& name) {
    return name == "-" ? "standard input" : jsonQuoted(name);
}

// The page in the file `name` ("-" for standard input), at most buttons::kMaxPageSize bytes.
// Not common::readFileCapped, which refuses what is not a regular file: a page may come
// through a pipe.
common::Result<std::string> readPage(const std::string& name) {
    const bool standardInput = name == "-";
    common::Result<common::Descriptor> opened =
        standardInput ? common::Result<common::Descriptor>(common::Descriptor())
                      : common::openToRead(QByteArray::fromStdString(name));
    if (!opened) {
        return failure("cannot read " + shownName(name) + ": " + opened.error().toStdString());
    }
    const common::Result<QByteArray> bytes = common::readCapped(
        standardInput ? STDIN_FILENO : opened->get(), static_cast<qint64>(buttons::kMaxPageSize));
    if (!bytes) {
        return failure("cannot read " + shownName(name) + ": " + bytes.error().toStdString());
    }
    if (static_cast<std::size_t>(bytes->size()) > buttons::kMaxPageSize) {
        return failure("the page " + shownName(name) + " is larger than " +
                       std::to_string(buttons::kMaxPageSize / kMiB) +
                       " MiB, the most that is read");
    }
    return bytes->toStdString();
}

common::Result<std::vector<buttons::FoundButton>> pageButtons(const std::string& name) {
    common::Result<std::string> page = readPage(name);
    if (!page) {
        return common::Failure{page.error()};
    }
    buttons::PageButtons read = buttons::readButtons(*page);
    if (const auto* failed = std::get_if<buttons::ReadFailure>(&read)) {
        return failure("cannot read " + shownName(name) + ": " + failed->message);
    }
    auto found = std::get<std::vector<buttons::FoundButton>>(std::move(read));
    if (common::firstInvalidUtf8(*page)) {
        for (buttons::FoundButton& button : found) {
            button.notes.push_back("The page is not UTF-8: its characters that are not are "
                                   "read as U+FFFD.");
        }
    }
    return found;
}

std::string boolean(bool value) {
    return value ? "true" : "false";
}

std::string buttonJson(const buttons::FoundButton& button) {
    std::string answers = "null";
    buttons::withReadAnswers(button, [&]<typename Type>(const auto& read) {
        answers = answersObject<Type>(read, "    ", jsonText);
    });
    std::string notes = "[";
    for (std::size_t i = 0; i < button.notes.size(); ++i) {
        notes += (i == 0 ? "\n      " : ",\n      ") + jsonText(button.notes[i]);
    }
    notes += button.notes.empty() ? "]" : "\n    ]";
    return "  {\n    \"type\": " + (button.type.empty() ? "null" : jsonQuoted(button.type)) +
           ",\n    \"line\": " + std::to_string(button.line) +
           ",\n    \"last_line\": " + std::to_string(button.lastLine) +
           ",\n    \"account\": " + jsonText(button.account) +
           ",\n    \"sandbox\": " + boolean(button.sandbox) +
           ",\n    \"encrypted\": " + boolean(button.encrypted) + ",\n    \"answers\": " + answers +
           ",\n    \"notes\": " + notes + "\n  }";
}

// The answer of `Type` whose control is named `prefix` and the type's suffix
// ("txtItemName" gives txtItemNameBN); nothing for a type without one.
template <typename Type>
std::optional<std::string> answerNamed(const typename Type::Answers& answers,
                                       std::string_view prefix) {
    for (const auto& key : Type::kKeys) {
        if (key.text != nullptr && key.name.starts_with(prefix) &&
            key.name.substr(prefix.size()) == Type::kSuffix) {
            return answers.*key.text;
        }
    }
    return std::nullopt;
}

// One button as the audit sees it.
struct Entry {
    std::string file;
    const buttons::FoundButton* button = nullptr;
    std::optional<std::string> itemName;
    std::string price;    // as PayPal charges it
    std::string currency; // its code
    bool legacy = false;
    bool checked = false;
    std::size_t errors = 0;
    std::size_t warnings = 0;
};

Entry entryOf(const std::string& file, const buttons::FoundButton& button) {
    Entry entry;
    entry.file = file;
    entry.button = &button;
    buttons::withReadAnswers(button, [&]<typename Type>(const typename Type::Answers& answers) {
        entry.itemName = answerNamed<Type>(answers, "txtItemName");
        const buttons::Currency* currency =
            buttons::findCurrency(answerNamed<Type>(answers, "cmbCurrency").value_or(""));
        entry.currency = currency != nullptr ? std::string(currency->code) : std::string();
        entry.price = buttons::formatAmount(answerNamed<Type>(answers, "txtPrice").value_or(""),
                                            entry.currency);
        entry.legacy =
            std::is_same_v<Type, buttons::BuyNow> || std::is_same_v<Type, buttons::AddToCart>;
        // An encrypted button's answers are mostly the wizard's defaults: nothing to check.
        if (!button.encrypted) {
            entry.checked = true;
            for (const buttons::Finding& finding : Type::kCheck(answers, button.account)) {
                ++(finding.severity == buttons::Severity::Error ? entry.errors : entry.warnings);
            }
        }
    });
    return entry;
}

std::string counted(std::size_t count, const std::string& what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

std::string auditLine(const Entry& e) {
    const buttons::FoundButton& b = *e.button;
    std::string line = e.file + ":" + std::to_string(b.line) + ": " +
                       (b.type.empty() ? std::string("unknown") : std::string(b.type));
    if (e.itemName) {
        line += " " + jsonText(*e.itemName);
    }
    for (const std::string& part : {e.price, e.currency}) {
        if (!part.empty()) {
            line += " " + part;
        }
    }
    for (const auto& [applies, word] :
         {std::pair{b.sandbox, "sandbox"}, std::pair{b.encrypted, "encrypted"},
          std::pair{e.legacy, "legacy"}}) {
        if (applies) {
            line += std::string(", ") + word;
        }
    }
    if (e.checked) {
        line += ", " + counted(e.errors, "error") + ", " + counted(e.warnings, "warning");
    }
    return line + "\n";
}

std::string auditJson(const Entry& e) {
    const buttons::FoundButton& b = *e.button;
    const auto orNull = [](bool given, const std::string& json) {
        return given ? json : std::string("null");
    };
    return "  {\"file\": " + jsonText(e.file) + ", \"line\": " + std::to_string(b.line) +
           ", \"last_line\": " + std::to_string(b.lastLine) +
           ", \"type\": " + orNull(!b.type.empty(), jsonQuoted(b.type)) +
           ", \"item_name\": " + orNull(e.itemName.has_value(), jsonText(e.itemName.value_or(""))) +
           ", \"price\": " + jsonText(e.price) + ", \"currency\": " + jsonQuoted(e.currency) +
           ", \"sandbox\": " + boolean(b.sandbox) + ", \"encrypted\": " + boolean(b.encrypted) +
           ", \"legacy\": " + boolean(e.legacy) +
           ", \"errors\": " + orNull(e.checked, std::to_string(e.errors)) +
           ", \"warnings\": " + orNull(e.checked, std::to_string(e.warnings)) + "}";
}

bool isPage(const QString& name) {
    return name.endsWith(".html", Qt::CaseInsensitive) ||
           name.endsWith(".htm", Qt::CaseInsensitive);
}

// The files under `path`: the pages of a folder and its subfolders, in the order of their
// names, or the file itself.
common::Result<std::vector<std::string>> filesUnder(const std::string& path) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    const QFileInfo info(name);
    if (!info.exists()) {
        return failure("cannot read " + jsonQuoted(path) + ": there is no such file or folder");
    }
    if (!info.isDir()) {
        return std::vector<std::string>{path};
    }
    std::vector<QByteArray> found;
    QDirIterator it(name, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (isPage(file)) {
            found.push_back(QFile::encodeName(file));
        }
    }
    std::ranges::sort(found);
    std::vector<std::string> files;
    files.reserve(found.size());
    for (const QByteArray& file : found) {
        files.push_back(file.toStdString());
    }
    return files;
}

} // namespace

common::Result<std::string> buttonsJson(const std::string& name) {
    const common::Result<std::vector<buttons::FoundButton>> found = pageButtons(name);
    if (!found) {
        return common::Failure{found.error()};
    }
    std::string out = "[";
    for (std::size_t i = 0; i < found->size(); ++i) {
        out += (i == 0 ? "\n" : ",\n") + buttonJson((*found)[i]);
    }
    return out + (found->empty() ? "]\n" : "\n]\n");
}

Audit audit(const std::vector<std::string>& paths, bool json) {
    Audit result;
    std::vector<std::string> lines;
    for (const std::string& path : paths) {
        const common::Result<std::vector<std::string>> files = filesUnder(path);
        if (!files) {
            result.problems.push_back(files.error().toStdString());
            continue;
        }
        for (const std::string& file : *files) {
            const common::Result<std::vector<buttons::FoundButton>> found = pageButtons(file);
            if (!found) {
                result.problems.push_back(found.error().toStdString());
                continue;
            }
            for (const buttons::FoundButton& button : *found) {
                const Entry entry = entryOf(file, button);
                result.errors = result.errors || entry.errors > 0;
                lines.push_back(json ? auditJson(entry) : auditLine(entry));
            }
        }
    }
    if (!json) {
        for (const std::string& line : lines) {
            result.out += line;
        }
        return result;
    }
    result.out = "[";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        result.out += (i == 0 ? "\n" : ",\n") + lines[i];
    }
    result.out += lines.empty() ? "]\n" : "\n]\n";
    return result;
}

} // namespace ravelin::cli
