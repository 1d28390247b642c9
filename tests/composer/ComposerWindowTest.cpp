#include "composer/ComposerMarkup.h"
#include "composer/ComposerTest.h"
#include "editor/SourceWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

namespace orvel::test {

// Each fragment command's questions and fragment; two table rows and the others word for word.
TEST_F(ComposerTest, FragmentCommandsAskAndHandOn)
{
    struct Row {
        QString action;
        QStringList answers, prompts;
        QString fragment;
    };
    std::vector<Row> rows;
    for (const composer::TextFragment& f : composer::textFragments())
        rows.push_back({q(f.command), {q("x")}, {q(f.prompt)}, q(f.open) + u'x' + q(f.close)});
    for (const composer::NamedControl& n : composer::namedControls())
        rows.push_back({q(n.command), {q("n")}, {q(n.prompt)}, composer::namedControl(n, q("n"))});
    const QStringList highlight{q("Enter the 6 character RGB code for the highlight"),
                                q("Enter the text to be highlighted")};
    // clang-format off
    rows.insert(rows.end(), {
        {q("mnuStrike"), {q("gone")}, {q("Enter the text to be struck off")},
         q("<STRIKE>gone</STRIKE>")},
        {q("mnuBig"), {}, {q("Enter the text to be made big")}, {}},
        {q("mnutextbox"), {q("nm")}, {q("Please enter a name for the textbox")},
         q("<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"nm\">")},
        {q("mnusubmit"), {}, {q("Please enter a name for the submit button"),
                              q("Invalid name. Orvel will not proceed")}, {}},
        {q("mnutextarea"), {q("ta"), q("25"), q("10")}, {q("Please enter a name for the textarea"),
          q("Please enter the number of columns"), q("Please enter the number of rows")},
         q("<TEXTAREA Cols=\"25\" rows=\"10\" NAME=\"ta\" wrap=\"OFF\">\r\n\r\n</TEXTAREA>")},
        {q("mnuHighlight"), {q("ff00f"), q("x")},
         highlight + QStringList{q("Invalid value. The RGB code has 6 characters")}, {}},
        {q("mnuHighlight"), {q("ffff00"), q("x")}, highlight,
         q("<SPAN STYLE=\"BACKGROUND-COLOR: #ffff00\">x</SPAN>")},
    });
    // clang-format on
    for (const Row& r : rows) {
        ui.prompts.clear();
        for (const QString& a : r.answers)
            ui.answer(a);
        c->menuAction(r.action)->trigger();
        EXPECT_EQ(ui.promptTexts(), r.prompts) << r.action.toStdString();
        const QString fragment = handedFragment();
        EXPECT_EQ(fragment, r.fragment.isEmpty() ? QString() : r.fragment + q("\r\n"))
            << r.action.toStdString();
    }
    EXPECT_EQ(ui.unscripted, 2); // the two cancelled questions
    EXPECT_FALSE(c->area->isEdited());
}

TEST_F(ComposerTest, FieldsetAsksForItsLegend)
{
    ui.answer(MsgAnswer::No);
    trigger("mnufieldset");
    EXPECT_EQ(handedFragment(), q("<FIELDSET>\r\n\r\n</FIELDSET>\r\n"));
    ui.answer(MsgAnswer::Yes).answer(q("Legend"));
    trigger("mnufieldset");
    EXPECT_EQ(ui.lastPrompt().title, q("Enter the legend:"));
    EXPECT_EQ(ui.lastPrompt().defaultText, q("My Legend"));
    EXPECT_EQ(handedFragment(), q("<FIELDSET>\r\n<LEGEND>Legend</LEGEND>\r\n\r\n</FIELDSET>\r\n"));
}

// The four dialogs hand their markup to the side control under their own names and captions.
TEST_F(ComposerTest, DialogsHandTheirMarkupOn)
{
    trigger("mnuinserttable");
    auto* tbl = c->findChild<ComposerTableDialog*>(q("Composertbl"));
    ASSERT_TRUE(tbl);
    EXPECT_EQ(tbl->windowTitle(), q("Create Table"));
    tbl->i->setText(q("1"));
    tbl->j->setText(q("1"));
    tbl->txtcaption->setText(q("c"));
    tbl->btnCreateTbl->click();
    EXPECT_EQ(handedFragment(),
              q("<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \r\n"
                "<CAPTION>c</CAPTION>\r\n<TR>\r\n <TD> row 1 col 1 </TD> \r\n</TR>\r\n\r\n"
                "</TABLE>\r\n"));

    trigger("mnuheading");
    auto* head = c->findChild<ComposerHeadDialog*>(q("composerHead"));
    ASSERT_TRUE(head);
    head->cmblevel->setEditText(q("2"));
    head->cmbalign->setEditText(q("Center"));
    head->heading->setText(q("Word"));
    head->OKButton->click();
    EXPECT_EQ(handedFragment(), q("<H2 ALIGN=\"Center\">Word</H2>\r\n"));

    trigger("mnudropdown");
    auto* list = c->findChild<ComposerListBoxDialog*>(q("composerlistbox"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->windowTitle(), q("List Boxes"));
    EXPECT_TRUE(list->dropdown->isChecked());
    ui.answer(q("pick"));
    list->OKButton->click();
    EXPECT_EQ(handedFragment(), q("<SELECT NAME=\"pick\">\r\n</SELECT>\r\n"));
}

// The rule dialog reads No Shade from the source window's selection, even opened from here.
TEST_F(ComposerTest, RuleDialogReadsTheSourceSelection)
{
    SourceWindow* w = program->sourceWindow(true);
    w->Text1->setText(q("<HR NOSHADE>"));
    w->Text1->setSelStart(0);
    w->Text1->setSelLength(12);
    trigger("mnuhr");
    auto* rule = c->findChild<ComposerRuleDialog*>(q("composerhrule"));
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->windowTitle(), q("Horizontal Rule"));
    EXPECT_TRUE(rule->Check1->isChecked());
    rule->OKButton->click();
    EXPECT_EQ(handedFragment(), q("<HR NOSHADE>\r\n"));
    EXPECT_EQ(w->Text1->text(), q("<HR NOSHADE>"));
}

TEST_F(ComposerTest, SwitchesRoundTripThePageThroughItsFile)
{
    trigger("mnuhtml");
    EXPECT_EQ(ui.lastPrompt().title, q("Composer to HTML mode requires atleast one save"));
    EXPECT_EQ(source(), nullptr);

    const QString path = dir.filePath(q("page.html"));
    const QByteArray page = "<html><head>\n" + PageModes::kGeneratorOld.toUtf8() +
                            "\n</head>\n<body><p>Hello</p></body></html>";
    ASSERT_TRUE(writeFile(path, page));
    ui.answerFile(path);
    trigger("open");
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_EQ(c->windowTitle(), q("Orvel Composer: ") + path);

    for (const bool first : {true, false}) {
        ui.prompts.clear();
        trigger("mnuhtml");
        EXPECT_EQ(ui.promptTexts(), first ? QStringList{q("Transition from composer to HTML mode "
                                                          "or vice versa will automatically save "
                                                          "your page")}
                                          : QStringList{});
        SourceWindow* w = source();
        ASSERT_TRUE(w && w->isVisible());
        EXPECT_FALSE(c->isVisible());
        EXPECT_EQ(w->windowTitle(), q("Orvel Composer: ") + path);
        if (first) {
            EXPECT_EQ(fileBytes(path), page); // saved without an edit: the same bytes
            EXPECT_EQ(w->star->text(), QString());
            w->close(); // its close box brings the Composer back
        } else {
            w->Text1->setText(q("<html><body><p>Edited</p></body></html>"));
            w->menuAction(q("mnucomposer"))->trigger();
        }
        ASSERT_TRUE(waitLoaded(c->area));
        EXPECT_TRUE(c->isVisible());
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(fileBytes(path), QByteArray("<html><body><p>Edited</p></body></html>"));
    EXPECT_EQ(c->area->bodyHtml(), q("<p>Edited</p>"));
}

// A page the source window left alone is shown again as it stands, its undo steps with it.
TEST_F(ComposerTest, APageTheSourceWindowLeftAloneIsNotLoadedAgain)
{
    const QString path = dir.filePath(q("page.html"));
    ASSERT_TRUE(writeFile(path, "<p>Hello</p>\n"));
    ui.answerFile(path);
    trigger("open");
    ASSERT_TRUE(waitLoaded(c->area));
    c->area->typeText(q("A"));
    trigger("mnuhtml");
    ASSERT_TRUE(source() && source()->isVisible() && fileBytes(path).contains("A"));
    const quint64 loads = c->area->loads();
    source()->close();
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->area->loads(), loads);
    EXPECT_TRUE(c->area->bodyHtml().contains(q("A")));
}

TEST_F(ComposerTest, CancelAndFailureKeepThePath)
{
    ui.cancelFile();
    EXPECT_FALSE(c->saveas_Click());
    ui.answerFile(dir.path()); // a folder cannot be written as a page
    EXPECT_FALSE(c->saveas_Click());
    ui.cancelFile();
    trigger("open");
    EXPECT_EQ(c->saveme->text(), QString());
    ASSERT_EQ(ui.prompts.size(), 6);
    EXPECT_EQ(ui.prompts[1].text, ui.prompts[5].text);
    EXPECT_TRUE(ui.prompts[3].text.startsWith(q("Could not save")))
        << ui.prompts[3].text.toStdString();
    trigger("mnupreview");
    EXPECT_EQ(ui.lastPrompt().text, q("Please save file first"));
}

TEST_F(ComposerTest, CloseAsksAndYesEndsTheProgram)
{
    ui.answer(MsgAnswer::No);
    c->close();
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(ui.lastPrompt().defaultButton, MsgAnswer::No);
    ui.answer(MsgAnswer::Yes);
    trigger("exit");
    EXPECT_EQ(endProgramCalls, 1);
}

// A special character and a built fragment reach the page from the keyboard; New clears it.
TEST_F(ComposerTest, CharactersAndFragmentsGoIntoThePage)
{
    c->Combo3->textActivated(QString(QChar(0xA9)));
    ui.answer(q("b"));
    trigger("mnuBig");
    handedFragment();
    trigger("mnuinsertfragment");
    EXPECT_EQ(c->area->bodyHtml().trimmed(), q("<p>\u00A9<big>b</big></p>"));
    EXPECT_TRUE(c->area->isEdited());
    // The toolbar's Justify justifies.
    c->Toolbar1->findChild<QAction*>(q("Justify"))->trigger();
    EXPECT_EQ(c->area->evaluate(q("document.querySelector('p').style.textAlign")).toString(),
              q("justify"));
    // New asks before it throws the edits away.
    ui.answer(MsgAnswer::No);
    trigger("new");
    EXPECT_EQ(ui.lastPrompt().text, q("File not saved. Proceed?"));
    EXPECT_TRUE(c->area->isEdited());
    ui.answer(MsgAnswer::Yes);
    trigger("new");
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_EQ(c->windowTitle(), q("Orvel Composer: By Quorrin"));
    EXPECT_FALSE(c->area->isEdited());
}

} // namespace orvel::test
