// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One run of the wizard for a view: the selection (empty at a caret) goes to
// `ravelin-wizard --filter`, and what the wizard writes back takes its place as one undo step.
// Kate goes on working while the wizard is open; what the user types meanwhile is kept, since
// the place to fill follows the text around it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <memory>

namespace KTextEditor {
class MovingRange;
class View;
} // namespace KTextEditor

namespace ravelin::kate {

// The wizard program: $RAVELIN_WIZARD when set, else ravelin-wizard from the PATH.
QString wizardProgram();

class WizardRun : public QObject {
    Q_OBJECT
public:
    explicit WizardRun(KTextEditor::View* view, QObject* parent = nullptr);
    ~WizardRun() override;

    // Starts the wizard; false (and failed() emitted) when it could not be started.
    bool start(const QString& program = wizardProgram());
    bool running() const;

Q_SIGNALS:
    // The wizard ended: the page holds the button, or the selection unchanged.
    void done();
    // The wizard could not run or ended with an error; the page is unchanged. `message` is
    // also shown in the view.
    void failed(const QString& message);

private:
    void finished(int exitCode, QProcess::ExitStatus status);
    void fail(const QString& message);

    QPointer<KTextEditor::View> view_;
    std::unique_ptr<KTextEditor::MovingRange> range_;
    QString selection_;
    QProcess process_;
};

} // namespace ravelin::kate
