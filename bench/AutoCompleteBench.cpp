// What Auto Complete adds to a keystroke: the same keys typed with it on and off, in small and
// 10 MB pages. Its checks read only the characters just before the caret, so the two must stay
// close whatever the page's size.
//
//   cmake -S . -B build -DORVEL_BUILD_BENCH=ON && cmake --build build --target bench_autocomplete
//   QT_QPA_PLATFORM=offscreen build/bench/bench_autocomplete
#include "PageFixture.h"
#include "assist/AutoComplete.h"

#include <QAction>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace orvel;
using namespace orvel::bench;

namespace {

// state.range(1): 1 with Auto Complete on, 0 with it off.
void switched(benchmark::State& state, SourceWindow& w)
{
    w.menuAction(QStringLiteral("mnuautocorrect"))->setChecked(state.range(1) != 0);
}

// A "c" (the last letter of four triggers, so their windows are compared) and Backspace.
void BM_KeystrokeAutoComplete(benchmark::State& state)
{
    inPage(
        state,
        [](SourceWindow& w) {
            QTest::keyClick(w.Text1, Qt::Key_C);
            QTest::keyClick(w.Text1, Qt::Key_Backspace);
        },
        [&state](SourceWindow& w) { switched(state, w); });
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel(state.range(1) ? "on" : "off");
}
BENCHMARK(BM_KeystrokeAutoComplete)
    ->ArgsProduct({{4 << 10, 10 << 20}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// A completed tag: "<td>" typed and taken back with one undo.
void BM_CompletionInPage(benchmark::State& state)
{
    inPage(state, [](SourceWindow& w) {
        QTest::keyClicks(w.Text1, QStringLiteral("<td>"));
        w.Text1->undo();
    });
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompletionInPage)->Arg(4 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

// The checks alone, as one keystroke runs them: the caret after a "c" in the middle of the page.
void BM_ChecksAtCaret(benchmark::State& state)
{
    TextBox box;
    box.setText(pageOf(state.range(0)) + QStringLiteral("bgc"));
    box.setSelStart(int(state.range(0) / 2));
    box.setSelText(QStringLiteral("c"));
    const bool assistOn = true;
    AutoComplete complete(box, assistOn, {});
    for (auto _ : state)
        complete.run();
}
BENCHMARK(BM_ChecksAtCaret)->Arg(4 << 10)->Arg(10 << 20);

} // namespace
