// The form list dialog and the bullets and numbering dialog.
#include "DialogTest.h"
#include "dialogs/BulNumCreater.h"
#include "dialogs/Fonty.h"
#include "dialogs/ListBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>

using namespace orvel;
using namespace orvel::test;

namespace {

class ListDialogsTest : public DialogTest {
protected:
    ListBoxDialog* openAs(bool listBox)
    {
        auto* d = dialogFor<ListBoxDialog>(pageTarget());
        if (listBox)
            d->presetListBox();
        else
            d->presetDropDown();
        return open<ListBoxDialog>();
    }
    BulNumCreaterDialog* openAs(ListKind kind)
    {
        dialogFor<BulNumCreaterDialog>(pageTarget())->preset(kind);
        return open<BulNumCreaterDialog>();
    }
    void addOption(ListBoxDialog* d, const QString& option)
    {
        d->text->setFocus();
        QTest::keyClicks(d->text, option);
        click(d->Set);
    }
    // Kind, title, text, buttons, icon, default button and default text of a prompt.
    static auto seen(const ScriptedPlatform::Prompt& p)
    {
        return std::tuple(p.kind, p.title, p.text, p.buttons, p.icon, p.defaultButton,
                          p.defaultText);
    }
    static auto asked(const char* text)
    {
        return std::tuple(ScriptedPlatform::PromptKind::Input, q("Assistant: Orvel"), q(text),
                          MsgButtons::Ok, MsgIcon::None, MsgAnswer::Ok, QString());
    }
    static constexpr const char* kNamePrompt = "Enter the name for the form item you have chosen:";
};

// Options in order; the element replaces the page's selection at OK, no line end after.
TEST_F(ListDialogsTest, OkWritesTheSelectElementOfTheMode)
{
    const std::pair<bool, const char*> rows[] = {
        {false, "<SELECT NAME=\"colour\">\n<OPTION>red\n<OPTION>blue\n</SELECT>"},
        {true, "<SELECT NAME=\"colour\" size=3 MULTIPLE>\n<OPTION>red\n<OPTION SELECTED>green\n"
               "<OPTION>blue\n</SELECT>"},
    };
    for (const auto& [listBox, markup] : rows) {
        setPage(q("a<b>c"), 0, 1);
        QPointer<ListBoxDialog> d = openAs(listBox);
        addOption(d, q("red"));
        EXPECT_TRUE(d->text->hasFocus());
        EXPECT_EQ(d->text->text(), QString());
        if (listBox) {
            ui.answer(q("green"));
            QTest::mouseClick(d->default_, Qt::LeftButton);
            click(d->UpDown1->upButton());
            click(d->multipler);
        }
        addOption(d, q("blue"));
        w->Text1->setSelStart(1);
        w->Text1->setSelLength(3);
        ui.answer(q("colour"));
        click(d->OKButton);
        EXPECT_EQ(marked(), u'a' + crlf(markup) + q("|c"));
        EXPECT_EQ(seen(ui.lastPrompt()), asked(kNamePrompt));
        EXPECT_TRUE(unloaded(d));
        ui.prompts.clear();
    }
    EXPECT_EQ(ui.unscripted, 0);
}

// A line end typed into the text is a line end of the option.
TEST_F(ListDialogsTest, EmptyTextAsksBeforeAddingAnEmptyOption)
{
    auto* d = openAs(false);
    for (MsgAnswer a : {MsgAnswer::No, MsgAnswer::Yes}) {
        ui.answer(a);
        click(d->Set);
        EXPECT_EQ(seen(ui.lastPrompt()),
                  std::tuple(ScriptedPlatform::PromptKind::Message, q("Assistant: Orvel"),
                             q("No text is present. Fo you still want to proceed?"),
                             MsgButtons::YesNo, MsgIcon::Question, MsgAnswer::No, QString()));
        EXPECT_EQ(d->List->text(), a == MsgAnswer::Yes ? q("<OPTION>\r\n") : QString());
    }
    d->text->setFocus();
    QTest::keyClicks(d->text, q("a"));
    QTest::keyClick(d->text, Qt::Key_Return);
    QTest::keyClicks(d->text, q("b"));
    click(d->Set);
    EXPECT_EQ(d->List->text(), q("<OPTION>\r\n<OPTION>a\r\nb\r\n"));
    EXPECT_EQ(shown().size(), 2u);
}

// List box controls in that mode only; the default option is asked for once.
TEST_F(ListDialogsTest, DefaultOptionIsAskedForOnce)
{
    auto* d = openAs(false);
    EXPECT_FALSE(d->multipler->isVisible() || d->default_->isVisible() || d->UpDown1->isVisible());
    click(d->lister);
    EXPECT_TRUE(d->multipler->isVisible() && d->default_->isVisible() && d->UpDown1->isVisible());
    QTest::mouseClick(d->default_, Qt::LeftButton); // cancelled
    EXPECT_EQ(seen(ui.lastPrompt()), asked("Enter the option to be selected by default"));
    EXPECT_TRUE(d->default_->isVisible());
    EXPECT_EQ(d->List->text(), QString());
    ui.answer(q("two words"));
    QTest::mouseClick(d->default_, Qt::LeftButton);
    EXPECT_EQ(d->List->text(), q("<OPTION SELECTED>two words\r\n"));
    EXPECT_FALSE(d->default_->isVisible());
    click(d->dropdown);
    EXPECT_FALSE(d->multipler->isVisible());
    click(d->lister);
    EXPECT_TRUE(d->multipler->isVisible());
    EXPECT_FALSE(d->default_->isVisible());
}

// Without a name nothing is written and the dialog stays; with no options the body is empty.
TEST_F(ListDialogsTest, NameIsRequired)
{
    setPage(q("x"), 1, 0);
    QPointer<ListBoxDialog> d = openAs(false);
    click(d->OKButton);
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_EQ(seen(ui.prompts[0]), asked(kNamePrompt));
    EXPECT_EQ(seen(ui.prompts[1]),
              std::tuple(ScriptedPlatform::PromptKind::Message, q("Orvel"),
                         q("No valid name has been selected. Orvel will not proceed"),
                         MsgButtons::Ok, MsgIcon::None, MsgAnswer::Ok, QString()));
    ui.prompts.clear();
    EXPECT_EQ(marked(), q("x|"));
    ASSERT_FALSE(unloaded(d));
    ui.answer(q("n"));
    click(d->OKButton);
    EXPECT_EQ(marked(), q("x<SELECT NAME=\"n\">\r\n</SELECT>|"));
    EXPECT_TRUE(unloaded(d));
}

// The list replaces the page's selection at the click; caret and focus after it.
TEST_F(ListDialogsTest, ListButtonWritesTheListItsCaptionNames)
{
    const struct {
        ListKind kind;
        int typeRow;
        const char* typed; // nullptr: stepped up from 1 twice, down once
        const char* list;
    } rows[] = {
        {ListKind::Numbered, 1, "2", "<OL TYPE=\"A\">\n<LI> Point1\n<LI> Point2\n</OL>\n"},
        {ListKind::Bulleted, 2, nullptr,
         "<UL TYPE=\"square\"> \n<LI> Point1\n<LI> Point2\n</UL>\n"},
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
}

// A second opener turns the open dialog into the other kind; the count stays.
TEST_F(ListDialogsTest, PresetReplacesTheTypesAndTheKind)
{
    setPage(QString());
    QPointer<BulNumCreaterDialog> d = open<BulNumCreaterDialog>();
    click(d->btnbulnumcreater);
    EXPECT_TRUE(unloaded(d));
    EXPECT_EQ(w->Text1->text(), QString());
    d = openAs(ListKind::Bulleted);
    retype(d->txtbulnumcreater, q("3"));
    d->type->setCurrentRow(2);
    EXPECT_EQ(dialogFor<BulNumCreaterDialog>(pageTarget()), d);
    d->preset(ListKind::Numbered);
    EXPECT_EQ(d->type->count(), 5);
    EXPECT_EQ(d->type->currentItem()->text(), q("1"));
    click(d->btnbulnumcreater);
    EXPECT_EQ(w->Text1->text(), crlf("<OL TYPE=\"1\">\n<LI> Point1\n<LI> Point2\n<LI> Point3\n"
                                     "</OL>\n"));
}

TEST_F(ListDialogsTest, CountBeyondTheCounterIsRefused)
{
    setPage(q("x"), 1, 0);
    QPointer<BulNumCreaterDialog> d = openAs(ListKind::Bulleted);
    d->txtbulnumcreater->setText(q("999999999999"));
    click(d->btnbulnumcreater);
    EXPECT_EQ(marked(), q("x|"));
    EXPECT_EQ(shown(),
              ShownList({{q("Assistant: Orvel"),
                          q("The list would have more than 32767 items. Specify fewer items"),
                          MsgIcon::Exclamation}}));
    ASSERT_FALSE(unloaded(d));
    EXPECT_TRUE(d->isVisible());
}

TEST_F(ListDialogsTest, OnlyThePageBoxIsASourceView)
{
    openAs(true);
    open<FontyDialog>();
    QList<TextBox*> boxes;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* box = qobject_cast<TextBox*>(widget))
            boxes << box;
    ASSERT_EQ(boxes.size(), 4);
    for (TextBox* box : boxes) {
        const bool page = box == w->Text1;
        EXPECT_EQ(box->gutter() != nullptr, page) << box->objectName().toStdString();
        EXPECT_EQ(box->highlighter() != nullptr, page);
        EXPECT_EQ(box->extraSelections().isEmpty(), !page);
    }
}

} // namespace
