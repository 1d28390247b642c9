#include "dialogs/BulNumCreater.h"
#include "DialogTest.h"

#include <QListWidget>

using namespace orvel;
using namespace orvel::test;

namespace {

class BulNumCreaterTest : public DialogTest {
protected:
    BulNumCreaterDialog* openAs(ListKind kind)
    {
        auto* d = dialogFor<BulNumCreaterDialog>(pageTarget());
        d->preset(kind);
        return open<BulNumCreaterDialog>();
    }
};

// The count is typed or stepped; the list replaces whatever is selected on the page when the
// button is clicked, the caret after it.
TEST_F(BulNumCreaterTest, ButtonWritesTheListItsCaptionNames)
{
    const struct {
        ListKind kind;
        int typeRow;
        const char* typed; // nullptr: stepped up from 1 twice, down once
        const char* list;
    } rows[] = {
        {ListKind::Numbered, 1, "2", "<OL TYPE=\"A\">\n<LI> Point1\n<LI> Point2\n</OL>\n"},
        {ListKind::Bulleted, 2, "1", "<UL TYPE=\"square\"> \n<LI> Point1\n</UL>\n"},
        {ListKind::Numbered, 0, "0", "<OL TYPE=\"1\">\n</OL>\n"},
        {ListKind::Bulleted, 0, nullptr, "<UL TYPE=\"disc\"> \n<LI> Point1\n<LI> Point2\n</UL>\n"},
    };
    for (const auto& r : rows) {
        setPage(crlf("ab\ncd"), 0, 1);
        QPointer<BulNumCreaterDialog> d = openAs(r.kind);
        d->type->setCurrentRow(r.typeRow);
        if (r.typed) {
            retype(d->txtbulnumcreater, q(r.typed));
        } else {
            for (bool up : {true, true, false})
                click(up ? d->bulnumcreaterUpDown->upButton()
                         : d->bulnumcreaterUpDown->downButton());
        }
        w->Text1->setSelStart(4);
        w->Text1->setSelLength(2);
        w->helper->setFocus();
        click(d->btnbulnumcreater);
        EXPECT_EQ(marked(), crlf("ab\n") + crlf(r.list) + u'|');
        EXPECT_EQ(w->focusWidget(), w->Text1);
        EXPECT_TRUE(unloaded(d));
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A second opener on the open dialog turns it into the other kind; the count stays.
TEST_F(BulNumCreaterTest, PresetReplacesTheTypesAndTheKind)
{
    setPage(QString());
    auto* d = openAs(ListKind::Bulleted);
    retype(d->txtbulnumcreater, q("3"));
    d->type->setCurrentRow(2);
    EXPECT_EQ(dialogFor<BulNumCreaterDialog>(pageTarget()), d);
    d->preset(ListKind::Numbered);
    EXPECT_EQ(d->type->count(), 5);
    EXPECT_EQ(d->type->currentItem()->text(), q("1"));
    EXPECT_EQ(d->windowTitle(), q("Numbering"));
    click(d->btnbulnumcreater);
    EXPECT_EQ(w->Text1->text(), crlf("<OL TYPE=\"1\">\n<LI> Point1\n<LI> Point2\n<LI> Point3\n"
                                     "</OL>\n"));
}

// Pasted digits pass the filter whatever their number; a list the item counter cannot hold is
// refused and the dialog stays for a smaller count.
TEST_F(BulNumCreaterTest, CountBeyondTheCounterIsRefused)
{
    setPage(q("x"), 1, 0);
    for (const char* count : {"32768", "999999999999"}) {
        QPointer<BulNumCreaterDialog> d = openAs(ListKind::Bulleted);
        d->txtbulnumcreater->setText(q(count));
        click(d->btnbulnumcreater);
        EXPECT_EQ(marked(), q("x|"));
        ASSERT_FALSE(d.isNull());
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(ui.prompts.size(), 1);
        EXPECT_EQ(ui.lastPrompt().text,
                  q("The list would have more than 32767 items. Specify fewer items"));
        EXPECT_EQ(ui.lastPrompt().title, q("Assistant: Orvel"));
        EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Exclamation);
        ui.prompts.clear();
        d->unload();
    }
    auto* d = openAs(ListKind::Bulleted);
    d->txtbulnumcreater->setText(q("32767"));
    click(d->btnbulnumcreater);
    EXPECT_TRUE(w->Text1->text().endsWith(q("<LI> Point32767\r\n</UL>\r\n")));
}

// Closing the window discards the dialog; without an opener the button only unloads it.
TEST_F(BulNumCreaterTest, ClosingOrAnUnsetButtonWritesNothing)
{
    setPage(q("page"), 0, 4);
    QPointer<BulNumCreaterDialog> d = openAs(ListKind::Numbered);
    d->close();
    EXPECT_TRUE(unloaded(d));
    d = open<BulNumCreaterDialog>();
    click(d->btnbulnumcreater);
    EXPECT_TRUE(unloaded(d));
    EXPECT_EQ(marked(), q("[page]"));
}

} // namespace
