// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard run against a real KTextEditor document and view, with the wizard program played
// by tests/fake-wizard.
#include "wizardrun.h"

#include <KActionCollection>
#include <KTextEditor/Document>
#include <KTextEditor/Editor>
#include <KTextEditor/View>
#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using ravelin::kate::WizardRun;

class WizardRunTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<KTextEditor::Document> document;
    KTextEditor::View* view = nullptr;

    // Runs the wizard over the view; true when it ended as `expectDone` says.
    bool runWizard(const char* mode, bool expectDone, const QString& program = FAKE_WIZARD) {
        qputenv("FAKE_WIZARD_MODE", mode);
        WizardRun run(view);
        QSignalSpy done(&run, &WizardRun::done);
        QSignalSpy failed(&run, &WizardRun::failed);
        run.start(program);
        QSignalSpy& expected = expectDone ? done : failed;
        if (expected.isEmpty() && !expected.wait(10000)) {
            return false;
        }
        return (expectDone ? failed : done).isEmpty();
    }

    // Edit > Undo, as the user chooses it.
    void undo() {
        QAction* action = view->actionCollection()->action(QStringLiteral("edit_undo"));
        QVERIFY(action != nullptr);
        action->trigger();
    }

private Q_SLOTS:
    void init() {
        qputenv("RAVELIN_BUTTON", FAKE_BUTTON);
        qunsetenv("FAKE_BUTTON_ANSWER");
        document.reset(KTextEditor::Editor::instance()->createDocument(nullptr));
        document->setText(QStringLiteral("<p>Buy here: SOLD OUT</p>\nend"));
        document->setModified(false);
        view = document->createView(nullptr);
    }

    void cleanup() { document.reset(); }

    void theSelectionIsReplacedAsOneUndoStep() {
        view->setSelection(KTextEditor::Range(0, 13, 0, 21));
        QVERIFY(runWizard("insert", true));
        QCOMPARE(document->text(), QStringLiteral("<p>Buy here: <form>[SOLD OUT]</form></p>\nend"));
        undo();
        QCOMPARE(document->text(), QStringLiteral("<p>Buy here: SOLD OUT</p>\nend"));
    }

    void aCaretGetsTheButtonInserted() {
        view->setCursorPosition(KTextEditor::Cursor(1, 0));
        QVERIFY(runWizard("insert", true));
        QCOMPARE(document->text(), QStringLiteral("<p>Buy here: SOLD OUT</p>\n<form>[]</form>end"));
        QCOMPARE(view->cursorPosition(), KTextEditor::Cursor(1, 15));
        undo();
        QCOMPARE(document->text(), QStringLiteral("<p>Buy here: SOLD OUT</p>\nend"));
    }

    void aSelectionGivenBackChangesNothing() {
        view->setSelection(KTextEditor::Range(0, 0, 1, 1));
        QVERIFY(runWizard("close", true));
        QCOMPARE(document->text(), QStringLiteral("<p>Buy here: SOLD OUT</p>\nend"));
        QVERIFY(!document->isModified());
    }

    void aFailingWizardChangesNothing() {
        view->setSelection(KTextEditor::Range(0, 13, 0, 21));
        QVERIFY(runWizard("fail", false));
        QCOMPARE(document->text(), QStringLiteral("<p>Buy here: SOLD OUT</p>\nend"));
    }

    void aMissingWizardSaysSoAndChangesNothing_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("said");
        QTest::newRow("not on the PATH") << QString() << QStringLiteral("was not found");
        QTest::newRow("not there") << QStringLiteral("/nonexistent/ravelin-wizard")
                                   << QStringLiteral("could not be started");
    }

    void aMissingWizardSaysSoAndChangesNothing() {
        QFETCH(QString, program);
        QFETCH(QString, said);
        view->setSelection(KTextEditor::Range(0, 13, 0, 21));
        WizardRun run(view);
        QSignalSpy failed(&run, &WizardRun::failed);
        QVERIFY(!run.start(program));
        QCOMPARE(failed.count(), 1);
        QVERIFY2(failed.front().front().toString().contains(said),
                 qPrintable(failed.front().front().toString()));
        QCOMPARE(document->text(), QStringLiteral("<p>Buy here: SOLD OUT</p>\nend"));
    }

    void aCaretInAButtonHandsOverTheButtonsLines_data() {
        QTest::addColumn<QByteArray>("buttons");
        QTest::addColumn<int>("caretLine");
        QTest::addColumn<QString>("page");
        const QByteArray one = R"([{"type":"buy-now","line":2,"last_line":3}])";
        QTest::newRow("on its description line")
            << one << 1 << QStringLiteral("<p>\n<form>[Price: 5<br>\n<form>x</form>]</form>\n</p>");
        QTest::newRow("on its form's line")
            << one << 2 << QStringLiteral("<p>\n<form>[Price: 5<br>\n<form>x</form>]</form>\n</p>");
        QTest::newRow("outside it")
            << one << 3 << QStringLiteral("<p>\nPrice: 5<br>\n<form>x</form>\n<form>[]</form></p>");
        QTest::newRow("a reader that fails")
            << QByteArray("fail") << 2
            << QStringLiteral("<p>\nPrice: 5<br>\n<form>[]</form><form>x</form>\n</p>");
        QTest::newRow("lines past the page")
            << QByteArray(R"([{"line":2,"last_line":9}])") << 2
            << QStringLiteral("<p>\nPrice: 5<br>\n<form>[]</form><form>x</form>\n</p>");
    }

    void aCaretInAButtonHandsOverTheButtonsLines() {
        QFETCH(QByteArray, buttons);
        QFETCH(int, caretLine);
        QFETCH(QString, page);
        const QString before = QStringLiteral("<p>\nPrice: 5<br>\n<form>x</form>\n</p>");
        document->setText(before);
        qputenv("FAKE_BUTTON_ANSWER", buttons);
        view->setCursorPosition(KTextEditor::Cursor(caretLine, 0));
        QVERIFY(runWizard("insert", true));
        QCOMPARE(document->text(), page);
        undo();
        QCOMPARE(document->text(), before);
    }

    void textTypedWhileTheWizardIsOpenIsKept() {
        view->setSelection(KTextEditor::Range(0, 13, 0, 21));
        qputenv("FAKE_WIZARD_MODE", "insert");
        WizardRun run(view);
        QSignalSpy done(&run, &WizardRun::done);
        QVERIFY(run.start(FAKE_WIZARD));
        document->insertText(KTextEditor::Cursor(0, 0), QStringLiteral("<!-- typed -->"));
        QVERIFY(done.wait(10000));
        QCOMPARE(document->text(),
                 QStringLiteral("<!-- typed --><p>Buy here: <form>[SOLD OUT]</form></p>\nend"));
    }
};

QTEST_MAIN(WizardRunTest)
#include "wizardrun_test.moc"
