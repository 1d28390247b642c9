#include "dialogs/PageProps.h"
#include "DialogTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>

using namespace orvel;
using namespace orvel::test;

namespace {

const QString kDefaultBody = q("<BODY  text=\"black\" bgcolor=\"white\" link=\"blue\" "
                               "vlink=\"maroon\" alink=\"red\"> ");

class PagePropsTest : public DialogTest {
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
};

// The first OK of the run closes the HEAD; the dialog only hides and keeps its settings, and the
// second OK writes the BODY tag alone.
TEST_F(PagePropsTest, FirstOkClosesTheHeadSecondWritesTheBodyAlone)
{
    setPage(q("<HTML>\r\n<BODY>\r\n</HTML>"), 8, 6);
    QPointer<PagePropsDialog> d = open<PagePropsDialog>();
    click(d->OKButton);
    EXPECT_EQ(marked(), q("<HTML>\r\n</HEAD>\r\n") + kDefaultBody + q("\r\n\r\n\r\n|\r\n</HTML>"));
    EXPECT_TRUE(d->isHidden());
    EXPECT_EQ(w->findChild<PagePropsDialog*>(), d.data());
    EXPECT_FALSE(d->firsttime);

    d->Text2->setText(q("navy"));
    setPage(q("<HTML>\r\n<BODY>\r\n</HTML>"), 8, 6);
    EXPECT_EQ(open<PagePropsDialog>(), d.data());
    d->rolypoly = q("<style rolloverstyle>A:hover {}</style>");
    click(d->OKButton);
    EXPECT_EQ(marked(), q("<HTML>\r\n") + QString(kDefaultBody).replace(q("white"), q("navy")) +
                            q("\r\n\r\n\r\n|\r\n</HTML>"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A page that already closes its HEAD before the BODY tag keeps that one closing tag; the waiting
// rollover block goes in front of it. Both changes are one undo step.
TEST_F(PagePropsTest, FirstOkKeepsAnExistingHeadEnd)
{
    const QString block = q("<style rolloverstyle>A:hover {x}</style>");
    const std::pair<QString, const char*> rows[] = {
        {QString(), "<HEAD>\r\n</HEAD>\r\n"},
        {block, "<HEAD>\r\n<style rolloverstyle>A:hover {x}</style>\r\n</HEAD>\r\n"},
    };
    for (const auto& [rolypoly, head] : rows) {
        setPage(q("<HEAD>\r\n</HEAD>\r\n<body bgcolor=x>\r\nhi"), 17, 16);
        QPointer<PagePropsDialog> d = open<PagePropsDialog>();
        d->rolypoly = rolypoly;
        click(d->OKButton);
        EXPECT_EQ(marked(), q(head) + kDefaultBody + q("\r\n\r\n\r\n|\r\nhi"));
        w->Text1->undo();
        EXPECT_EQ(w->Text1->text(), q("<HEAD>\r\n</HEAD>\r\n<body bgcolor=x>\r\nhi"));
        d->unload();
    }
}

TEST_F(PagePropsTest, PictureWatermarkAndCancelledBrowse)
{
    setPage(q("<BODY>"), 0, 6);
    auto* d = open<PagePropsDialog>();
    EXPECT_FALSE(d->Text6->isEnabled() || d->Command1->isEnabled() || d->Check2->isEnabled());
    click(d->Check1);
    ASSERT_TRUE(d->Text6->isEnabled() && d->Command1->isEnabled() && d->Check2->isEnabled());
    ui.answerFile(q("c:/pics/sky.jpg")).cancelFile().answerFile(q("*.jpg"));
    for (int i = 0; i < 3; ++i)
        click(d->Command1);
    EXPECT_EQ(d->Text6->text(), q("c:/pics/sky.jpg"));
    EXPECT_EQ(ui.prompts.size(), 3);
    EXPECT_EQ(ui.lastPrompt().file.title, q("Choose background image"));
    EXPECT_EQ(ui.lastPrompt().file.fileName, q("*.jpg"));
    click(d->Check2);
    EXPECT_EQ(page::bodyTag(d->fields()),
              q("<BODY bgproperties=\"fixed\" background=\"c:/pics/sky.jpg\"  text=\"black\" "
                "bgcolor=\"white\" link=\"blue\" vlink=\"maroon\" alink=\"red\"> "));
    // Unticked, the picture is out of the tag, though its boxes keep their entries.
    click(d->Check1);
    EXPECT_EQ(page::bodyTag(d->fields()), kDefaultBody);
    // A typed location counts as well as a browsed one.
    click(d->Check1);
    retype(d->Text6, q("b.gif"));
    EXPECT_EQ(d->fields().background, q(" background=\"b.gif\" "));
}

// Until the first step the margins are left out; stepped back to 0 they are written.
TEST_F(PagePropsTest, MarginsOnceStepped)
{
    auto* d = open<PagePropsDialog>();
    click(d->UpDown1->downButton());
    EXPECT_EQ(d->fields().topMargin, QString());
    for (UpDown* u : {d->UpDown1, d->UpDown2})
        click(u->upButton());
    click(d->UpDown1->downButton());
    EXPECT_EQ(d->fields().topMargin, q(" topmargin=\"0\""));
    EXPECT_EQ(d->fields().leftMargin, q(" leftmargin=\"1\""));
}

// The sound follows its source and loop count; an emptied source takes it out.
TEST_F(PagePropsTest, SoundGoesAfterTheBodyTag)
{
    setPage(q("<HTML>\r\n<BODY>"), 8, 6);
    auto* d = open<PagePropsDialog>();
    d->firsttime = false;
    ui.cancelFile().answerFile(q("*.wav")).answerFile(q("c:/a.wav"));
    for (int i = 0; i < 3; ++i)
        click(d->Command2);
    EXPECT_EQ(ui.lastPrompt().file.title, q("Insert Background Sound"));
    EXPECT_EQ(ui.lastPrompt().file.fileName, q("*.wav"));
    EXPECT_EQ(d->soundFragment, q("<bgsound src=\"c:/a.wav\" loop=\"-1\">"));
    click(d->UpDown3->upButton());
    click(d->UpDown3->upButton());
    EXPECT_EQ(d->soundFragment, q("<bgsound src=\"c:/a.wav\" loop=\"1\">"));
    click(d->OKButton);
    EXPECT_EQ(marked(), q("<HTML>\r\n") + kDefaultBody +
                            q("\r\n<bgsound src=\"c:/a.wav\" loop=\"1\">\r\n\r\n|"));
    d->Text9->clear();
    EXPECT_EQ(d->soundFragment, QString());
}

TEST_F(PagePropsTest, ColourBoxesTakeTheColourDraggedFromTheList)
{
    auto* d = open<PagePropsDialog>();
    d->Combo2->setCurrentIndex(d->Combo2->findText(q("teal")));
    for (QLineEdit* box : {d->Text3, d->Text5}) {
        EXPECT_TRUE(dropColour(d, box));
        EXPECT_EQ(box->text(), q("teal"));
    }
    d->Combo2->setEditText(q("#C0FFEE"));
    EXPECT_TRUE(dropColour(d, d->Text1));
    EXPECT_EQ(d->fields().text, q("#C0FFEE"));
    EXPECT_EQ(d->fields().alink, q("red"));
    // Other boxes are no drop targets for a colour.
    QMimeData colour;
    colour.setData(q("application/x-orvel-colour"), "teal");
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &colour, Qt::LeftButton, {});
    QCoreApplication::sendEvent(d->Text9, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

// Closing the window unloads it: the next opening starts over, first time again.
TEST_F(PagePropsTest, ClosingUnloads)
{
    QPointer<PagePropsDialog> d = open<PagePropsDialog>();
    d->firsttime = false;
    d->close();
    EXPECT_TRUE(unloaded(d));
    EXPECT_TRUE(dialogFor<PagePropsDialog>(pageTarget())->firsttime);
}

} // namespace
