// Searching and Replace All on 10 MB pages, against the plain string operations they are built
// on: Find Next should cost at most twice QString::indexOf over the same text; Replace All, which
// changes the page box match by match, is shown beside rebuilding the same string in one pass
// with the matches already known.
//
//   cmake -S . -B build -DORVEL_BUILD_BENCH=ON && cmake --build build --target bench_services
//   QT_QPA_PLATFORM=offscreen build/bench/bench_services
#include "editor/Find.h"
#include "editor/StringText.h"
#include "editor/TextBox.h"

#include <benchmark/benchmark.h>

using namespace orvel;

namespace {

constexpr qsizetype kPage = 10 << 20;
const QString kCat = QStringLiteral("cat");
const QString kKitten = QStringLiteral("kitten");
const QString kEnd = QStringLiteral("<!--the end-->");

// Every other line holds one "cat": about 100,000 matches in 10 MB.
const QString& catPage()
{
    static const QString page = [] {
        const QString with =
            QStringLiteral("<P>Some paragraph text of a hand-written page, a cat.</P>\r\n");
        const QString without = QStringLiteral("<P>More paragraph text of the same page.</P>\r\n");
        QString p;
        p.reserve(kPage + with.size() * 2);
        while (p.size() < kPage)
            p += with + without;
        return p;
    }();
    return page;
}

// The page with one match, at its very end.
const QString& endPage()
{
    static const QString page = QString(catPage()).replace(kCat, QStringLiteral("dog")) + kEnd;
    return page;
}

// Replace All in the page box: the matches found in one pass over its text, each replaced where
// it stands, as one change.
void BM_ReplaceAll(benchmark::State& state)
{
    const auto cs = state.range(0) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    TextBox box;
    box.setText(catPage());
    qsizetype count = 0;
    for (auto _ : state) {
        const QList<int> at = matchesOf(box.text(), kCat, cs);
        box.replaceAt(at, int(kCat.size()), kKitten);
        count = at.size();
        state.PauseTiming();
        box.undo();
        state.ResumeTiming();
    }
    state.counters["matches"] = double(count);
    state.SetBytesProcessed(state.iterations() * catPage().size() * 2);
}
BENCHMARK(BM_ReplaceAll)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The same result built from the match positions found beforehand: the floor of any one pass.
void BM_RebuildWithKnownMatches(benchmark::State& state)
{
    const QString& page = catPage();
    std::vector<qsizetype> at;
    for (qsizetype i = page.indexOf(kCat); i >= 0; i = page.indexOf(kCat, i + kCat.size()))
        at.push_back(i);
    for (auto _ : state) {
        QString out;
        out.reserve(page.size());
        qsizetype from = 0;
        for (qsizetype i : at) {
            out.append(QStringView(page).mid(from, i - from));
            out.append(kKitten);
            from = i + kCat.size();
        }
        out.append(QStringView(page).mid(from));
        benchmark::DoNotOptimize(out);
    }
    state.counters["matches"] = double(at.size());
    state.SetBytesProcessed(state.iterations() * page.size() * 2);
}
BENCHMARK(BM_RebuildWithKnownMatches)->Unit(benchmark::kMillisecond);

// Find Next from the top to a match at the end of the page, on the page's string twin.
void BM_FindNext(benchmark::State& state)
{
    const auto cs = state.range(0) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const StringText text(endPage());
    for (auto _ : state)
        benchmark::DoNotOptimize(findForward(text, kEnd, 0, cs));
    state.SetBytesProcessed(state.iterations() * endPage().size() * 2);
}
BENCHMARK(BM_FindNext)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_IndexOf(benchmark::State& state)
{
    const auto cs = state.range(0) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (auto _ : state)
        benchmark::DoNotOptimize(endPage().indexOf(kEnd, 0, cs));
    state.SetBytesProcessed(state.iterations() * endPage().size() * 2);
}
BENCHMARK(BM_IndexOf)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The same search in the page box, which hands out its text a window at a time.
void BM_FindNextInPageBox(benchmark::State& state)
{
    TextBox box;
    box.setText(endPage());
    for (auto _ : state)
        benchmark::DoNotOptimize(findForward(box, kEnd, 0, Qt::CaseSensitive));
    state.SetBytesProcessed(state.iterations() * endPage().size() * 2);
}
BENCHMARK(BM_FindNextInPageBox)->Unit(benchmark::kMillisecond);

// What Replace All and the restore points read first: the whole page with CR LF line ends.
void BM_PageBoxText(benchmark::State& state)
{
    TextBox box;
    box.setText(catPage());
    for (auto _ : state)
        benchmark::DoNotOptimize(box.text());
    state.SetBytesProcessed(state.iterations() * catPage().size() * 2);
}
BENCHMARK(BM_PageBoxText)->Unit(benchmark::kMillisecond);

} // namespace
