// Smart Select and the readying of the page for the page properties dialog, on the string model.
#include "assist/SmartSelect.h"
#include "assist/PageProperties.h"
#include "editor/DefaultPage.h"
#include "editor/StringText.h"
#include "support/Fixtures.h"

using namespace orvel;
using namespace orvel::test;

namespace {

QString q(const char* s)
{
    return QString::fromUtf8(s);
}

// The text with "|" at the caret or "[" "]" around the selection.
QString marked(const StringText& t)
{
    QString s = t.text();
    if (t.selLength() == 0)
        return s.insert(t.selStart(), u'|');
    s.insert(t.selStart() + t.selLength(), u']');
    return s.insert(t.selStart(), u'[');
}

class SmartSelectTest : public PlatformTest {};

TEST_F(SmartSelectTest, SelectsTheTagAtTheCaret)
{
    const struct {
        const char* text;
        int caret;
        const char* after;
    } rows[] = {
        {"<p>one <font size=3>two", 12, "<p>one [<font size=3>]two"}, // between its letters
        {"<p>one <b>two", 10, "<p>one [<b>]two"},                     // right after its ">"
        {"x<b>bold</b>y", 6, "x[<b>bold</b>]y"}, // element text: through the next tag
        {"<HTML>\n<td\nwidth=1>\n", 11, "<HTML>\r\n[<td\r\nwidth=1>]\r\n"}, // across lines
        {"<p>one", 2, "<p|>one"},                                           // the first tag
    };
    for (const auto& r : rows) {
        StringText t(q(r.text));
        t.setSelStart(r.caret);
        smartSelect(t);
        EXPECT_EQ(marked(t), q(r.after)) << r.text;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// The ">" goes to the end of the page, not to the caret, and the caret to the start.
TEST_F(SmartSelectTest, MissingEndTagIsReportedAndAppended)
{
    for (const char* text : {"a<b>c d", "x<font size=3"}) {
        StringText t(q(text));
        t.setSelStart(t.length() - 1);
        int changes = 0;
        t.onChange = [&] { ++changes; };
        ui.prompts.clear();
        smartSelect(t);
        EXPECT_EQ(marked(t), u'|' + q(text) + u'>');
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
    const QString page = defaultPage();
    const qsizetype body = page.indexOf(q("<body"));
    const QString bodyTag = page.mid(body, page.indexOf(u'>', body) + 1 - body);
    const struct {
        QString text;
        const char* after; // "" for the default page
    } rows[] = {
        {q("<HTML><HEAD></HEAD>\r\n<BODY bgcolor=x>\r\n"),
         "<HTML><HEAD></HEAD>\r\n[<BODY bgcolor=x>]\r\n"},
        {q("<html>\r\n<Body>"), "<html>\r\n[<Body>]"},       // no closing HEAD needed
        {q("<BODY text=x>\r\nhi"), "[<BODY text=x>]\r\nhi"}, // the tag that starts the page
        {q("<BODY\r\nhi"), "|<BODY\r\nhi"},
        {page, ""},
    };
    for (const auto& r : rows) {
        StringText t(r.text);
        t.setSelStart(t.length());
        EXPECT_TRUE(readyForPageProperties(t));
        if (*r.after)
            EXPECT_EQ(marked(t), q(r.after));
        else
            EXPECT_EQ(t.selText(), bodyTag);
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(SmartSelectTest, PagePropertiesWithoutABodyTag)
{
    StringText t(q("<HTML><HEAD><TITLE>x</TITLE></HEAD>\r\n</HTML>"));
    t.setSelStart(3);
    EXPECT_TRUE(readyForPageProperties(t));
    EXPECT_EQ(marked(t), q("<HTML><HEAD><TITLE>x</TITLE></HEAD>|\r\n</HTML>"));
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().title, kAssistantTitle);
    EXPECT_EQ(ui.lastPrompt().text, kBodyMissingMessage);
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);

    ui.prompts.clear();
    StringText none(q("<HTML><P>text</HTML>"));
    none.setSelStart(8);
    EXPECT_FALSE(readyForPageProperties(none));
    EXPECT_EQ(ui.promptTexts(), QStringList({kBodyMissingMessage, kHeadMissingMessage}));
    EXPECT_EQ(ui.lastPrompt().title, kDefaultTitle);
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::None);
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);
    EXPECT_EQ(marked(none), q("|<HTML><P>text</HTML>"));
}

} // namespace
