// When the editor does not hand over what was edited, a save would write the page's whole markup
// anew: the user is asked first, and No leaves the file as it was.
#include "composer/ComposerTest.h"

namespace orvel::test {

TEST_F(ComposerTest, AWholePageRewriteIsAskedFirst)
{
    const QString path = dir.filePath(q("page.html"));
    const QByteArray page = "<HTML>\r\n<BODY>\r\n  <P CLASS='a'>one</P>\r\n</BODY>\r\n</HTML>\r\n";
    ASSERT_TRUE(writeFile(path, page));
    ui.answerFile(path);
    trigger("open");
    ASSERT_TRUE(waitLoaded(c->area));
    c->area->evaluate(q("document.querySelector('p').firstChild.appendData(' two'); "
                        "orvel.tree = () => null; true"));
    ui.prompts.clear();
    ui.answer(MsgAnswer::No);
    trigger("save");
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_TRUE(ui.lastPrompt().text.startsWith(q("The editor did not tell which parts")));
    EXPECT_EQ(ui.lastPrompt().defaultButton, MsgAnswer::No);
    EXPECT_EQ(fileBytes(path), page);
    EXPECT_TRUE(c->area->rewroteWholePage());

    ui.answer(MsgAnswer::Yes);
    trigger("save");
    EXPECT_TRUE(fileBytes(path).contains("one two"));
}

} // namespace orvel::test
