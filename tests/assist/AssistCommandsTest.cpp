// The Options-menu commands of the typing aids, through the source window's menu.
#include "assist/PageProperties.h"
#include "assist/SmartSelect.h"
#include "dialogs/FindReplace.h"
#include "dialogs/PageProps.h"
#include "dialogs/Rollover.h"
#include "editor/DefaultPage.h"
#include "help/Manual.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace orvel;
using namespace orvel::test;

namespace {

class AssistCommandsTest : public SourceWindowTest {
protected:
    void choose(const char* entry) { w->menuAction(QString::fromUtf8(entry))->trigger(); }
    PagePropsDialog* shownPageProps() const
    {
        auto* d = w->findChild<PagePropsDialog*>();
        return d && d->isVisible() ? d : nullptr;
    }
};

TEST_F(AssistCommandsTest, SmartSelectIsOneUndoStep)
{
    setPage(QStringLiteral("x <b>y"), 6);
    choose("mnusmartselect");
    EXPECT_EQ(marked(), QStringLiteral("|x <b>y>"));
    EXPECT_EQ(ui.promptTexts(), QStringList{kEndTagAddedMessage});
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("x <b>y"));
}

// The default page's lower-case BODY: one closing HEAD, the rollover block before it.
TEST_F(AssistCommandsTest, PagePropertiesOnTheDefaultPage)
{
    setPage(defaultPage(), 0);
    choose("mnupageproperties");
    PagePropsDialog* d = shownPageProps();
    ASSERT_TRUE(d);
    EXPECT_TRUE(w->Text1->selText().startsWith(QStringLiteral("<body  text=")));
    QTest::mouseClick(d->btnRollover, Qt::LeftButton);
    QTest::mouseClick(w->findChild<RolloverDialog*>()->OKButton, Qt::LeftButton);
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    const QString page = w->Text1->text();
    EXPECT_EQ(page.count(QStringLiteral("</HEAD>"), Qt::CaseInsensitive), 1);
    EXPECT_EQ(page.count(QStringLiteral("<BODY "), Qt::CaseInsensitive), 1);
    EXPECT_TRUE(page.contains(QStringLiteral("</style>\r\n</HEAD>\r\n<BODY  text=\"black\"")));
    EXPECT_TRUE(ui.prompts.isEmpty());

    // Opened again, the hidden dialog comes back with its settings.
    choose("mnupageproperties");
    EXPECT_EQ(shownPageProps(), d);
    EXPECT_FALSE(d->firsttime);
}

TEST_F(AssistCommandsTest, PagePropertiesWithoutBodyOrHead)
{
    setPage(QStringLiteral("<HTML>\r\n<P>x</HTML>"), 9);
    choose("mnupageproperties");
    EXPECT_EQ(ui.promptTexts(), QStringList({kBodyMissingMessage, kHeadMissingMessage}));
    EXPECT_EQ(ui.lastPrompt().title, kDefaultTitle);
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::None);
    EXPECT_EQ(shownPageProps(), nullptr);
    EXPECT_EQ(w->Text1->text(), QStringLiteral("<HTML>\r\n<P>x</HTML>"));
}

// On a page with CR LF, LF and CR ends, a command changes only its own characters.
TEST_F(AssistCommandsTest, CommandsKeepEachLinesEnd)
{
    const QByteArray page = "<html>\r\n<B>cat</B>\n<p>cat</p>\rcat\r\n<BODY x=\"cat\"";
    const QByteArray closed = page + ">";
    const struct {
        const char* entry;
        const char* caretAfter; // the caret goes after the last occurrence of this
        QByteArray saved;
    } cases[] = {
        {"mnusmartselect", "<BODY x", closed},
        {"mnuautodel", "<BODY x", closed},
        {"mnutruecorrect", "<BODY x", closed},
        {"mnupageproperties", "cat\r\n", closed},
        {"mnuReplace", "", QByteArray(page).replace("cat", "dog")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        openPage(page, int(page.lastIndexOf(c.caretAfter) + qstrlen(c.caretAfter)));
        choose(c.entry);
        if (auto* d = w->findChild<FindReplaceDialog*>(); d && d->isVisible()) {
            d->txtfind->setEditText(QStringLiteral("cat"));
            d->txtReplace->setEditText(QStringLiteral("dog"));
            QTest::mouseClick(d->btnReplaceAll, Qt::LeftButton);
        }
        ASSERT_TRUE(w->savePage());
        QFile saved(w->saveme->text());
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromLatin1(saved.readAll()), QString::fromLatin1(c.saved));
        ui.prompts.clear();
    }
}

TEST_F(AssistCommandsTest, PagePropertiesHelpButton)
{
    QStringList topics;
    w->links.showHelp = [&topics](const QString& topic) { topics << topic; };
    openPage(defaultPage().toUtf8());
    choose("mnupageproperties");
    PagePropsDialog* d = shownPageProps();
    ASSERT_TRUE(d);
    QTest::mouseClick(d->picthelpfile, Qt::LeftButton);
    EXPECT_EQ(topics, QStringList{QStringLiteral("Page Properties")});
    EXPECT_TRUE(Manual::builtIn().topic(topics.value(0)));
}

} // namespace
