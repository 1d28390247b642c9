// Buttons and menu entries that preset an insertion dialog and show it.
#include "CommandTest.h"
#include "dialogs/Fonty.h"
#include "dialogs/Imager.h"
#include "dialogs/TableCreater.h"

#include <QLineEdit>
#include <QPushButton>

using namespace orvel;
using orvel::test::crlf;

namespace {

class DialogOpenersTest : public orvel::test::CommandTest {
protected:
    QWidget* shown(const char* name) const
    {
        auto* d = w->findChild<QWidget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
        return d && d->isVisible() ? d : nullptr;
    }
};

TEST_F(DialogOpenersTest, ButtonsAndEntriesShowTheirDialog)
{
    const struct {
        const char* control;
        const char* dialog;
        const char* caption;
    } rows[] = {
        {"Images", "imager", "Insert Image"},
        {"imagea", "imager", "Insert Image"},
        {"table", "tablecreater", "Create Table: Orvel"},
        {"tableb", "tablecreater", "Create Table: Orvel"},
        {"Row", "tablecreater", "Insert Row"},
        {"rule", "hrule", "Insert Horizontal Rule: Orvel"},
        {"hra", "hrule", "Insert Horizontal Rule: Orvel"},
        {"object", "objecter", "Insert Object"},
        {"mnufont", "Fonty", "Font: Select text and perform operation - Orvel"},
        {"BeginFont", "Fonty", "Font: Select text and perform operation - Orvel"},
        {"btnmorefonts", "fontcombo", "Font: Orvel"},
    };
    for (const auto& r : rows) {
        setMarked("[x]");
        press(r.control);
        QWidget* d = shown(r.dialog);
        ASSERT_NE(d, nullptr) << r.control;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8(r.caption)) << r.control;
        d->close();
        QCoreApplication::processEvents();
    }
    // A second click brings the open dialog forward instead of making another.
    press("Images");
    press("Images");
    EXPECT_EQ(w->findChildren<ImagerDialog*>().size(), 1);
}

TEST_F(DialogOpenersTest, DialogsStillToComeKeepTheirEntriesDisabled)
{
    for (const char* name :
         {"linker", "Mail", "numberings", "Bullet", "InsertHead", "selecter", "puller"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    for (const char* menu : {"mnuhyperlink", "mnulinkmail", "numberinga", "bulleta", "mnuheading",
                             "Selecta", "pulldownlista"})
        EXPECT_FALSE(w->menuAction(QString::fromUtf8(menu))->isEnabled()) << menu;
}

TEST_F(DialogOpenersTest, RowModePresetsTheTableDialog)
{
    setMarked("<TABLE>\n|</TABLE>");
    press("rowa");
    auto* d = w->findChild<TableCreaterDialog*>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Insert Row"));
    EXPECT_EQ(d->btnCreateTbl->text(), QStringLiteral("Insert Row"));
    EXPECT_EQ(d->i->text(), QStringLiteral("1"));
    EXPECT_FALSE(d->rowUpDown->isVisibleTo(d));
    d->j->setText(QStringLiteral("3"));
    d->btnCreateTbl->click();
    EXPECT_EQ(marked(), crlf("<TABLE>\n<TR>\n <TD> row 1 col 1 </TD> \n <TD> row 1 col 2 </TD> \n"
                             " <TD> row 1 col 3 </TD> \n</TR>\n|</TABLE>"));
}

TEST_F(DialogOpenersTest, TableCommandInsertsTheDefaultTable)
{
    setMarked("<BODY>|</BODY>");
    press("table");
    auto* d = w->findChild<TableCreaterDialog*>();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->tableMode());
    d->btnCreateTbl->click();
    EXPECT_TRUE(w->Text1->text().startsWith(crlf(
        "<BODY><TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n<CAPTION></CAPTION>")));
    EXPECT_TRUE(marked().endsWith(crlf("</TR>\n</TABLE>\n|</BODY>")));
}

TEST_F(DialogOpenersTest, FontEditingWorksOnACopyOfTheSelection)
{
    setMarked("a [big] word");
    press("BeginFont");
    auto* d = w->findChild<FontyDialog*>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Text1->text(), QStringLiteral("big"));
    EXPECT_EQ(d->Text1->selLength(), 3);
    // The main window's selection is left alone until OK writes the copy back.
    EXPECT_EQ(marked(), QStringLiteral("a [big] word"));
    d->txtfontsize->setText(QStringLiteral("5"));
    d->Command1->click();
    d->OKButton->click();
    EXPECT_EQ(marked(), QStringLiteral("a <font size=\"5\">big</font>| word"));
}

} // namespace
