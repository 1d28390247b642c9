// The page properties dialog and the rollover dialog, which hands its style block to it.
#include "DialogTest.h"
#include "dialogs/PageProps.h"
#include "dialogs/Rollover.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTimer>

using namespace orvel;
using namespace orvel::test;

namespace {

const QString kDefaultBody = q("<BODY  text=\"black\" bgcolor=\"white\" link=\"blue\" "
                               "vlink=\"maroon\" alink=\"red\"> ");
const QString kDefaultBlock = q("<style rolloverstyle>A:hover {color: red; font-size: 10px;  "
                                "font-family: Times New Roman; font-weight: normal}</style>");

class PageDialogsTest : public DialogTest {
protected:
    // Drops what a drag from the colour list carries onto `box`; true when the box took it.
    static bool dropColour(PagePropsDialog* d, QLineEdit* box)
    {
        std::unique_ptr<QMimeData> data(d->colourDrag());
        const QPointF at(box->width() / 2.0, box->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &drop);
        return drop.isAccepted();
    }
    // The rollover dialog as the page properties dialog opens it.
    RolloverDialog* rolloverFrom(PagePropsDialog* props)
    {
        click(props->btnRollover);
        return w->findChild<RolloverDialog*>();
    }
};

TEST_F(PageDialogsTest, FirstOkClosesTheHeadSecondWritesTheBodyAlone)
{
    setPage(q("<HTML>\r\n<BODY>\r\n</HTML>"), 8, 6);
    QPointer<PagePropsDialog> d = open<PagePropsDialog>();
    click(d->OKButton);
    EXPECT_EQ(marked(), q("<HTML>\r\n</HEAD>\r\n") + kDefaultBody + q("\r\n\r\n\r\n|\r\n</HTML>"));
    EXPECT_TRUE(d->isHidden());
    d->Text2->setText(q("navy"));
    setPage(q("<HTML>\r\n<BODY>\r\n</HTML>"), 8, 6);
    EXPECT_EQ(open<PagePropsDialog>(), d.data());
    d->rolypoly = q("<style rolloverstyle>A:hover {}</style>");
    click(d->OKButton);
    EXPECT_EQ(marked(), q("<HTML>\r\n") + QString(kDefaultBody).replace(q("white"), q("navy")) +
                            q("\r\n\r\n\r\n|\r\n</HTML>"));
}

TEST_F(PageDialogsTest, FirstOkKeepsAnExistingHeadEndAndUndoesInOneStep)
{
    const QString page = q("<HEAD>\r\n</HEAD>\r\n<body bgcolor=x>\r\nhi");
    setPage(page, 17, 16);
    auto* d = open<PagePropsDialog>();
    d->rolypoly = q("<style rolloverstyle>A:hover {x}</style>");
    click(d->OKButton);
    EXPECT_EQ(marked(), q("<HEAD>\r\n<style rolloverstyle>A:hover {x}</style>\r\n</HEAD>\r\n") +
                            kDefaultBody + q("\r\n\r\n\r\n|\r\nhi"));
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), page);
}

TEST_F(PageDialogsTest, PictureWatermarkAndCancelledBrowse)
{
    auto* d = open<PagePropsDialog>();
    EXPECT_FALSE(d->Text6->isEnabled() || d->Command1->isEnabled() || d->Check2->isEnabled());
    click(d->Check1);
    ASSERT_TRUE(d->Text6->isEnabled() && d->Command1->isEnabled() && d->Check2->isEnabled());
    ui.answerFile(q("c:/pics/sky.jpg")).cancelFile().answerFile(q("*.jpg"));
    for (int i = 0; i < 3; ++i)
        click(d->Command1);
    EXPECT_EQ(d->Text6->text(), q("c:/pics/sky.jpg"));
    EXPECT_EQ(ui.lastPrompt().file.title, q("Choose background image"));
    click(d->Check2);
    EXPECT_EQ(d->fields().watermark + d->fields().background,
              q("bgproperties=\"fixed\" background=\"c:/pics/sky.jpg\" "));
    click(d->Check1); // unticked, the picture is out though its boxes keep their entries
    EXPECT_EQ(page::bodyTag(d->fields()), kDefaultBody);
    click(d->Check1);
    retype(d->Text6, q("b.gif")); // typed counts as well as browsed
    EXPECT_EQ(d->fields().background, q(" background=\"b.gif\" "));
}

// Until the first step the margins are left out; stepped back to 0 they are written.
TEST_F(PageDialogsTest, MarginsOnceStepped)
{
    auto* d = open<PagePropsDialog>();
    click(d->UpDown1->downButton());
    EXPECT_EQ(d->fields().topMargin, QString());
    for (UpDown* u : {d->UpDown1, d->UpDown2})
        click(u->upButton());
    click(d->UpDown1->downButton());
    EXPECT_EQ(d->fields().topMargin + d->fields().leftMargin,
              q(" topmargin=\"0\" leftmargin=\"1\""));
}

// The sound follows its source and loop count, after the BODY tag; an emptied source takes it out.
TEST_F(PageDialogsTest, SoundGoesAfterTheBodyTag)
{
    setPage(q("<HTML>\r\n<BODY>"), 8, 6);
    auto* d = open<PagePropsDialog>();
    d->firsttime = false;
    ui.cancelFile().answerFile(q("*.wav")).answerFile(q("c:/a.wav"));
    for (int i = 0; i < 3; ++i)
        click(d->Command2);
    EXPECT_EQ(ui.lastPrompt().file.title, q("Insert Background Sound"));
    click(d->UpDown3->upButton());
    click(d->UpDown3->upButton());
    click(d->OKButton);
    EXPECT_EQ(marked(), q("<HTML>\r\n") + kDefaultBody +
                            q("\r\n<bgsound src=\"c:/a.wav\" loop=\"1\">\r\n\r\n|"));
    d->Text9->clear();
    EXPECT_EQ(d->soundFragment, QString());
}

TEST_F(PageDialogsTest, ColourBoxesTakeTheColourDraggedFromTheList)
{
    auto* d = open<PagePropsDialog>();
    d->Combo2->setCurrentIndex(d->Combo2->findText(q("teal")));
    EXPECT_TRUE(dropColour(d, d->Text5));
    EXPECT_EQ(d->Text5->text(), q("teal"));
    d->Combo2->setEditText(q("#C0FFEE"));
    EXPECT_TRUE(dropColour(d, d->Text1));
    EXPECT_EQ(d->fields().text, q("#C0FFEE"));
    EXPECT_FALSE(dropColour(d, d->Text9)); // the sound box is no drop target
}

// The fonts listed, decoration after the timer, the two case boxes exclusive.
TEST_F(PageDialogsTest, RolloverControlsBuildTheirParts)
{
    ui.fonts = {q("Zapf"), q("Arial")};
    auto* r = open<RolloverDialog>();
    EXPECT_EQ(r->Combo1->count(), 2);
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
}

// Before the first page properties OK the block waits in that dialog, not in the page.
TEST_F(PageDialogsTest, RolloverHandedToPagePropertiesBeforeTheirFirstOk)
{
    QPointer<RolloverDialog> r = open<RolloverDialog>();
    click(r->OKButton);
    auto* props = w->findChild<PagePropsDialog*>();
    ASSERT_TRUE(props);
    EXPECT_FALSE(props->isVisible());
    EXPECT_EQ(props->rolypoly, kDefaultBlock);
    props->unload();

    setPage(q("<HEAD>\r\n</HEAD>\r\n<BODY>"), 17, 6);
    props = open<PagePropsDialog>();
    r = rolloverFrom(props);
    r->Overline->click(); // ticked just before OK, the timer has not run
    click(r->OKButton);
    EXPECT_TRUE(unloaded(r));
    EXPECT_EQ(w->Text1->text(), q("<HEAD>\r\n</HEAD>\r\n<BODY>"));
    const QString block =
        QString(kDefaultBlock).replace(q("10px; "), q("10px; text-decoration: overline;"));
    click(props->OKButton);
    EXPECT_EQ(w->Text1->text(),
              q("<HEAD>\r\n") + block + q("\r\n</HEAD>\r\n") + kDefaultBody + q("\r\n\r\n\r\n"));
}

// After it the block goes in at once; with no place for it, nothing and both stay.
TEST_F(PageDialogsTest, RolloverWrittenIntoThePageAfterTheFirstOk)
{
    const std::pair<QString, QString> rows[] = {
        {q("<HEAD>\r\n</HEAD><BODY>"), q("<HEAD>\r\n") + kDefaultBlock + q("\r\n|</HEAD><BODY>")},
        {q("<BODY>"), q("[<BODY>]")},
    };
    for (const auto& [page, after] : rows) {
        setPage(page, 0, 0);
        QPointer<PagePropsDialog> props = open<PagePropsDialog>();
        props->firsttime = false;
        QPointer<RolloverDialog> r = rolloverFrom(props);
        setPage(page, int(page.indexOf(q("<BODY>"))), 6);
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
}

} // namespace
