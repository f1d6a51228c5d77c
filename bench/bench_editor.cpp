// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page editor on made-up pages of ten and fifty million characters: opening one (and one
// whose lines end in LF and CR LF by turns), pasting a button at the middle and near the end,
// pasting over a selection across tags, and saving, each beside its baseline measured in the
// same run:
//   open   - the same text put into a plain text box with no colours and no file reading, and
//            into a bare text document with no window at all;
//   paste  - Qt's own insertion of the same text at the same place, alone and after taking the
//            page's text out of the document: the least a range decision that reads the page
//            before the caret can take;
//   save   - the text taken out of the box and written to a file as it is.
// A paste or an open counts until the event loop is idle again for the first time (the
// paint, and the first slice of colouring), which is how long the window stays frozen.
// Peak memory during a paste is reported against the memory before it; run one benchmark per
// process (--benchmark_filter) for memory figures of its own.
#include "editor/htmlhighlighter.h"
#include "editor/pagedocument.h"
#include "editor/pageeditor.h"
#include "editor/pagefile.h"
#include "editor/tests/largepage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace ravelin::editor;

// A Buy Now button as the wizard pastes it.
const QString kButton = QStringLiteral(
    "Item Name: Garden Gnome<br>\r\n\r\nItem Number: GN-7<br>\r\n\r\nPrice: $25<br>\r\n\r\n"
    "<form action=\"https://www.paypal.com/cgi-bin/webscr\" target=\"paypal\" method=\"post\">\r\n"
    "<input type=\"hidden\" name=\"bn\" value=\"KORVANEX.301\">\r\n"
    "<input type=\"hidden\" name=\"cmd\" value=\"_xclick\">\r\n"
    "<input type=\"hidden\" name=\"business\" value=\"seller@example.com\" > \r\n"
    "<input type=\"hidden\" name=\"item_name\" value=\"Garden Gnome\">\r\n"
    "<input type=\"hidden\" name=\"amount\" value=\"25.00\">\r\n"
    "<input type=\"image\" src=\"http://images.paypal.com/images/x-click-butcc.gif\" "
    "border=\"0\" name=\"submit\">\r\n</form>");

// Answers every question without a window; no message is expected.
class QuietPrompts : public EditorPrompts {
public:
    Answer askToSaveChanges(QWidget*, const QString&) override { return Answer::Discard; }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }
    void showError(QWidget*, const QString& message) override {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    bool openUrl(const QUrl&) override { return false; }
};

// Made-up pages as files: `characters` long, in lines, as one single line, or in lines that end
// in LF and CR LF by turns.
class PageFiles {
public:
    enum class Layout { Lines, OneLine, MixedLineBreaks };

    QString path(int megabytes, Layout layout = Layout::Lines) {
        return file(qsizetype{megabytes} * 1'000'000, layout);
    }
    QString oneLinePath(qsizetype characters) { return file(characters, Layout::OneLine); }

private:
    QString file(qsizetype characters, Layout layout) {
        const auto key = std::make_pair(characters, layout);
        auto found = paths_.find(key);
        if (found == paths_.end()) {
            const QString path = folder_.filePath(
                QStringLiteral("page-%1-%2.html").arg(characters).arg(static_cast<int>(layout)));
            QString page = testing::largePage(characters);
            if (layout == Layout::OneLine) {
                page.replace(u'\n', u' ');
                page.truncate(characters);
            }
            QByteArray bytes = page.toUtf8();
            if (layout == Layout::MixedLineBreaks) {
                QByteArray mixed;
                mixed.reserve(bytes.size() + bytes.size() / 60);
                bool crLf = false;
                for (const char c : bytes) {
                    if (c == '\n' && (crLf = !crLf)) {
                        mixed += '\r';
                    }
                    mixed += c;
                }
                bytes = std::move(mixed);
            }
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly)) {
                std::abort();
            }
            file.write(bytes);
            found = paths_.emplace(key, path).first;
        }
        return found->second;
    }

    QTemporaryDir folder_;
    std::map<std::pair<qsizetype, Layout>, QString> paths_;
};

PageFiles& pageFiles() {
    static PageFiles files;
    return files;
}

// The process's memory now and at its peak since the peak was last reset, in megabytes.
double memoryMegabytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(std::string(field).size())) / 1024.0;
        }
    }
    return 0;
}

void resetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void settle() {
    QApplication::processEvents();
}

QPlainTextEdit& pageBox(PageEditor& editor) {
    return *editor.findChild<QPlainTextEdit*>(QStringLiteral("txtPage"));
}

// An editor with a page open, waiting on nothing.
std::unique_ptr<PageEditor> openEditor(int megabytes) {
    auto editor = std::make_unique<PageEditor>(std::make_unique<QuietPrompts>());
    editor->resize(900, 640);
    editor->show();
    if (!editor->openFile(pageFiles().path(megabytes))) {
        std::fprintf(stderr, "bench_editor: the page of %d MB could not be opened\n", megabytes);
        std::abort();
    }
    // The colours of the whole page, so that pastes are timed and weighed without them.
    pageBox(*editor).document()->findChild<HtmlHighlighter*>()->finish();
    settle();
    return editor;
}

void select(QPlainTextEdit& box, qsizetype anchor, qsizetype position) {
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(static_cast<int>(anchor));
    cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

// A selection across tags in the middle: from the text of one item's heading to the text of
// the next one's.
std::pair<qsizetype, qsizetype> acrossTags(const QString& text) {
    const qsizetype first = text.indexOf(u"<h2>", text.size() / 2) + 4;
    const qsizetype second = text.indexOf(u"<h2>", first) + 4;
    return {first + 3, second + 3};
}

void openPage(benchmark::State& state, PageFiles::Layout layout) {
    const auto megabytes = static_cast<int>(state.range(0));
    auto editor = std::make_unique<PageEditor>(std::make_unique<QuietPrompts>());
    editor->resize(900, 640);
    editor->show();
    const QString path = pageFiles().path(megabytes, layout);
    for (auto _ : state) {
        if (!editor->openFile(path)) {
            state.SkipWithError("the page could not be opened");
            break;
        }
        settle();
    }
    state.counters["memory_MB"] = memoryMegabytes("VmRSS:");
}

void BM_Open(benchmark::State& state) {
    openPage(state, PageFiles::Layout::Lines);
}

// Every other line keeps a break of its own beside the page's: the most the editor keeps.
void BM_OpenMixedLineBreaks(benchmark::State& state) {
    openPage(state, PageFiles::Layout::MixedLineBreaks);
}

// A page of one single line: the longest line the editor opens, and fifty million characters,
// which it refuses.
void BM_OpenOneLine(benchmark::State& state) {
    auto editor = std::make_unique<PageEditor>(std::make_unique<QuietPrompts>());
    editor->resize(900, 640);
    editor->show();
    const QString path = pageFiles().oneLinePath(state.range(0));
    bool opened = false;
    resetPeakMemory();
    for (auto _ : state) {
        opened = editor->openFile(path);
        settle();
    }
    state.counters["opened"] = opened ? 1 : 0;
    state.counters["memory_MB"] = memoryMegabytes("VmHWM:");
}

void BM_Open_Baseline_ReadFile(benchmark::State& state) {
    const QString path = pageFiles().path(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPageFile(path));
    }
}

void BM_Open_Baseline_PlainBox(benchmark::State& state) {
    const QString page =
        readPageFile(pageFiles().path(static_cast<int>(state.range(0)))).value_or(PageText{}).text;
    QPlainTextEdit box;
    box.setLineWrapMode(QPlainTextEdit::NoWrap);
    box.resize(900, 600);
    box.show();
    for (auto _ : state) {
        box.setPlainText(page);
        settle();
    }
}

// The floor under any editor built on Qt's text widgets: the text taken into a text document of
// its own, with no window and no layout.
void BM_Open_Baseline_BareDocument(benchmark::State& state) {
    const QString page =
        readPageFile(pageFiles().path(static_cast<int>(state.range(0)))).value_or(PageText{}).text;
    for (auto _ : state) {
        QTextDocument document;
        document.setPlainText(page);
        benchmark::DoNotOptimize(document.blockCount());
    }
}

// Times `paste` and the event processing after it as one freeze of the window, and the paste
// alone; undoes it after each time.
template <typename Paste>
void timePastes(benchmark::State& state, PageEditor& editor, qsizetype anchor, qsizetype position,
                Paste paste) {
    QPlainTextEdit& box = pageBox(editor);
    double pasteSeconds = 0;
    double peak = 0;
    const double before = memoryMegabytes("VmRSS:");
    for (auto _ : state) {
        select(box, anchor, position);
        settle();
        resetPeakMemory();
        QElapsedTimer clock;
        clock.start();
        paste(box);
        const qint64 pasted = clock.nsecsElapsed();
        settle();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        pasteSeconds += double(pasted) / 1e9;
        peak = std::max(peak, memoryMegabytes("VmHWM:") - before);
        box.undo();
        settle();
    }
    state.counters["paste_only_ms"] =
        benchmark::Counter(pasteSeconds * 1e3 / double(state.iterations()));
    state.counters["memory_MB"] = before;
    state.counters["peak_extra_MB"] = peak;
}

void pasteHtml(PageEditor& editor) {
    const auto range = editor.ActiveDocument()->selection()->createRange();
    range->asTxtRange()->pasteHTML(kButton);
}

void qtInsert(QPlainTextEdit& box) {
    box.textCursor().insertText(kButton);
}

void takeTextAndQtInsert(QPlainTextEdit& box) {
    benchmark::DoNotOptimize(box.document()->toRawText());
    qtInsert(box);
}

qsizetype middleOf(PageEditor& editor) {
    const QString text = editor.page().text;
    return text.indexOf(u"<div", text.size() / 2);
}

void BM_PasteAtMiddle(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    const qsizetype middle = middleOf(*editor);
    timePastes(state, *editor, middle, middle, [&](QPlainTextEdit&) { pasteHtml(*editor); });
}

void BM_PasteAtMiddle_Baseline_QtInsert(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    const qsizetype middle = middleOf(*editor);
    timePastes(state, *editor, middle, middle, qtInsert);
}

void BM_PasteAtMiddle_Baseline_TakeTextAndQtInsert(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    const qsizetype middle = middleOf(*editor);
    timePastes(state, *editor, middle, middle, takeTextAndQtInsert);
}

// The last item of the page: the decision reads all of the page before it.
qsizetype lastItemOf(PageEditor& editor) {
    return editor.page().text.lastIndexOf(u"<div");
}

void BM_PasteAtEnd(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    const qsizetype last = lastItemOf(*editor);
    timePastes(state, *editor, last, last, [&](QPlainTextEdit&) { pasteHtml(*editor); });
}

void BM_PasteAtEnd_Baseline_TakeTextAndQtInsert(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    const qsizetype last = lastItemOf(*editor);
    timePastes(state, *editor, last, last, takeTextAndQtInsert);
}

void BM_PasteOverTags(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    const auto [anchor, position] = acrossTags(editor->page().text);
    timePastes(state, *editor, anchor, position, [&](QPlainTextEdit&) { pasteHtml(*editor); });
}

void BM_PasteOverTags_Baseline_QtInsert(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    const auto [anchor, position] = acrossTags(editor->page().text);
    timePastes(state, *editor, anchor, position, qtInsert);
}

void BM_PasteOverTags_Baseline_TakeTextAndQtInsert(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    const auto [anchor, position] = acrossTags(editor->page().text);
    timePastes(state, *editor, anchor, position, takeTextAndQtInsert);
}

void BM_Save(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!editor->save()) {
            state.SkipWithError("the page could not be saved");
        }
    }
}

void BM_Save_Baseline_WriteText(benchmark::State& state) {
    auto editor = openEditor(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("copy.html"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(pageBox(*editor).document()->toRawText().toUtf8()) < 0) {
            state.SkipWithError("the text could not be written");
        }
    }
}

void pages(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(10)->Arg(50)->ArgName("MB")->Unit(benchmark::kMillisecond)->UseRealTime();
}

void pastes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(10)->Arg(50)->ArgName("MB")->Unit(benchmark::kMillisecond)->UseManualTime();
    benchmark->Iterations(20);
}

BENCHMARK(BM_Open)->Apply(pages)->Iterations(3);
BENCHMARK(BM_OpenMixedLineBreaks)->Apply(pages)->Iterations(3);
BENCHMARK(BM_Open_Baseline_ReadFile)->Apply(pages)->Iterations(3);
BENCHMARK(BM_OpenOneLine)
    ->Arg(PageEditor::kLongestLine)
    ->Arg(50'000'000)
    ->ArgName("characters")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BM_Open_Baseline_PlainBox)->Apply(pages)->Iterations(3);
BENCHMARK(BM_Open_Baseline_BareDocument)->Apply(pages)->Iterations(3);
BENCHMARK(BM_PasteAtMiddle)->Apply(pastes);
BENCHMARK(BM_PasteAtMiddle_Baseline_QtInsert)->Apply(pastes);
BENCHMARK(BM_PasteAtMiddle_Baseline_TakeTextAndQtInsert)->Apply(pastes);
BENCHMARK(BM_PasteAtEnd)->Apply(pastes);
BENCHMARK(BM_PasteAtEnd_Baseline_TakeTextAndQtInsert)->Apply(pastes);
BENCHMARK(BM_PasteOverTags)->Apply(pastes);
BENCHMARK(BM_PasteOverTags_Baseline_QtInsert)->Apply(pastes);
BENCHMARK(BM_PasteOverTags_Baseline_TakeTextAndQtInsert)->Apply(pastes);
BENCHMARK(BM_Save)->Apply(pages)->Iterations(3);
BENCHMARK(BM_Save_Baseline_WriteText)->Apply(pages)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The editor reads its add-in registry and settings; keep them away from the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
