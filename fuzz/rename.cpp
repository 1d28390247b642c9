// Freeing a control name taken in the page: the caret keeps its place.
#include "markup/FormMarkup.h"

#include "FuzzInput.h"

using namespace orvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    // The name is the first few characters of the input, the page the rest.
    const qsizetype cut = std::min<qsizetype>(in.text.size(), 1 + in.caret % 12);
    const QString name = in.text.left(cut);
    const QString page = in.text.mid(cut);
    const int caret = std::min<int>(in.caret, int(page.size()));
    const Renaming r = renameTaken(page, name, caret);
    FUZZ_CHECK(r.renamed >= 0);
    FUZZ_CHECK(r.text.size() == page.size() + r.renamed);
    FUZZ_CHECK(r.caret >= caret && r.caret <= caret + r.renamed);
    return 0;
}
