// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One run of the wizard for a view: the selection (empty at a caret) goes to
// `ravelin-wizard --filter`, and what the wizard writes back takes its place as one undo step.
// Kate goes on working while the wizard is open; what the user types meanwhile is kept, since
// the place to fill follows the text around it.
#pragma once

#include <KTextEditor/Range>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <memory>
#include <optional>

namespace KTextEditor {
class MovingRange;
class View;
} // namespace KTextEditor

namespace ravelin::kate {

// The wizard program: $RAVELIN_WIZARD when set, else ravelin-wizard from the PATH.
QString wizardProgram();
// The program that reads buttons out of a page: $RAVELIN_BUTTON when set, else ravelin-button
// beside `wizard`, else ravelin-button from the PATH.
QString buttonProgram(const QString& wizard = wizardProgram());

class WizardRun : public QObject {
    Q_OBJECT
public:
    explicit WizardRun(KTextEditor::View* view, QObject* parent = nullptr);
    ~WizardRun() override;

    // Starts the wizard; false (and failed() emitted) when it could not be started. With no
    // selection and the caret inside a PayPal button of the page, the button's lines are
    // selected first, so that the wizard opens on that button and its answer replaces it.
    bool start(const QString& program = wizardProgram());
    bool running() const;

Q_SIGNALS:
    // The wizard ended: the page holds the button, or the selection unchanged.
    void done();
    // The wizard could not run or ended with an error; the page is unchanged. `message` is
    // also shown in the view.
    void failed(const QString& message);

private:
    // The lines of the button of the page around the caret, as `reader` (ravelin-button) finds
    // them; nothing when there is none or it cannot tell.
    std::optional<KTextEditor::Range> buttonAroundCaret(const QString& reader) const;
    void finished(int exitCode, QProcess::ExitStatus status);
    void fail(const QString& message);

    QPointer<KTextEditor::View> view_;
    std::unique_ptr<KTextEditor::MovingRange> range_;
    QString selection_;
    QProcess process_;
};

} // namespace ravelin::kate
