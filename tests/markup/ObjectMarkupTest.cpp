#include "markup/ObjectMarkup.h"
#include "MarkupTest.h"

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(ObjectMarkup, FallbackTextGoesInAsTyped)
{
    ObjectFields f;
    f.source = q("m.mid");
    f.noEmbed = q("<b>none</b>");
    EXPECT_TRUE(embedTag(f).endsWith(q(R"(VOLUME="50"> <noembed><b>none</b></noembed>)")));
}

} // namespace
