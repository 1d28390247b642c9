// The characters before the caret, as the typing aids read them.
#include "assist/CaretText.h"
#include "editor/StringText.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(CaretText, TheWindowBeforeTheCaret)
{
    const struct {
        const char* text;
        int caret;
        const char* trigger;
        bool follows;
    } rows[] = {
        {"xx<b>", 5, "<b>", true},
        {"xx<B>", 5, "<b>", false}, // case-sensitive
        {"<b>", 3, "<b>", true},    // a window starting at the first character
        {"b>", 2, "<b>", false},    // a window that would begin before the text
        {"<b>yy", 3, "<b>", true},  // what follows the caret does not count
        {"a\r\n<p", 5, "\n<p", true},
        {"a\U0001F600", 3, "\U0001F600", true},
        {"", 0, "", true},
    };
    for (const auto& r : rows) {
        StringText text(QString::fromUtf8(r.text));
        text.setSelStart(r.caret);
        EXPECT_EQ(caretFollows(text, QString::fromUtf8(r.trigger)), r.follows)
            << r.text << " at " << r.caret;
    }
    StringText text(QStringLiteral("abc"));
    text.setSelStart(2);
    EXPECT_EQ(textBeforeCaret(text, 2), QStringLiteral("ab"));
    EXPECT_EQ(textBeforeCaret(text, 3), std::nullopt);
    EXPECT_EQ(textBeforeCaret(text, -1), std::nullopt);
}

} // namespace
