#include "dialogs/ListBox.h"
#include "DialogTest.h"
#include "platform/Hint.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace orvel;
using namespace orvel::test;

namespace {

class ListBoxTest : public DialogTest {
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
    void addOption(ListBoxDialog* d, const QString& option)
    {
        d->text->setFocus();
        QTest::keyClicks(d->text, option);
        click(d->Set);
    }
    static void expectNamePrompt(const ScriptedPlatform::Prompt& p)
    {
        EXPECT_EQ(p.kind, ScriptedPlatform::PromptKind::Input);
        EXPECT_EQ(p.text, q("Enter the name for the form item you have chosen:"));
        EXPECT_EQ(p.title, q("Assistant: Orvel"));
        EXPECT_EQ(p.defaultText, QString());
    }
};

// Options in the order added, a list box's default one where it was added; the element replaces
// what is selected on the page at OK, with no line end after it.
TEST_F(ListBoxTest, OkWritesTheSelectElementOfTheMode)
{
    const struct {
        bool listBox;
        int ups;
        bool multiple;
        const char* markup;
    } rows[] = {
        {false, 0, false, "<SELECT NAME=\"colour\">\n<OPTION>red\n<OPTION>blue\n</SELECT>"},
        {true, 1, true,
         "<SELECT NAME=\"colour\" size=3 MULTIPLE>\n<OPTION>red\n<OPTION SELECTED>green\n"
         "<OPTION>blue\n</SELECT>"},
        {true, 0, false,
         "<SELECT NAME=\"colour\" size=2 >\n<OPTION>red\n<OPTION SELECTED>green\n<OPTION>blue\n"
         "</SELECT>"},
    };
    for (const auto& r : rows) {
        setPage(q("a<b>c"), 0, 1);
        QPointer<ListBoxDialog> d = openAs(r.listBox);
        addOption(d, q("red"));
        EXPECT_TRUE(d->text->hasFocus());
        EXPECT_EQ(d->text->text(), QString());
        if (r.listBox) {
            ui.answer(q("green"));
            QTest::mouseClick(d->default_, Qt::LeftButton);
        }
        addOption(d, q("blue"));
        for (int n = 0; n < r.ups; ++n)
            click(d->UpDown1->upButton());
        if (r.multiple)
            click(d->multipler);
        w->Text1->setSelStart(1);
        w->Text1->setSelLength(3);
        ui.answer(q("colour"));
        click(d->OKButton);
        EXPECT_EQ(marked(), u'a' + crlf(r.markup) + q("|c"));
        expectNamePrompt(ui.lastPrompt());
        EXPECT_TRUE(unloaded(d));
        ui.prompts.clear();
    }
    EXPECT_EQ(ui.unscripted, 0);
}

TEST_F(ListBoxTest, EmptyTextAsksBeforeAddingAnEmptyOption)
{
    auto* d = openAs(false);
    for (MsgAnswer a : {MsgAnswer::No, MsgAnswer::Yes}) {
        ui.answer(a);
        click(d->Set);
        const auto& p = ui.lastPrompt();
        EXPECT_EQ(p.text, q("No text is present. Fo you still want to proceed?"));
        EXPECT_EQ(p.title, q("Assistant: Orvel"));
        EXPECT_EQ(p.buttons, MsgButtons::YesNo);
        EXPECT_EQ(p.defaultButton, MsgAnswer::No);
        EXPECT_EQ(p.icon, MsgIcon::Question);
        EXPECT_EQ(d->List->text(), a == MsgAnswer::Yes ? q("<OPTION>\r\n") : QString());
    }
    // A line end typed into the text is a line end of the option.
    d->text->setFocus();
    QTest::keyClicks(d->text, q("a"));
    QTest::keyClick(d->text, Qt::Key_Return);
    QTest::keyClicks(d->text, q("b"));
    click(d->Set);
    EXPECT_EQ(d->List->text(), q("<OPTION>\r\n<OPTION>a\r\nb\r\n"));
    EXPECT_EQ(ui.prompts.size(), 2);
}

// One default option only: its caption goes once one is added and no mode switch brings it back.
TEST_F(ListBoxTest, DefaultOptionIsAskedForOnce)
{
    auto* d = openAs(true);
    ASSERT_TRUE(d->default_->isVisible());
    QTest::mouseClick(d->default_, Qt::LeftButton); // cancelled
    EXPECT_EQ(ui.lastPrompt().text, q("Enter the option to be selected by default"));
    EXPECT_EQ(ui.lastPrompt().title, q("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().defaultText, QString());
    EXPECT_TRUE(d->default_->isVisible());
    EXPECT_EQ(d->List->text(), QString());
    ui.answer(q("two words"));
    QTest::mouseClick(d->default_, Qt::LeftButton);
    EXPECT_EQ(d->List->text(), q("<OPTION SELECTED>two words\r\n"));
    EXPECT_FALSE(d->default_->isVisible());
    click(d->dropdown);
    click(d->lister);
    EXPECT_TRUE(d->multipler->isVisible());
    EXPECT_FALSE(d->default_->isVisible());
}

TEST_F(ListBoxTest, ModeButtonsShowTheListBoxControls)
{
    auto* d = openAs(false);
    const auto listControls = [d] {
        return std::array{d->multipler->isVisible(), d->default_->isVisible(),
                          d->UpDown1->isVisible()};
    };
    EXPECT_EQ(listControls(), (std::array{false, false, false}));
    click(d->lister);
    EXPECT_EQ(listControls(), (std::array{true, true, true}));
    click(d->multipler);
    EXPECT_EQ(d->multipleFragment(), q("MULTIPLE"));
    click(d->dropdown);
    EXPECT_EQ(listControls(), (std::array{false, false, false}));
    click(d->lister);
    click(d->multipler);
    EXPECT_EQ(d->multipleFragment(), QString());
}

// Without a name nothing is written and the dialog stays; with no options the body is empty.
TEST_F(ListBoxTest, NameIsRequired)
{
    setPage(q("x"), 1, 0);
    QPointer<ListBoxDialog> d = openAs(false);
    click(d->OKButton);
    ASSERT_EQ(ui.prompts.size(), 2);
    expectNamePrompt(ui.prompts[0]);
    const auto& p = ui.prompts[1];
    EXPECT_EQ(p.text, q("No valid name has been selected. Orvel will not proceed"));
    EXPECT_EQ(p.title, q("Orvel"));
    EXPECT_EQ(p.buttons, MsgButtons::Ok);
    EXPECT_EQ(p.icon, MsgIcon::None);
    EXPECT_EQ(marked(), q("x|"));
    ASSERT_FALSE(d.isNull());
    EXPECT_TRUE(d->isVisible());
    ui.answer(q("n"));
    click(d->OKButton);
    EXPECT_EQ(marked(), q("x<SELECT NAME=\"n\">\r\n</SELECT>|"));
    EXPECT_TRUE(unloaded(d));
}

TEST_F(ListBoxTest, CancelWritesNothing)
{
    setPage(q("page"), 0, 4);
    QPointer<ListBoxDialog> d = openAs(true);
    addOption(d, q("a"));
    click(d->CancelButton);
    EXPECT_TRUE(unloaded(d));
    EXPECT_EQ(marked(), q("[page]"));
}

// The captions under the pointer light up; the form empties the status bar and puts them back.
TEST_F(ListBoxTest, CaptionsLightUpUnderThePointer)
{
    auto* d = openAs(true);
    const QColor normal = d->default_->palette().color(QPalette::ButtonText);
    const QColor lit = d->default_->palette().color(QPalette::Highlight);
    ASSERT_NE(normal, lit);
    const auto colour = [](QWidget* w) { return w->palette().color(w->foregroundRole()); };
    EXPECT_EQ(hintOf(d->default_), q("Enter the option that's to be selected by default"));
    EXPECT_EQ(colour(d->default_), lit);
    EXPECT_EQ(hintOf(d->multipler), q("Allow more than one options to be selected"));
    EXPECT_EQ(colour(d->multipler), lit);
    EXPECT_EQ(hintOf(d), QString());
    EXPECT_EQ(colour(d->default_), normal);
    EXPECT_EQ(colour(d->multipler), normal);
}

} // namespace
