// Smart Select and the readying of the page for the page properties dialog, on the string model.
#include "assist/SmartSelect.h"
#include "AssistTest.h"
#include "assist/PageProperties.h"
#include "editor/DefaultPage.h"
#include "support/Fixtures.h"

using namespace orvel;
using namespace orvel::test;

namespace {

class SmartSelectTest : public PlatformTest {};

TEST_F(SmartSelectTest, SelectsTheTagAtTheCaret)
{
    const std::pair<const char*, const char*> rows[] = {
        {"<p>one <font si|ze=3>two", "<p>one [<font size=3>]two"}, // between its letters
        {"<p>one <b>|two", "<p>one [<b>]two"},                     // right after its ">"
        {"x<b>bo|ld</b>y", "x[<b>bold</b>]y"}, // element text: through the next tag
        {"<HTML>\n<td|\nwidth=1>\n", "<HTML>\n[<td\nwidth=1>]\n"}, // across lines
        {"<p|>one", "<p|>one"},                                    // the first tag
    };
    for (const auto& [before, after] : rows) {
        StringText t = markedText(before);
        smartSelect(t);
        EXPECT_EQ(markedOf(t), QString::fromUtf8(after)) << before;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// The ">" goes to the end of the page, not to the caret, and the caret to the start.
TEST_F(SmartSelectTest, MissingEndTagIsReportedAndAppended)
{
    for (const char* text : {"a<b>c| d", "x<font size=|3"}) {
        StringText t = markedText(text);
        int changes = 0;
        t.onChange = [&] { ++changes; };
        ui.prompts.clear();
        smartSelect(t);
        EXPECT_EQ(markedOf(t), u'|' + QString::fromUtf8(text).remove(u'|') + u'>');
        EXPECT_EQ(changes, 1);
        ASSERT_EQ(ui.prompts.size(), 1);
        EXPECT_EQ(ui.lastPrompt().title, kAssistantTitle);
        EXPECT_EQ(ui.lastPrompt().text, kEndTagAddedMessage);
        EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Information);
        EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);
    }
}

TEST_F(SmartSelectTest, PagePropertiesFindTheBodyTagInAnyCase)
{
    const std::pair<const char*, const char*> rows[] = {
        {"<HTML><HEAD></HEAD>\n<BODY bgcolor=x>\n|", "<HTML><HEAD></HEAD>\n[<BODY bgcolor=x>]\n"},
        {"<html>\n<Body>|", "<html>\n[<Body>]"},       // no closing HEAD needed
        {"<BODY text=x>\nhi|", "[<BODY text=x>]\nhi"}, // the tag that starts the page
        {"<BODY\nhi|", "|<BODY\nhi"},
        {"<HTML><HEAD><TITLE>x</TITLE></HEAD>\n</HTML>|",
         "<HTML><HEAD><TITLE>x</TITLE></HEAD>|\n</HTML>"},
    };
    for (const auto& [before, after] : rows) {
        StringText t = markedText(before);
        EXPECT_TRUE(readyForPageProperties(t));
        EXPECT_EQ(markedOf(t), QString::fromUtf8(after));
    }
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().title, kAssistantTitle);
    EXPECT_EQ(ui.lastPrompt().text, kBodyMissingMessage);
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);

    const QString page = defaultPage();
    const qsizetype body = page.indexOf(QStringLiteral("<body"));
    StringText t(page);
    t.setSelStart(t.length());
    EXPECT_TRUE(readyForPageProperties(t));
    EXPECT_EQ(t.selText(), page.mid(body, page.indexOf(u'>', body) + 1 - body));
}

} // namespace
