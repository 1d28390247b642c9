// The object dialog: flags, the number boxes, the fallback text, browsing and OK.
#include "dialogs/Objecter.h"
#include "platform/Hint.h"
#include "support/Fixtures.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <vector>

using namespace orvel;

namespace {

class ObjecterTest : public orvel::test::SourceWindowTest {
protected:
    ObjecterDialog* open()
    {
        auto* d = w->form<ObjecterDialog>();
        d->show();
        // Offscreen, a window is activated only once it is exposed.
        (void)QTest::qWaitForWindowExposed(d);
        d->activateWindow();
        (void)QTest::qWaitForWindowActive(d);
        return d;
    }
    // Clicks the box on its indicator: the middle of a wide box is outside its click area.
    static void tick(QCheckBox* c)
    {
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, c->height() / 2));
    }
    static QString embed(const char* flags)
    {
        const QStringList f = QString::fromLatin1(flags).split(u' ');
        return QStringLiteral(R"(<EMBED src="m.mid" CONTROLLER="%1"  AUTOSTART="%2" LOOP="%3" )"
                              R"(WIDTH="75" HEIGHT="10" VOLUME="50"> <noembed>)"
                              "Sorry pal, there's no object for you.</noembed>")
            .arg(f[0], f[1], f[2]);
    }
};

TEST_F(ObjecterTest, LoadsWithDefaultsAndItsStatusText)
{
    ObjecterDialog* d = open();
    EXPECT_EQ(d->objectName(), QStringLiteral("objecter"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Insert Object"));
    EXPECT_EQ(d->StatusBar1->currentMessage(),
              QStringLiteral("Insert Objects. Objects are not widely supported."));
    const QStringList texts{d->src->text(),    d->Widther->text(), d->Heighter->text(),
                            d->Volume->text(), d->NoEmbed->text(), d->Loopa->text()};
    EXPECT_EQ(texts.join(u'|'),
              QStringLiteral("|75|10|50|Sorry pal, there's no object for you.|Loop"));
    EXPECT_EQ(d->controllerFlag + d->autostartFlag + d->loopFlag,
              QStringLiteral("FALSEFALSEFALSE"));
    EXPECT_EQ(hintOf(d->controller),
              QStringLiteral(
                  "Check if you want the viewer to have the controls/ controls will be visible"));
    EXPECT_EQ(hintOf(d->OKButton), QStringLiteral("Insert object with chosen settings"));
}

TEST_F(ObjecterTest, OkInsertsEmbedWithFlagsAndUnloads)
{
    struct Row {
        std::vector<QCheckBox * ObjecterDialog::*> clicked;
        const char* flags;
    };
    const Row rows[] = {
        {{}, "FALSE FALSE FALSE"},
        {{&ObjecterDialog::controller, &ObjecterDialog::Autostart}, "TRUE TRUE FALSE"},
        {{&ObjecterDialog::Loopa}, "FALSE FALSE TRUE"},
        // Ticked and unticked again.
        {{&ObjecterDialog::Loopa, &ObjecterDialog::Loopa}, "FALSE FALSE FALSE"},
    };
    for (const Row& r : rows) {
        setPage(QStringLiteral("a<x>b"), 1, 3);
        QPointer<ObjecterDialog> d = open();
        QTest::keyClicks(d->src, QStringLiteral("m.mid"));
        for (auto box : r.clicked)
            tick(d->*box);
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        EXPECT_EQ(marked().toStdString(),
                  (u'a' + embed(r.flags) + QStringLiteral("|b")).toStdString());
        EXPECT_EQ(w->findChild<ObjecterDialog*>(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(d.isNull());
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(ObjecterTest, EmptySourceIsRefusedAndCancelUnloads)
{
    setPage(QStringLiteral("page"), 1, 2);
    ObjecterDialog* d = open();
    d->OKButton->setFocus();
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(marked(), QStringLiteral("p[ag]e"));
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text,
              QStringLiteral("No URL selected. Please choose a valid Object"));
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
    EXPECT_TRUE(d->src->hasFocus());
    EXPECT_EQ(w->findChild<ObjecterDialog*>(), d);

    QPointer<ObjecterDialog> gone = d;
    QTest::mouseClick(d->CancelButton, Qt::LeftButton);
    EXPECT_EQ(w->findChild<ObjecterDialog*>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(marked(), QStringLiteral("p[ag]e"));
}

TEST_F(ObjecterTest, EmptiedFallbackTextComesBackWhenLeft)
{
    setPage(QString());
    ObjecterDialog* d = open();
    d->src->setText(QStringLiteral("m.mid"));
    d->NoEmbed->setFocus();
    d->NoEmbed->selectAll();
    QTest::keyClick(d->NoEmbed, Qt::Key_Delete);
    EXPECT_EQ(d->NoEmbed->text(), QString());
    // Clicking OK takes the focus from the box before OK runs.
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(w->Text1->text().toStdString(), embed("FALSE FALSE FALSE").toStdString());
}

TEST_F(ObjecterTest, NumberBoxesRefuseLettersWithTheirFallbacks)
{
    ObjecterDialog* d = open();
    const std::pair<QLineEdit*, const char*> rows[] = {
        {d->Volume, "50"}, {d->Widther, "75"}, {d->Heighter, "10"}};
    for (const auto& [box, fallback] : rows) {
        ui.prompts.clear();
        box->setText(QStringLiteral("120"));
        QTest::keyClicks(box, QStringLiteral("k"));
        EXPECT_EQ(box->text(), QString::fromLatin1(fallback));
        ASSERT_EQ(ui.prompts.size(), 1);
        EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Invalid Entry. Specify a valid number"));
        EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
        box->clear();
        EXPECT_EQ(box->text(), QString::fromLatin1(fallback));
    }
}

TEST_F(ObjecterTest, BrowseHasNoTitleAndCancelKeepsTheSource)
{
    ObjecterDialog* d = open();
    ui.answerFile(QStringLiteral("/media/m.mid"));
    QTest::mouseClick(d->brw, Qt::LeftButton);
    EXPECT_EQ(d->src->text(), QStringLiteral("/media/m.mid"));
    EXPECT_EQ(ui.lastPrompt().title, QString());
    d->src->setText(QStringLiteral("song.mid"));
    ui.cancelFile();
    d->brw_Click();
    EXPECT_EQ(d->src->text(), QStringLiteral("song.mid"));
    EXPECT_EQ(ui.prompts.size(), 2);
}

} // namespace
