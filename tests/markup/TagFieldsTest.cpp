// Reading a tag back into the fields of the dialog that builds it (the fields themselves are
// checked through the dialogs, in the Smart Correct tests).
#include "markup/TagFields.h"
#include "MarkupTest.h"

#include <QStringList>
#include <vector>

using namespace orvel::correct;

namespace {

std::optional<QString> o(const char* s)
{
    return s ? std::optional(q(s)) : std::nullopt;
}

TEST(TagFields, KindsByTheirFirstCharacters)
{
    // The common ones, and a font tag without its blank, are Smart Correct's tests.
    const std::tuple<const char*, std::vector<Kind>> rows[] = {
        {"<fOnt x>", {}},
        {"<Hr>", {}},
        {"<A HREF=\"mailto:x@y\">", {Kind::MailLink, Kind::Hyperlink}},
        {"", {}},
    };
    for (const auto& [tag, expected] : rows) {
        std::vector<Kind> found;
        for (const Kind k : kinds())
            if (isKind(k, q(tag)))
                found.push_back(k);
        EXPECT_EQ(found, expected) << tag;
    }
}

TEST(TagFields, AttributeValues)
{
    // tag, marker, quoted value, bare value (nullptr: missing)
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"<X A=\"1\" B=\"2\">", "B=\"", "2", "2\""},
        {"<X A=\"\">", "A=\"", "", "\""},
        {"<X a=\"1\">", "A=\"", nullptr, nullptr}, // exact case
        {"<X A=\"open>", "A=\"", "open", "open"},  // a quote never closed ends at the ">"
        {"<X B=3 C=4>", "B=", "3 C=4", "3"},
        {"<X B=3>", "B=", "3", "3"},
        {"<X B=>", "B=", "", ""},
    };
    for (const auto& [tag, marker, quoted, bare] : rows) {
        EXPECT_EQ(quotedValue(q(tag), q(marker)), o(quoted)) << tag;
        EXPECT_EQ(bareValue(q(tag), q(marker)), o(bare)) << tag;
    }
}

} // namespace
