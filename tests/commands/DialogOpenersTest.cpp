// Buttons that preset an insertion dialog and show it without waiting for it.
#include "CommandTest.h"
#include "dialogs/BulNumCreater.h"
#include "dialogs/Fonty.h"
#include "dialogs/LinkComplete.h"
#include "dialogs/ListBox.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace orvel;

namespace {

class DialogOpenersTest : public orvel::test::CommandTest {
protected:
    // Presses `control` on `page` and returns the dialog it shows.
    template <class D> D* opened(const char* control, const char* page = "a [Home] b")
    {
        setMarked(page);
        press(control);
        auto* d = w->findChild<D*>();
        EXPECT_TRUE(d && d->isVisible()) << control;
        return d;
    }
    void unload(QWidget* d)
    {
        d->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// The openers without a preset of their own (the image, table, row and rule openers: the
// Assistant's tests).
TEST_F(DialogOpenersTest, ButtonsShowTheirDialog)
{
    const std::pair<const char*, const char*> rows[] = {
        {"object", "Insert Object"},
        {"btnmorefonts", "Font: Orvel"},
        {"InsertHead", "Insert Heading"},
    };
    for (const auto& [button, caption] : rows) {
        setMarked("[x]");
        press(button);
        QWidgetList shown;
        for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (d->isWindow() && d->isVisible())
                shown << d;
        ASSERT_EQ(shown.size(), 1) << button;
        EXPECT_EQ(shown[0]->windowTitle(), QString::fromUtf8(caption)) << button;
        shown[0]->close();
        QCoreApplication::processEvents();
    }
}

// Mail presets mail mode; a second click presets the open dialog anew.
TEST_F(DialogOpenersTest, LinkButtonsPresetTheHyperlinkDialog)
{
    auto* d = opened<LinkCompleteDialog>("Mail");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->txttodisplay->text(), QStringLiteral("Home"));
    EXPECT_TRUE(d->Option2->isChecked());
    QTest::keyClicks(d->mailid, QStringLiteral("me@x.org"));
    d->OKButton->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(marked(), QStringLiteral("a <A HREF=\"mailto:me@x.org\">Home</A>| b"));

    d = opened<LinkCompleteDialog>("linker", "[one] two");
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->Option2->isChecked());
    w->Text1->setSelStart(4);
    w->Text1->setSelLength(3);
    press("linker");
    EXPECT_EQ(w->findChildren<LinkCompleteDialog*>().size(), 1);
    EXPECT_EQ(d->txttodisplay->text(), QStringLiteral("two"));
}

TEST_F(DialogOpenersTest, FontEditingWorksOnACopyOfTheSelection)
{
    auto* d = opened<FontyDialog>("BeginFont", "a [big] word");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Text1->selText(), QStringLiteral("big"));
    EXPECT_EQ(d->Text1->text(), QStringLiteral("big"));
    EXPECT_EQ(marked(), QStringLiteral("a [big] word"));
}

TEST_F(DialogOpenersTest, ListButtonsPresetKindAndMode)
{
    for (const auto& [control, type] : {std::pair{"numberings", "1"}, {"Bullet", "disc"}}) {
        auto* d = opened<BulNumCreaterDialog>(control);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->type->currentItem()->text(), QString::fromUtf8(type)) << control;
        unload(d);
    }
    for (const auto& [control, listBox] : {std::pair{"selecter", true}, {"puller", false}}) {
        auto* d = opened<ListBoxDialog>(control);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->lister->isChecked(), listBox) << control;
        EXPECT_EQ(d->dropdown->isChecked(), !listBox) << control;
        EXPECT_EQ(d->UpDown1->isVisible(), listBox) << control;
        unload(d);
    }
}

} // namespace
