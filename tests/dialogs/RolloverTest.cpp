#include "dialogs/Rollover.h"
#include "DialogTest.h"
#include "dialogs/PageProps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTimer>

using namespace orvel;
using namespace orvel::test;

namespace {

const QString kDefaultBlock = q("<style rolloverstyle>A:hover {color: red; font-size: 10px;  "
                                "font-family: Times New Roman; font-weight: normal}</style>");

class RolloverTest : public DialogTest {
protected:
    // The rollover dialog as the page properties dialog opens it.
    RolloverDialog* openFrom(PagePropsDialog* props)
    {
        click(props->btnRollover);
        auto* r = w->findChild<RolloverDialog*>();
        EXPECT_TRUE(r && r->isVisible());
        return r;
    }
};

TEST_F(RolloverTest, InstalledFontsAndDefaults)
{
    ui.fonts = {q("Zapf"), q("Arial")};
    auto* r = open<RolloverDialog>();
    EXPECT_EQ(r->Combo1->count(), 2);
    EXPECT_EQ(r->Combo1->itemText(0), q("Zapf"));
    EXPECT_EQ(r->Combo1->currentText(), q("Times New Roman"));
    EXPECT_TRUE(r->Timer1->isActive());
    EXPECT_EQ(rollover::styleBlock(r->style()), kDefaultBlock);
}

// The boxes' parts as the block takes them; the decoration part waits for the timer. (The boxes
// are clicked through click(): their cells are wider than box and caption.)
TEST_F(RolloverTest, BoxesBuildTheirParts)
{
    auto* r = open<RolloverDialog>();
    r->Underline->click();
    r->Blink->click();
    EXPECT_EQ(r->decorationPart, QString());
    r->Timer1_Timer();
    EXPECT_EQ(r->decorationPart, q("text-decoration: underline blink;"));
    r->Capitalize->click();
    r->Allcaps->click();
    EXPECT_FALSE(r->Capitalize->isChecked());
    EXPECT_EQ(r->casePart, q("text-transform: uppercase;"));
    r->Capitalize->click();
    EXPECT_FALSE(r->Allcaps->isChecked());
    EXPECT_EQ(r->casePart, q("text-transform: capitalize;"));
    r->Capitalize->click();
    EXPECT_EQ(r->casePart, QString());
    r->Hidden->click();
    r->Smallcaps->click();
    r->List1->setCurrentRow(1);
    r->List2->setCurrentRow(2);
    r->Combo2->setEditText(q("navy"));
    EXPECT_EQ(rollover::styleBlock(r->style()),
              q("<style rolloverstyle>A:hover {color: navy; font-size: 2mm; text-decoration: "
                "underline blink;visibility: hidden; font-variant: small-caps; font-family: Times "
                "New Roman; font-style: italic}</style>"));
    r->Underline->click();
    r->Blink->click();
    r->Timer1_Timer();
    EXPECT_EQ(r->decorationPart, QString());
}

// Before the first page properties OK the block waits in that dialog, which writes it in front of
// the closing HEAD tag; nothing goes into the page yet.
TEST_F(RolloverTest, HandedToPagePropertiesBeforeTheirFirstOk)
{
    setPage(q("<HEAD>\r\n</HEAD>\r\n<BODY>"), 17, 6);
    auto* props = open<PagePropsDialog>();
    QPointer<RolloverDialog> r = openFrom(props);
    r->Overline->click(); // ticked just before OK, the timer has not run
    click(r->OKButton);
    EXPECT_TRUE(unloaded(r));
    EXPECT_EQ(w->Text1->text(), q("<HEAD>\r\n</HEAD>\r\n<BODY>"));
    const QString block =
        QString(kDefaultBlock).replace(q("10px; "), q("10px; text-decoration: overline;"));
    EXPECT_EQ(props->rolypoly, block);
    click(props->OKButton);
    EXPECT_EQ(w->Text1->text(), q("<HEAD>\r\n") + block +
                                    q("\r\n</HEAD>\r\n<BODY  text=\"black\" "
                                      "bgcolor=\"white\" link=\"blue\" "
                                      "vlink=\"maroon\" alink=\"red\"> "
                                      "\r\n\r\n\r\n"));
}

// A closed page properties dialog is loaded afresh to take the block.
TEST_F(RolloverTest, HandedToAFreshPagePropertiesWhenNoneIsOpen)
{
    QPointer<RolloverDialog> r = open<RolloverDialog>();
    click(r->OKButton);
    auto* props = w->findChild<PagePropsDialog*>();
    ASSERT_TRUE(props);
    EXPECT_FALSE(props->isVisible());
    EXPECT_EQ(props->rolypoly, kDefaultBlock);
}

// After the first page properties OK the block goes into the page at once: over an earlier block,
// else in front of the closing HEAD tag. Both dialogs then unload; with neither place, nothing is
// written and both stay.
TEST_F(RolloverTest, WrittenIntoThePageAfterTheFirstOk)
{
    const QString old = q("<style rolloverstyle>A:hover {color: blue}</style>");
    const struct {
        QString page;
        QString after;
    } rows[] = {
        {q("<HEAD>\r\n") + old + q("\r\n</HEAD><BODY>"),
         q("<HEAD>\r\n") + kDefaultBlock + q("|\r\n</HEAD><BODY>")},
        {q("<HEAD>\r\n</HEAD><BODY>"), q("<HEAD>\r\n") + kDefaultBlock + q("\r\n|</HEAD><BODY>")},
        {q("<head></head>"), q("<head>") + kDefaultBlock + q("\r\n|</head>")},
        {q("<BODY>"), q("[<BODY>]")},
    };
    for (const auto& [page, after] : rows) {
        setPage(page, 0, 0);
        QPointer<PagePropsDialog> props = open<PagePropsDialog>();
        props->firsttime = false;
        QPointer<RolloverDialog> r = openFrom(props);
        setPage(page, page.indexOf(q("<BODY>")), page.contains(q("<BODY>")) ? 6 : 0);
        click(r->OKButton);
        EXPECT_EQ(marked(), after) << page.toStdString();
        const bool written = page != q("<BODY>");
        EXPECT_EQ(unloaded(r), written) << page.toStdString();
        EXPECT_EQ(unloaded(props), written) << page.toStdString();
        if (!written) {
            r->unload();
            props->unload();
        }
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

} // namespace
