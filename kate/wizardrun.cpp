// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizardrun.h"

#include <KLocalizedString>
#include <KTextEditor/Document>
#include <KTextEditor/Message>
#include <KTextEditor/MovingInterface>
#include <KTextEditor/MovingRange>
#include <KTextEditor/View>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QStandardPaths>

namespace ravelin::kate {

namespace {

constexpr char kProgramName[] = "ravelin-wizard";
constexpr char kReaderName[] = "ravelin-button";
// How long reading the page's buttons may take before the wizard starts without them.
constexpr int kReaderMilliseconds = 10000;
// The most of the reader's answer read: far more than the buttons of any page take.
constexpr qint64 kMaxReaderAnswer = qint64{16} * 1024 * 1024;
// The most the wizard is expected to say on standard error, shown when it fails.
constexpr int kShownErrorCharacters = 300;

} // namespace

QString wizardProgram() {
    const QString configured = qEnvironmentVariable("RAVELIN_WIZARD");
    return configured.isEmpty() ? QStandardPaths::findExecutable(QString::fromLatin1(kProgramName))
                                : configured;
}

QString buttonProgram(const QString& wizard) {
    QString configured = qEnvironmentVariable("RAVELIN_BUTTON");
    if (!configured.isEmpty()) {
        return configured;
    }
    const QFileInfo beside(QFileInfo(wizard).dir(), QString::fromLatin1(kReaderName));
    if (!wizard.isEmpty() && beside.isExecutable()) {
        return beside.filePath();
    }
    return QStandardPaths::findExecutable(QString::fromLatin1(kReaderName));
}

WizardRun::WizardRun(KTextEditor::View* view, QObject* parent) : QObject(parent), view_(view) {
    connect(&process_, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &WizardRun::finished);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            fail(i18n("The PayPal button wizard could not be started: %1", process_.errorString()));
        }
    });
}

WizardRun::~WizardRun() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        process_.waitForFinished(3000);
    }
}

bool WizardRun::running() const {
    return process_.state() != QProcess::NotRunning;
}

bool WizardRun::start(const QString& program) {
    if (view_ == nullptr || running()) {
        return false;
    }
    if (program.isEmpty()) {
        fail(i18n("The PayPal button wizard (%1) was not found. Install it, or set "
                  "RAVELIN_WIZARD to its path.",
                  QString::fromLatin1(kProgramName)));
        return false;
    }
    KTextEditor::Document* document = view_->document();
    KTextEditor::Range selected =
        view_->selection() ? view_->selectionRange()
                           : KTextEditor::Range(view_->cursorPosition(), view_->cursorPosition());
    if (!view_->selection()) {
        if (const std::optional<KTextEditor::Range> button =
                buttonAroundCaret(buttonProgram(program))) {
            selected = *button;
            view_->setSelection(selected);
        }
    }
    auto* moving = qobject_cast<KTextEditor::MovingInterface*>(document);
    if (moving == nullptr) {
        fail(i18n("This document cannot take a button."));
        return false;
    }
    range_.reset(moving->newMovingRange(selected, KTextEditor::MovingRange::ExpandLeft |
                                                      KTextEditor::MovingRange::ExpandRight));
    selection_ = document->text(selected);

    process_.setProgram(program);
    process_.setArguments({QStringLiteral("--filter")});
    process_.start();
    if (!process_.waitForStarted(-1)) {
        return false; // errorOccurred has reported it
    }
    process_.write(selection_.toUtf8());
    process_.closeWriteChannel();
    return true;
}

std::optional<KTextEditor::Range> WizardRun::buttonAroundCaret(const QString& reader) const {
    if (reader.isEmpty()) {
        return std::nullopt;
    }
    KTextEditor::Document* document = view_->document();
    QProcess read;
    read.start(reader, {QStringLiteral("--from-html"), QStringLiteral("-")});
    if (!read.waitForStarted(kReaderMilliseconds)) {
        return std::nullopt;
    }
    read.write(document->text().toUtf8());
    read.closeWriteChannel();
    if (!read.waitForFinished(kReaderMilliseconds)) {
        read.kill();
        read.waitForFinished();
        return std::nullopt;
    }
    if (read.exitStatus() != QProcess::NormalExit || read.exitCode() != 0) {
        return std::nullopt;
    }
    const QJsonArray buttons = QJsonDocument::fromJson(read.read(kMaxReaderAnswer)).array();
    const int caretLine = view_->cursorPosition().line() + 1;
    for (const QJsonValue button : buttons) {
        const int first = button[QLatin1String("line")].toInt();
        const int last = button[QLatin1String("last_line")].toInt();
        if (first >= 1 && first <= caretLine && caretLine <= last && last <= document->lines()) {
            return KTextEditor::Range(first - 1, 0, last - 1, document->lineLength(last - 1));
        }
    }
    return std::nullopt;
}

void WizardRun::finished(int exitCode, QProcess::ExitStatus status) {
    if (status != QProcess::NormalExit || exitCode != 0) {
        const QString said = QString::fromLocal8Bit(process_.readAllStandardError())
                                 .trimmed()
                                 .left(kShownErrorCharacters);
        fail(said.isEmpty() ? i18n("The PayPal button wizard ended with an error.")
                            : i18n("The PayPal button wizard ended with an error: %1", said));
        return;
    }
    const QString answer = QString::fromUtf8(process_.readAllStandardOutput());
    if (view_ != nullptr && range_ != nullptr && answer != selection_) {
        KTextEditor::Document* document = view_->document();
        const KTextEditor::Range place = range_->toRange();
        {
            KTextEditor::Document::EditingTransaction transaction(document);
            document->replaceText(place, answer);
        }
        view_->setCursorPosition(range_->end());
    }
    range_.reset();
    Q_EMIT done();
}

void WizardRun::fail(const QString& message) {
    range_.reset();
    if (view_ != nullptr) {
        auto* shown = new KTextEditor::Message(message, KTextEditor::Message::Error);
        shown->setAutoHide(10000);
        view_->document()->postMessage(shown);
    }
    Q_EMIT failed(message);
}

} // namespace ravelin::kate
