// The form-control commands: counters and one undo step per command.
#include "CommandTest.h"

namespace {

using FormCommandsTest = orvel::test::CommandTest;

TEST_F(FormCommandsTest, NumbersCountUpUntilNew)
{
    const char* const upload = "<INPUT TYPE=\"FILE\" NAME=\"file1\" > ";
    setMarked("|");
    press("fileupload");
    press("fileupload");
    EXPECT_EQ(marked(), upload + QString(upload).replace(u'1', u'2') + u'|');
    newPage();
    setMarked("|");
    press("fileupload");
    EXPECT_EQ(marked(), upload + QString(u'|'));
}

// Rename and insert are one Ctrl+Z; the next takes back the typing before.
TEST_F(FormCommandsTest, OneCtrlZTakesBackAWholeCommand)
{
    const struct {
        const char* control;
        const char* before;
        QStringList answers;
    } rows[] = {{"Textbox", "<INPUT NAME=\"textbox1\">\n|", {}},
                {"textareaa", "area1 |", {"40", "5"}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        setMarked(r.before);
        w->Text1->document()->clearUndoRedoStacks();
        const QString untouched = w->Text1->text();
        w->Text1->setFocus();
        QTest::keyClicks(w->Text1, QStringLiteral("ab"));
        const QString typed = w->Text1->text();
        for (const QString& answer : r.answers)
            ui.answer(answer);
        press(r.control);
        ASSERT_TRUE(w->Text1->text().contains(QStringLiteral("1a"))) << "nothing was renamed";
        QTest::keyClick(w->Text1, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w->Text1->text(), typed);
        QTest::keyClick(w->Text1, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w->Text1->text(), untouched);
    }
}

} // namespace
