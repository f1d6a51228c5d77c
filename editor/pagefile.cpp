// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
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

std::optional<PageText> decodePage(const QByteArray& bytes, LineEnding fallback) {
    PageText page;
    page.byteOrderMark = bytes.startsWith(kUtf8Bom);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(page.byteOrderMark ? bytes.sliced(kUtf8Bom.size()) : bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
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

QByteArray encodePage(const PageText& page) {
    QByteArray bytes = withLineEnding(page.text, page.lineEnding).toUtf8();
    if (page.byteOrderMark) {
        bytes.prepend(kUtf8Bom);
    }
    return bytes;
}

std::optional<PageText> readPageFile(const QString& path, QString* error) {
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        *error = tr("Cannot open %1: it is a folder.").arg(shown(path));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("Cannot open %1: %2.").arg(shown(path), file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = tr("Cannot read %1: %2.").arg(shown(path), file.errorString());
        return std::nullopt;
    }
    std::optional<PageText> page = decodePage(bytes);
    if (!page) {
        *error = tr("Cannot open %1: it is not UTF-8 text. The page editor reads and writes "
                    "pages in UTF-8 only.")
                     .arg(shown(path));
    }
    return page;
}

bool writePageFile(const QString& path, const PageText& page, QString* error) {
    QSaveFile file(path);
    const QByteArray bytes = encodePage(page);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = tr("Cannot save %1: %2. The page is still open and unchanged in the editor.")
                     .arg(shown(path), file.errorString());
        return false;
    }
    return true;
}

PageText blankPage() {
    return PageText{kBlankPage, LineEnding::CrLf, false};
}

qsizetype blankPageCaret() {
    return kBlankPage.indexOf(QLatin1String("<body>\n")) + 7;
}

} // namespace ravelin::editor
