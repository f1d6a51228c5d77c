// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "standalone/filter.h"

#include <QFileDevice>
#include <QIODevice>
#include <QStringDecoder>

namespace ravelin::standalone {

QByteArray inSelectionLineBreaks(const QString& html, const QByteArray& selection) {
    QByteArray bytes = html.toUtf8();
    if (!selection.contains("\r\n")) {
        bytes.replace("\r\n", "\n");
    }
    return bytes;
}

QByteArray withSelectionLineBreaks(const QString& html, const QByteArray& selection) {
    QByteArray bytes = inSelectionLineBreaks(html, selection);
    // The line after the selection stays a line of its own.
    for (const char* lineBreak : {"\r\n", "\n", "\r"}) {
        if (selection.endsWith(lineBreak)) {
            bytes.append(lineBreak);
            break;
        }
    }
    return bytes;
}

FilterSession::FilterSession(QByteArray selection, QIODevice& output, QObject* parent)
    : QObject(parent), selection_(std::move(selection)), output_(output) {}

void FilterSession::insert(const QString& html) {
    answer(withSelectionLineBreaks(html, selection_));
}

std::optional<QString> FilterSession::selectionText() const {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(selection_);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

void FilterSession::replace(qsizetype start, qsizetype end, const QString& html) {
    const std::optional<QString> text = selectionText();
    if (!text || start < 0 || start > end || end > text->size()) {
        giveBack();
        return;
    }
    answer(text->left(start).toUtf8() + inSelectionLineBreaks(html, selection_) +
           text->mid(end).toUtf8());
}

void FilterSession::giveBack() {
    answer(selection_);
}

void FilterSession::answer(const QByteArray& bytes) {
    if (answered_) {
        return;
    }
    answered_ = true;
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = output_.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0) {
            break;
        }
        written += now;
    }
    auto* file = qobject_cast<QFileDevice*>(&output_);
    if (written != bytes.size() || (file != nullptr && !file->flush())) {
        emit finished(1, tr("could not write to standard output: %1").arg(output_.errorString()));
        return;
    }
    emit finished(0, {});
}

} // namespace ravelin::standalone
