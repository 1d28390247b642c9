#include "markup/ListMarkup.h"
#include "MarkupTest.h"
#include "markup/SelectMarkup.h"

// The lists and select elements the dialogs write are checked through them.
TEST(ListMarkup, ListsOfEachKind)
{
    const std::tuple<ListKind, const char*, int, const char*> rows[] = {
        {ListKind::Bulleted, "square", 1, "<UL TYPE=\"square\"> \r\n<LI> Point1\r\n</UL>\r\n"},
        {ListKind::Bulleted, "", -4, "<UL TYPE=\"\"> \r\n</UL>\r\n"},
    };
    for (const auto& [kind, type, items, markup] : rows)
        EXPECT_EQ(listMarkup({kind, q(type), items}), q(markup)) << type << " " << items;
    EXPECT_TRUE(listMarkup({ListKind::Numbered, q("1"), 12})
                    .endsWith(q("<LI> Point11\r\n<LI> Point12\r\n</OL>\r\n")));
}

TEST(ListMarkup, CountsBeyondSixteenBitsAreTooLongWhateverTheirDigits)
{
    const std::pair<const char*, bool> rows[] = {
        {"32767", false}, {"32768", true}, {"0032767", false}, {"99999999999999999999999", true},
        {"12x", false},
    };
    for (const auto& [count, tooLong] : rows)
        EXPECT_EQ(listTooLong(q(count)), tooLong) << count;
}

TEST(SelectMarkup, DropDownsAndListBoxes)
{
    const std::tuple<SelectFields, const char*> rows[] = {
        {{q("c"), true, q("3"), multipleFragment(true), {}},
         "<SELECT NAME=\"c\" size=3 MULTIPLE>\r\n</SELECT>"},
        {{q("c"), true, q("2"), multipleFragment(false), defaultOptionLine(q("x"))},
         "<SELECT NAME=\"c\" size=2 >\r\n<OPTION SELECTED>x\r\n</SELECT>"},
    };
    for (const auto& [fields, markup] : rows)
        EXPECT_EQ(selectMarkup(fields), q(markup));
    // Every line end of an option becomes CR LF.
    EXPECT_EQ(optionLine(q("a\nb\r\nc\rd")), q("<OPTION>a\r\nb\r\nc\r\nd\r\n"));
    EXPECT_EQ(defaultOptionLine(q("a\n")), q("<OPTION SELECTED>a\r\n\r\n"));
}
