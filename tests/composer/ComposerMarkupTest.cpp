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

TEST(ComposerMarkup, FormAndTextFragments)
{
    const std::pair<QString, const char*> rows[] = {
        {textArea(q("t"), q("25"), q("10")),
         "<TEXTAREA Cols=\"25\" rows=\"10\" NAME=\"t\" wrap=\"OFF\">\n\n</TEXTAREA>"},
        {fieldSet(false, {}), "<FIELDSET>\n\n</FIELDSET>"},
        {fieldSet(true, {}), "<FIELDSET>\n<LEGEND></LEGEND>\n\n</FIELDSET>"},
        {highlight(q("ffff00"), q("hi")), "<SPAN STYLE=\"BACKGROUND-COLOR: #ffff00\">hi</SPAN>"},
        {namedControl(namedControls()[7], q("up")), "<INPUT TYPE=\"FILE\" NAME=\"up\">"},
    };
    for (const auto& [built, expected] : rows)
        EXPECT_EQ(built, crlf(expected));
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
