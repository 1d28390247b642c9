#include "markup/LinkMarkup.h"
#include "MarkupTest.h"

#include <tuple>

using namespace orvel;
using namespace orvel::test;

namespace {

link::LinkFields hyperlink(const char* url, const char* display = "Home")
{
    link::LinkFields f;
    f.url = q(url);
    f.display = q(display);
    return f;
}

TEST(LinkMarkup, MailLinkCarriesSubjectInHrefAndNeverATarget)
{
    link::LinkFields f;
    f.mail = true;
    f.mailId = q("me@x.org");
    f.display = q("Write");
    f.fragments = {link::targetFragment(q("Whole Page")), link::titleFragment(q("link tip")),
                   link::titleFragment(q("Mail me")), link::styleFragment(false),
                   link::subjectFragment(q("Hi there"))};
    EXPECT_EQ(link::replacement(f, q("")).text,
              q(R"(<A HREF="mailto:me@x.org?subject=Hi there" TITLE="Mail me" )"
                R"(STYLE="text-decoration:none">Write</A>)"));
}

TEST(LinkMarkup, FragmentsOfEmptyOrDefaultValuesAreEmpty)
{
    EXPECT_EQ(link::titleFragment(q("")), QString());
    EXPECT_EQ(link::subjectFragment(q("")), QString());
    EXPECT_EQ(link::styleFragment(true), QString());
    const std::pair<const char*, const char*> targets[] = {
        {"Default (none)", ""},
        {"Same Frame", R"( target="_self")"},
        {"Whole Page", R"( target="_top")"},
        {"New Window", R"( target="_blank")"},
        {"Parent Frame", R"( target="_parent")"},
        {"", ""},
    };
    for (const auto& [item, fragment] : targets)
        EXPECT_EQ(link::targetFragment(q(item)), q(fragment)) << item;
}

// A selection beginning with an anchor opening tag loses that tag alone; anything else is
// replaced whole by the element.
TEST(LinkMarkup, SelectedOpeningTagIsReplacedAloneAndTheRestKept)
{
    const std::tuple<const char*, qsizetype, const char*> rows[] = {
        {R"(<a href="old.html">)", 19, R"(<A HREF="y.html">)"},
        {R"(<A HREF="old.html">Home</A>)", 19, R"(<A HREF="y.html">)"},
        {R"(<a title="a>b" href=z>Z</a>)", 22, R"(<A HREF="y.html">)"},
        {R"(<a href="z>Z</a>)", 11, R"(<A HREF="y.html">)"},
        {R"(<a href="z)", 10, R"(<A HREF="y.html">)"},
        {R"(<abbr>x</abbr>)", 14, R"(<A HREF="y.html">Home</A>)"},
        {R"(<a)", 2, R"(<A HREF="y.html">Home</A>)"},
        {R"( <a href=z>)", 11, R"(<A HREF="y.html">Home</A>)"},
    };
    for (const auto& [selection, length, text] : rows) {
        const link::Replacement r = link::replacement(hyperlink("y.html"), q(selection));
        EXPECT_EQ(r.length, length) << selection;
        EXPECT_EQ(r.text, q(text)) << selection;
    }
}

} // namespace
