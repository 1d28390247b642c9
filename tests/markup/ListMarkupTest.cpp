#include "markup/ListMarkup.h"
#include "MarkupTest.h"
#include "markup/SelectMarkup.h"

// The lists and select elements the dialogs write are checked through them; here the edges.
TEST(ListMarkup, ListsOfEachKind)
{
    EXPECT_EQ(listMarkup({ListKind::Bulleted, q(""), -4}), q("<UL TYPE=\"\"> \r\n</UL>\r\n"));
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

// Every line end of an option becomes CR LF.
TEST(SelectMarkup, OptionLinesEndInCrLf)
{
    EXPECT_EQ(optionLine(q("a\nb\r\nc\rd")), q("<OPTION>a\r\nb\r\nc\r\nd\r\n"));
    EXPECT_EQ(defaultOptionLine(q("a\n")), q("<OPTION SELECTED>a\r\n\r\n"));
}
