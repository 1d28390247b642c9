// Saving an edited 1 MB page from the Composer: the splice over the page's own text against plain
// re-serialization of the browser's document (the page's markup as the engine writes it, in the
// file's line ends). Both start from the same edited document in the editing control and end
// with the bytes to write; the ratio is what counts.
//
//   cmake -S . -B build -DORVEL_BUILD_BENCH=ON && cmake --build build --target bench_splice
//   QTWEBENGINE_DISABLE_SANDBOX=1 build/bench/bench_splice
#include "composer/EditControl.h"
#include "markup/LineEnds.h"
#include "markup/PageSource.h"
#include "markup/TextCodec.h"

#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace orvel;

namespace {

// A hand-written page of about `bytes` characters: sections of a heading, paragraphs with
// references, a table and a list, upper and lower case, CR LF line ends.
QString pageOf(qsizetype bytes)
{
    QString page = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
        "  <TITLE>Club archive</TITLE>\r\n  <STYLE TYPE=\"text/css\">P { margin: 0 }</STYLE>\r\n"
        "</HEAD>\r\n<BODY>\r\n");
    for (int n = 0; page.size() < bytes; ++n) {
        page += QStringLiteral(
                    "<H2 ALIGN=center>Meeting %1</H2>\r\n"
                    "<P>The committee met on the first Monday &amp; agreed the plan for the "
                    "caf&eacute;.\r\n   Members were asked to bring a friend.</P>\r\n"
                    "<table border=1 cellpadding=4>\r\n  <tr>\r\n    <td>Monday</td>\r\n"
                    "    <td>Church hall, 7.30pm</td>\r\n  </tr>\r\n</table>\r\n"
                    "<ul>\r\n  <li>Walks from the car park\r\n  <li>Dogs on leads\r\n</ul>\r\n")
                    .arg(n);
    }
    return page + QStringLiteral("</BODY>\r\n</HTML>\r\n");
}

bool waitLoaded(EditControl& c)
{
    if (!c.isLoading())
        return true;
    QSignalSpy spy(&c, &EditControl::loaded);
    return spy.wait(120000);
}

// The editing control on the 1 MB page, one word typed into a paragraph in its middle.
struct Edited {
    QTemporaryDir dir;
    EditControl area;
    QString text;
    PageNode loaded;

    Edited()
    {
        text = pageOf(1 << 20);
        const QString path = dir.filePath(QStringLiteral("page.html"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
        f.close();
        area.resize(800, 600);
        area.show();
        waitLoaded(area);
        area.showPage(text, path);
        waitLoaded(area);
        readPageTree(area.evaluate(QStringLiteral("orvel.loadedTree")).toString(), loaded);
        area.evaluate(
            QStringLiteral("(() => { const ps = document.querySelectorAll('p'); "
                           "ps[ps.length >> 1].firstChild.insertData(4, 'weekly '); })()"));
    }
};

Edited& edited()
{
    static Edited e;
    return e;
}

// The page as the browser writes it, in the file's line ends, encoded: the text of a save before
// the splice (the control asked whether the page was edited, then for its markup).
void BM_Reserialize(benchmark::State& state)
{
    Edited& e = edited();
    for (auto _ : state) {
        benchmark::DoNotOptimize(e.area.isEdited());
        const QString html = e.area.documentHtml();
        QString text = withCrLfEnds(html) + QStringLiteral("\r\n");
        const QByteArray bytes = encodeText(text, EncodeOptions(), scanLineEnds(text)).bytes;
        benchmark::DoNotOptimize(bytes.size());
    }
}

// A save as the control makes it (asking whether the page was edited, as before): the page's text
// was read ahead (on a worker thread, after the load or the last save); the changed part of the
// browser's tree comes over and is spliced in.
void BM_Splice(benchmark::State& state)
{
    Edited& e = edited();
    e.area.pageText(LineEnd::CrLf); // the read ahead is ready
    for (auto _ : state) {
        const QString text = e.area.pageText(LineEnd::CrLf);
        const QByteArray bytes = encodeText(text, EncodeOptions(), scanLineEnds(text)).bytes;
        benchmark::DoNotOptimize(bytes.size());
    }
}

// The same with the page's text read at the save, as when the user saves at once.
void BM_SpliceReadingThePage(benchmark::State& state)
{
    Edited& e = edited();
    const MarkedTree marked = markElements(e.loaded);
    for (auto _ : state) {
        PageNode tree;
        readPageTree(e.area.evaluate(QStringLiteral("orvel.tree()")).toString(), tree, &marked);
        PageSource source(e.text);
        source.setLoaded(e.loaded);
        const QString text = source.splice(tree).text;
        const QByteArray bytes = encodeText(text, EncodeOptions(), scanLineEnds(text)).bytes;
        benchmark::DoNotOptimize(bytes.size());
    }
}

// The parts of a splice, each alone.
void BM_ChangedTreeFromBrowser(benchmark::State& state)
{
    Edited& e = edited();
    for (auto _ : state)
        benchmark::DoNotOptimize(e.area.evaluate(QStringLiteral("orvel.tree()")).toString().size());
}

void BM_ReadChangedTree(benchmark::State& state)
{
    Edited& e = edited();
    const MarkedTree marked = markElements(e.loaded);
    const QString json = e.area.evaluate(QStringLiteral("orvel.tree()")).toString();
    for (auto _ : state) {
        PageNode tree;
        benchmark::DoNotOptimize(readPageTree(json, tree, &marked));
    }
}

void BM_ReadPage(benchmark::State& state)
{
    Edited& e = edited();
    for (auto _ : state) {
        PageSource source(e.text);
        benchmark::DoNotOptimize(source.tree().hash);
    }
}

void BM_SpliceAlone(benchmark::State& state)
{
    Edited& e = edited();
    PageNode tree;
    readPageTree(e.area.evaluate(QStringLiteral("orvel.tree(true)")).toString(), tree);
    PageSource source(e.text);
    source.setLoaded(e.loaded);
    for (auto _ : state)
        benchmark::DoNotOptimize(source.splice(tree).text.size());
}

} // namespace

BENCHMARK(BM_Reserialize)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Splice)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SpliceReadingThePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangedTreeFromBrowser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadChangedTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpliceAlone)->Unit(benchmark::kMillisecond);
