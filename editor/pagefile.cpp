// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagefile.h"

#include "common/files.h"
#include "editor/charset.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace ravelin::editor {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QString tr(const char* text) {
    return QCoreApplication::translate("ravelin::editor::PageFile", text);
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString unknownCharset(const QByteArray& label) {
    return tr("it declares the character set \"%1\", which the page editor cannot read or "
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

} // namespace

QString normalizeLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

common::Result<PageText> decodePage(const QByteArray& bytes, LineEnding fallback) {
    const auto refuse = [](const QString& reason) { return common::Failure{reason}; };
    PageText page;
    page.byteOrderMark = bytes.startsWith(kUtf8Bom);
    const QByteArray body = page.byteOrderMark ? bytes.sliced(kUtf8Bom.size()) : bytes;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        return refuse(tr("it is UTF-16 text, which the page editor does not read"));
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
    const std::optional<QString> decoded = decodeText(body, charset, &bad);
    if (!decoded) {
        const qsizetype line = body.first(bad).count('\n') + 1;
        return refuse(
            charset == Charset::Utf8
                ? tr("it is not UTF-8 text, the character set it declares or UTF-8 when it "
                     "declares none: the bytes at line %1 are not a UTF-8 character")
                      .arg(line)
                : tr("it is not %1 text, the character set it declares: the byte 0x%2 at line "
                     "%3 is not a %1 character")
                      .arg(charsetName(charset))
                      .arg(static_cast<unsigned char>(body[bad]), 2, 16, QLatin1Char('0'))
                      .arg(line));
    }
    const QString& text = *decoded;
    const auto breakAt =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\n' || c == u'\r'; });
    const qsizetype firstBreak = breakAt - text.cbegin();
    if (breakAt == text.cend()) {
        page.lineEnding = fallback;
    } else if (text[firstBreak] == u'\n') {
        page.lineEnding = LineEnding::Lf;
    } else {
        page.lineEnding = firstBreak + 1 < text.size() && text[firstBreak + 1] == u'\n'
                              ? LineEnding::CrLf
                              : LineEnding::Cr;
    }
    page.text = normalizeLineBreaks(text);
    return page;
}

QString withLineEnding(const QString& text, LineEnding lineEnding) {
    switch (lineEnding) {
    case LineEnding::Lf:
        return text;
    case LineEnding::CrLf:
        return QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    case LineEnding::Cr:
        return QString(text).replace(QLatin1Char('\n'), QLatin1Char('\r'));
    }
    return text;
}

common::Result<QByteArray> encodePage(const PageText& page) {
    const auto refuse = [](const QString& reason) { return common::Failure{reason}; };
    const QString text = withLineEnding(page.text, page.lineEnding);
    Charset charset = Charset::Utf8;
    if (!page.byteOrderMark) {
        if (const std::optional<QByteArray> label = declaredLabel(page.text.toUtf8())) {
            const std::optional<Charset> known = charsetForLabel(*label);
            if (!known) {
                return refuse(unknownCharset(*label));
            }
            charset = *known;
        }
    }
    if (const std::optional<qsizetype> at = unreferencedCharacter(page.text, charset)) {
        const qsizetype line = page.text.first(*at).count(QLatin1Char('\n')) + 1;
        const qsizetype length = page.text[*at].isHighSurrogate() ? 2 : 1;
        return refuse(tr("the character \"%1\" on line %2 is not in %3, the character set the "
                         "page declares, and stands in a script, a style sheet or a comment, "
                         "where a character reference would not stand for it")
                          .arg(page.text.mid(*at, length))
                          .arg(line)
                          .arg(charsetName(charset)));
    }
    QByteArray bytes = encodeText(text, charset);
    if (page.byteOrderMark) {
        bytes.prepend(kUtf8Bom);
    }
    return bytes;
}

common::Result<PageText> readPageFile(const QString& path) {
    const common::Result<std::optional<QByteArray>> bytes =
        common::readFileCapped(path, kMaxPageSize);
    if (!bytes) {
        return common::Failure{tr("Cannot open the page: %1.").arg(bytes.error())};
    }
    if (!*bytes) {
        return common::Failure{tr("Cannot open %1: there is no such file.").arg(shown(path))};
    }
    common::Result<PageText> page = decodePage(**bytes, LineEnding::CrLf);
    if (!page) {
        return common::Failure{tr("Cannot open %1: %2.").arg(shown(path), page.error())};
    }
    return page;
}

common::Result<void> writePageFile(const QString& path, const PageText& page) {
    const common::Result<QByteArray> bytes = encodePage(page);
    if (!bytes) {
        return common::Failure{
            tr("Cannot save %1: %2. The page is still open and unchanged in the editor.")
                .arg(shown(path), bytes.error())};
    }
    if (const common::Result<void> replaced = common::replaceFile(path, *bytes); !replaced) {
        return common::Failure{
            tr("Cannot save the page: %1. It is still open and unchanged in the editor.")
                .arg(replaced.error())};
    }
    return {};
}

PageText blankPage() {
    return PageText{kBlankPage, LineEnding::CrLf, false};
}

qsizetype blankPageCaret() {
    return kBlankPage.indexOf(QLatin1String("<body>\n")) + 7;
}

} // namespace ravelin::editor
