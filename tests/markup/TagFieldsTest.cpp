// Reading a tag back into its dialog's fields (the fields: Smart Correct's tests).
#include "markup/TagFields.h"
#include "MarkupTest.h"

using namespace orvel::correct;

namespace {

std::optional<QString> o(const char* s)
{
    return s ? std::optional(q(s)) : std::nullopt;
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
