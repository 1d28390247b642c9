#include "dialogs/Heading.h"
#include "DialogTest.h"

#include <QComboBox>
#include <tuple>

using namespace orvel;
using namespace orvel::test;

namespace {

class HeadingTest : public DialogTest {};

TEST_F(HeadingTest, DefaultsPutALeftHeadingOverTheSelectionOfTheMoment)
{
    setPage(q("one two"), 0, 3);
    QPointer<HeadingDialog> d = open<HeadingDialog>();
    QTest::keyClicks(d->heading, q("Welcome"));
    w->Text1->setSelStart(4);
    w->Text1->setSelLength(3);
    click(d->OKButton);
    EXPECT_EQ(marked(), q(R"(one <H1 ALIGN="Left">Welcome</H1>|)"));
    EXPECT_TRUE(unloaded(d));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// Chosen or typed, the lists' texts go into the tag unchecked; an empty text gives an empty
// element.
TEST_F(HeadingTest, ChosenAndTypedLevelsAndAlignmentsGoInAsShown)
{
    const std::tuple<int, const char*, const char*> rows[] = {
        {2, "", R"(<H3 ALIGN="Center"></H3>|)"},
        {-1, "7", R"(<H7 ALIGN="middle"></H7>|)"},
    };
    for (const auto& [item, typed, result] : rows) {
        setPage(QString());
        auto* d = open<HeadingDialog>();
        if (item >= 0) {
            d->cmblevel->setCurrentIndex(item);
            d->cmbalign->setCurrentIndex(1);
        } else {
            retype(d->cmblevel->lineEdit(), q(typed));
            retype(d->cmbalign->lineEdit(), q("middle"));
        }
        click(d->OKButton);
        EXPECT_EQ(marked(), q(result)) << typed;
    }
}

} // namespace
