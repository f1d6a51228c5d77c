// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagefile.h"

#include "common/files.h"
#include "editor/charset.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>

namespace ravelin::editor {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString unknownCharset(const QByteArray& label) {
    return QCoreApplication::translate(
               "ravelin::editor::PageFile",
               "it declares the character set \"%1\", which the page editor cannot read or "
               "write; it knows UTF-8, windows-1252, ISO-8859-1 and US-ASCII")
        .arg(QString::fromLatin1(label.left(40)).toHtmlEscaped());
}

const QString kBlankPage = QStringLiteral("<!DOCTYPE html>\n"
                                          "<html>\n"
                                          "<head>\n"
                                          "<meta charset=\"utf-8\">\n"
                                          "<title>New Page</title>\n"
                                          "</head>\n"
                                          "<body>\n"
                                          "\n"
                                          "</body>\n"
                                          "</html>\n");

// The number of the line that holds the character at `at`, each of CR LF, LF and CR ending one.
template <typename Text> qsizetype lineAt(const Text& text, qsizetype at) {
    qsizetype line = 1;
    for (qsizetype i = 0; i < at && i < text.size(); ++i) {
        const bool crBeforeLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        line += (text[i] == '\n' || (text[i] == '\r' && !crBeforeLf)) ? 1 : 0;
    }
    return line;
}

} // namespace

QStringView lineBreak(LineEnding lineEnding) {
    switch (lineEnding) {
    case LineEnding::CrLf:
        return u"\r\n";
    case LineEnding::Lf:
        return u"\n";
    case LineEnding::Cr:
        return u"\r";
    }
    return u"\n";
}

common::Result<PageText> decodePage(const QByteArray& bytes, LineEnding fallback) {
    const auto refuse = [](const QString& reason) { return common::Failure{reason}; };
    PageText page;
    page.byteOrderMark = bytes.startsWith(kUtf8Bom);
    const QByteArray body = page.byteOrderMark ? bytes.sliced(kUtf8Bom.size()) : bytes;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        return refuse(QCoreApplication::translate(
            "ravelin::editor::PageFile", "it is UTF-16 text, which the page editor does not read"));
    }
    Charset charset = Charset::Utf8;
    if (!page.byteOrderMark) {
        if (const std::optional<QByteArray> label = declaredLabel(body)) {
            const std::optional<Charset> known = charsetForLabel(*label);
            if (!known) {
                return refuse(unknownCharset(*label));
            }
            charset = *known;
        }
    }
    qsizetype bad = 0;
    std::optional<QString> decoded = decodeText(body, charset, &bad);
    if (!decoded) {
        const qsizetype line = lineAt(body, bad);
        return refuse(QCoreApplication::translate(
                          "ravelin::editor::PageFile",
                          "it is not UTF-8 text, the character set it declares or UTF-8 when it "
                          "declares none: the bytes at line %1 are not a UTF-8 character")
                          .arg(line));
    }
    page.text = std::move(*decoded);
    // The line break most lines end with, the first one's on a tie.
    struct Tally {
        qsizetype count = 0;
        qsizetype first = 0; // where it is first met
    };
    std::array<Tally, 3> tallies{};
    const QString& text = page.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r') {
            continue;
        }
        const bool crLf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        const LineEnding ending = crLf               ? LineEnding::CrLf
                                  : text[i] == u'\n' ? LineEnding::Lf
                                                     : LineEnding::Cr;
        Tally& tally = tallies[static_cast<std::size_t>(ending)];
        tally.first = tally.count++ == 0 ? i : tally.first;
        i += crLf ? 1 : 0;
    }
    page.lineEnding = fallback;
    const Tally* most = nullptr;
    for (const LineEnding ending : {LineEnding::CrLf, LineEnding::Lf, LineEnding::Cr}) {
        const Tally& tally = tallies[static_cast<std::size_t>(ending)];
        if (tally.count > 0 && (most == nullptr || tally.count > most->count ||
                                (tally.count == most->count && tally.first < most->first))) {
            most = &tally;
            page.lineEnding = ending;
        }
    }
    return page;
}

common::Result<QByteArray> encodePage(const PageText& page) {
    const auto refuse = [](const QString& reason) { return common::Failure{reason}; };
    Charset charset = Charset::Utf8;
    QString declared;
    if (!page.byteOrderMark) {
        if (const std::optional<QByteArray> label = declaredLabel(page.text.toUtf8())) {
            const std::optional<Charset> known = charsetForLabel(*label);
            if (!known) {
                return refuse(unknownCharset(*label));
            }
            charset = *known;
            declared = QString::fromLatin1(*label);
        }
    }
    if (const std::optional<qsizetype> at = unreferencedCharacter(page.text, charset)) {
        const qsizetype line = lineAt(page.text, *at);
        const qsizetype length = page.text[*at].isHighSurrogate() ? 2 : 1;
        const QString name = charsetName(charset);
        return refuse(QCoreApplication::translate(
                          "ravelin::editor::PageFile",
                          "the character \"%1\" on line %2 is not in %3, the character set the "
                          "page declares%4, and stands in a script, a style sheet or a comment, "
                          "where a character reference would not stand for it")
                          .arg(page.text.mid(*at, length))
                          .arg(line)
                          .arg(name)
                          .arg(declared.compare(name, Qt::CaseInsensitive) == 0
                                   ? QString()
                                   : QCoreApplication::translate(
                                         "ravelin::editor::PageFile",
                                         " (\"%1\" is read and written as %2, as browsers do)")
                                         .arg(declared, name)));
    }
    QByteArray bytes = encodeText(page.text, charset);
    if (page.byteOrderMark) {
        bytes.prepend(kUtf8Bom);
    }
    return bytes;
}

common::Result<PageText> readPageFile(const QString& path) {
    const common::Result<std::optional<QByteArray>> bytes =
        common::readFileCapped(path, kMaxPageSize);
    if (!bytes) {
        return common::Failure{
            QCoreApplication::translate("ravelin::editor::PageFile", "Cannot open the page: %1.")
                .arg(bytes.error())};
    }
    if (!*bytes) {
        return common::Failure{QCoreApplication::translate("ravelin::editor::PageFile",
                                                           "Cannot open %1: there is no such file.")
                                   .arg(shown(path))};
    }
    common::Result<PageText> page = decodePage(**bytes, LineEnding::CrLf);
    if (!page) {
        return common::Failure{
            QCoreApplication::translate("ravelin::editor::PageFile", "Cannot open %1: %2.")
                .arg(shown(path), page.error())};
    }
    return page;
}

common::Result<void> writePageFile(const QString& path, const PageText& page) {
    const common::Result<QByteArray> bytes = encodePage(page);
    if (!bytes) {
        return common::Failure{
            QCoreApplication::translate(
                "ravelin::editor::PageFile",
                "Cannot save %1: %2. The page is still open and unchanged in the editor.")
                .arg(shown(path), bytes.error())};
    }
    if (const common::Result<void> replaced = common::replaceFile(path, *bytes); !replaced) {
        return common::Failure{
            QCoreApplication::translate(
                "ravelin::editor::PageFile",
                "Cannot save the page: %1. It is still open and unchanged in the editor.")
                .arg(replaced.error())};
    }
    return {};
}

PageText blankPage() {
    return PageText{QString(kBlankPage).replace(QLatin1Char('\n'), QLatin1String("\r\n")),
                    LineEnding::CrLf, false};
}

qsizetype blankPageCaret() {
    return kBlankPage.indexOf(QLatin1String("<body>\n")) + 7;
}

} // namespace ravelin::editor
