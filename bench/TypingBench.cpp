// Typing speed in the source window on small and very large pages. A keystroke runs the change
// pass (caption, caret and line captions); none of it may grow with the page.
//
//   cmake -S . -B build -DORVEL_BUILD_BENCH=ON && cmake --build build --target bench_typing
//   QT_QPA_PLATFORM=offscreen build/bench/bench_typing
#include "PageFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace orvel;
using namespace orvel::bench;

namespace {

// One typed character in the middle of the page, then Backspace.
void BM_TypeInPage(benchmark::State& state)
{
    inPage(state, [](SourceWindow& w) {
        QTest::keyClick(w.Text1, Qt::Key_X);
        QTest::keyClick(w.Text1, Qt::Key_Backspace);
    });
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_TypeInPage)->Arg(4 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

// A command that replaces the selection in two steps as one undo step, then the undo.
void BM_CommandInPage(benchmark::State& state)
{
    inPage(state, [](SourceWindow& w) {
        w.runCommand([&] {
            w.Text1->setSelText(QStringLiteral("<TABLE>"));
            w.Text1->setSelText(QStringLiteral("</TABLE>"));
        });
        w.Text1->undo();
    });
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CommandInPage)->Arg(4 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

// Typing and deleting in the widest line of a page of equal lines, in a bare page box without
// the window's change pass: the toolkit's own worst case.
void BM_TypeInWidestLine(benchmark::State& state)
{
    TextBox box;
    box.resize(800, 600);
    box.show();
    box.setText(pageOf(state.range(0)).mid(202));
    box.setSelStart(int(state.range(0) / 2));
    box.setFocus();
    for (auto _ : state) {
        QTest::keyClick(&box, Qt::Key_X);
        QTest::keyClick(&box, Qt::Key_Backspace);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_TypeInWidestLine)->Arg(4 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

// Reading the caret position and the characters before it, as the typing aids do.
void BM_CaretWindow(benchmark::State& state)
{
    TextBox box;
    box.setText(pageOf(state.range(0)));
    box.setSelStart(int(state.range(0) / 2));
    for (auto _ : state) {
        const int caret = box.selStart();
        benchmark::DoNotOptimize(box.mid(caret - 11, 11));
    }
}
BENCHMARK(BM_CaretWindow)->Arg(4 << 10)->Arg(10 << 20);

// Auto Delete of a bold pair in the middle of the page: the pair goes in, Auto Delete takes it
// out, two undos. A command may read the whole page once; it must not do more.
void BM_AutoDeleteInPage(benchmark::State& state)
{
    inPage(state, [](SourceWindow& w) {
        const int middle = w.Text1->selStart();
        w.Text1->setSelText(QStringLiteral("<B>x</B>"));
        w.Text1->setSelStart(middle + 1);
        w.menuAction(QStringLiteral("mnuautodel"))->trigger();
        w.Text1->undo();
        w.Text1->undo();
        w.Text1->setSelStart(middle);
    });
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AutoDeleteInPage)->Arg(4 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

// The last letter of a code typed into the command box, its command, and the undo.
void BM_CommandCodeInPage(benchmark::State& state)
{
    inPage(state, [](SourceWindow& w) {
        w.vuxcmd->setText(QStringLiteral("vuxsu"));
        QTest::keyClick(w.vuxcmd, Qt::Key_P);
        w.Text1->undo();
    });
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CommandCodeInPage)->Arg(4 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

} // namespace
