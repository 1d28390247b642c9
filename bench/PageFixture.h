#pragma once

// The page fixture of the window benchmarks: a composed source window on a hand-written page of a
// given size, the caret in its middle.
#include "app/Composition.h"
#include "editor/SourceWindow.h"
#include "platform/ScriptedPlatform.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace orvel::bench {

inline QString pageOf(qsizetype bytes)
{
    const QString line = QStringLiteral("<P>Some paragraph text of a hand-written page.</P>\r\n");
    // A page's widest line is rarely the one being typed in. (When it is, every Backspace that
    // shortens it makes the toolkit's layout look through all lines for the new widest one:
    // BM_TypeInWidestLine measures that.)
    QString page = QString(200, u'-') + QStringLiteral("\r\n");
    page.reserve(bytes + line.size());
    while (page.size() < bytes)
        page += line;
    return page;
}

// Runs `step` state.iterations() times in a composed window whose page has state.range(0)
// characters, with the caret in the middle; `setUp` runs on the window first.
template <class Step, class SetUp> void inPage(benchmark::State& state, Step step, SetUp setUp)
{
    ScriptedPlatform ui;
    setPlatform(&ui);
    {
        const SourceWindowParts parts = buildSourceWindow();
        SourceWindow& w = *parts.window;
        w.show();
        setUp(w);
        w.Text1->setText(pageOf(state.range(0)));
        w.Text1->setSelStart(int(state.range(0) / 2));
        w.Text1->setFocus();
        for (auto _ : state)
            step(w);
    }
    setPlatform(nullptr);
}

template <class Step> void inPage(benchmark::State& state, Step step)
{
    inPage(state, step, [](SourceWindow&) {});
}

} // namespace orvel::bench
