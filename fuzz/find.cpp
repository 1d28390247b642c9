// Find and Replace All: the windowed search on the string twin agrees with a plain search of the
// whole string, and Replace All, match by match, with the toolkit's replace.
#include "editor/Find.h"
#include "editor/StringText.h"

#include "FuzzInput.h"

using namespace orvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    // The first few characters are what is searched for, the rest the page.
    const qsizetype n = std::min<qsizetype>(in.text.size(), 1 + in.caret % 6);
    const QString what = in.text.left(n);
    const QString page = in.text.mid(n);
    const int from = page.isEmpty() ? 0 : in.caret % int(page.size() + 1);
    const StringText text(page);
    const QString model = text.text(); // line ends of every kind are CR LF here
    if (!what.isEmpty() && from <= model.size()) {
        FUZZ_CHECK(findForward(text, what, from, Qt::CaseSensitive) ==
                   int(model.indexOf(what, from, Qt::CaseSensitive)));
        StringText replaced(page);
        replaced.replaceAt(matchesOf(model, what, Qt::CaseSensitive), int(what.size()),
                           QStringLiteral("<>"));
        FUZZ_CHECK(replaced.text() ==
                   QString(model).replace(what, QStringLiteral("<>"), Qt::CaseSensitive));
        const int back = findBackward(text, what, from, Qt::CaseInsensitive);
        FUZZ_CHECK(back < 0 || back + what.size() <= from);
        for (const Direction d : {Direction::Down, Direction::Up}) {
            const int at = nextMatch(text, what, d, from, Qt::CaseInsensitive);
            FUZZ_CHECK(at >= 0 && at <= model.size());
        }
    }
    return 0;
}
