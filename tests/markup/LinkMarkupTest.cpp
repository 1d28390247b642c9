#include "markup/LinkMarkup.h"
#include "MarkupTest.h"

// The whole elements, link and mail, are checked through the hyperlink dialog.
TEST(LinkMarkup, EmptyFieldsLeaveTheirAttributesOutAndEachTargetHasItsName)
{
    EXPECT_EQ(link::titleFragment(q("")) + link::subjectFragment(q("")) + link::styleFragment(true),
              QString());
    QStringList targets;
    for (const QString& item : link::kTargetItems)
        targets << link::targetFragment(item);
    EXPECT_EQ(targets.join(u'|'),
              q(R"(| target="_self"| target="_top"| target="_blank"| target="_parent")"));
}

// A selected anchor opening tag is replaced alone; anything else whole.
TEST(LinkMarkup, SelectedOpeningTagIsReplacedAloneAndTheRestKept)
{
    link::LinkFields f;
    f.url = q("y.html");
    f.display = q("Home");
    const char* tag = R"(<A HREF="y.html">)";
    const char* element = R"(<A HREF="y.html">Home</A>)";
    const std::tuple<const char*, qsizetype, const char*> rows[] = {
        {R"(<A HREF="old.html">Home</A>)", 19, tag},
        {R"(<a title="a>b" href=z>Z</a>)", 22, tag}, // a quoted ">" does not end the tag
        {R"(<a href="z>Z</a>)", 11, tag},
        {R"(<a href="z)", 10, tag},
        {R"(<abbr>x</abbr>)", 14, element},
        {R"( <a href=z>)", 11, element},
    };
    for (const auto& [selection, length, text] : rows) {
        const link::Replacement r = link::replacement(f, q(selection));
        EXPECT_EQ(r.length, length) << selection;
        EXPECT_EQ(r.text, q(text)) << selection;
    }
}
