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

} // namespace orvel::test
