// The Composer's splice: any page text read with its nodes' places, spliced with its own tree
// (which must give the text back unchanged) and with the tree of any other text; the control's
// tree reader on any text.
#include "markup/PageSource.h"
#include "markup/PageTree.h"

#include "FuzzInput.h"

using namespace orvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    // The caret parts the page from the edited document's markup.
    const QString page = in.text.left(in.caret);
    const QString edited = in.text.mid(in.caret);
    PageSource source(page);
    const SpliceResult same = source.splice(parsePageTree(page));
    FUZZ_CHECK(same.text == page);
    FUZZ_CHECK(same.stats.edits == 0);
    const PageNode other = parsePageTree(edited);
    source.setLoaded(other);
    (void)source.splice(other);
    (void)PageSource(page).splice(other);
    PageNode tree;
    const MarkedTree marked = markElements(other);
    if (readPageTree(in.text, tree, &marked))
        (void)materialized(tree);
    return 0;
}
