// File > Open and File > Save of large pages against a bare text widget doing the least it can:
// read and decode the file, set the text, paint (open); write the same bytes through QSaveFile
// (save). The ratios of each pair are what counts.
//
//   cmake -S . -B build -DORVEL_BUILD_BENCH=ON && cmake --build build --target bench_file
//   QT_QPA_PLATFORM=offscreen build/bench/bench_file
#include "app/Composition.h"
#include "editor/SourceWindow.h"
#include "platform/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orvel;

namespace {

// A page of `bytes` bytes of UTF-8 with LF line ends and a few accented letters.
const QString& pageFile(qsizetype bytes)
{
    static QTemporaryDir dir;
    static QHash<qsizetype, QString> files;
    if (!files.contains(bytes)) {
        const QByteArray line = "<P>Some paragraph text of a hand-written page, caf\xc3\xa9.</P>\n";
        QByteArray page;
        page.reserve(bytes + line.size());
        while (page.size() < bytes)
            page += line;
        const QString path = dir.filePath(QStringLiteral("page%1.html").arg(bytes));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(page);
        files.insert(bytes, path);
    }
    return files[bytes];
}

void BM_BareOpen(benchmark::State& state)
{
    const QString path = pageFile(state.range(0));
    QPlainTextEdit edit;
    edit.resize(1000, 700);
    edit.show();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        edit.setPlainText(QString::fromUtf8(f.readAll()));
        edit.viewport()->repaint();
    }
}

void BM_PageOpen(benchmark::State& state)
{
    const QString path = pageFile(state.range(0));
    ScriptedPlatform ui;
    setPlatform(&ui);
    {
        const SourceWindowParts parts = buildSourceWindow();
        SourceWindow& w = *parts.window;
        w.resize(1000, 700);
        w.show();
        for (auto _ : state) {
            ui.answerFile(path);
            w.open_Click();
            w.Text1->viewport()->repaint();
        }
        if (w.saveme->text() != path)
            state.SkipWithError("the page did not open");
    }
    setPlatform(nullptr);
}

void BM_BareSave(benchmark::State& state)
{
    const QString path = pageFile(state.range(0));
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        QSaveFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.commit();
    }
}

void BM_PageSave(benchmark::State& state)
{
    const QString path = pageFile(state.range(0));
    ScriptedPlatform ui;
    setPlatform(&ui);
    {
        const SourceWindowParts parts = buildSourceWindow();
        SourceWindow& w = *parts.window;
        w.show();
        ui.answerFile(path);
        w.open_Click();
        for (auto _ : state) {
            w.Text1->setSelStart(0);
            w.Text1->setSelText(QStringLiteral("x"));
            w.Text1->document()->undo();
            w.save_Click();
        }
        if (w.star->text() != QString() || ui.prompts.size() > 1)
            state.SkipWithError("the page was not saved");
    }
    setPlatform(nullptr);
}

} // namespace

BENCHMARK(BM_BareOpen)->Arg(10 << 20)->Arg(100 << 20)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PageOpen)->Arg(10 << 20)->Arg(100 << 20)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareSave)->Arg(10 << 20)->Arg(100 << 20)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PageSave)->Arg(10 << 20)->Arg(100 << 20)->Unit(benchmark::kMillisecond)->Iterations(5);
