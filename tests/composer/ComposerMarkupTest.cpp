#include "composer/ComposerMarkup.h"
#include "composer/ComposerTest.h"

namespace orvel::test {

using namespace composer;

// The table keeps an empty line where the caption would be and another before its closing tag.
TEST(ComposerMarkup, TableWithEmptyCaption)
{
    EXPECT_EQ(composerTable({}),
              crlf("<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n\n"
                   "<TR>\n <TD> row 1 col 1 </TD> \n <TD> row 1 col 2 </TD> \n</TR>\n"
                   "<TR>\n <TD> row 2 col 1 </TD> \n <TD> row 2 col 2 </TD> \n</TR>\n\n</TABLE>"));
}

// 149 characters in their list order: the code page's own letters come through as themselves.
TEST(ComposerMarkup, SpecialCharacters)
{
    const QStringList chars = specialCharacters();
    ASSERT_EQ(chars.size(), 149);
    EXPECT_EQ(chars.first(), q("!"));
    EXPECT_EQ(chars.at(18), QString(QChar(0x2122))); // trade mark
    EXPECT_EQ(chars.at(58), QString(QChar(0x20AC))); // euro, between the two ranges
    EXPECT_EQ(chars.last(), QString(QChar(0xA4)));
}

} // namespace orvel::test
