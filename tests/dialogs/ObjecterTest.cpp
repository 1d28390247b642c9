#include "dialogs/Objecter.h"
#include "DialogTest.h"

#include <QCheckBox>
#include <vector>

using namespace orvel;
using namespace orvel::test;

namespace {

QString embed(const char* flags)
{
    const QStringList f = q(flags).split(u' ');
    return q(R"(<EMBED src="m.mid" CONTROLLER="%1"  AUTOSTART="%2" LOOP="%3" )"
             R"(WIDTH="75" HEIGHT="10" VOLUME="50"> <noembed>)"
             "Sorry pal, there's no object for you.</noembed>")
        .arg(f[0], f[1], f[2]);
}

class ObjecterTest : public DialogTest {
protected:
    // Clicks the box on its indicator: the middle of a wide box is outside its click area.
    static void tick(QCheckBox* c)
    {
        QTest::mouseClick(c, Qt::LeftButton, {}, {6, c->height() / 2});
    }
};

TEST_F(ObjecterTest, OkInsertsEmbedWithFlagsAndUnloads)
{
    const std::pair<std::vector<QCheckBox * ObjecterDialog::*>, const char*> rows[] = {
        {{}, "FALSE FALSE FALSE"},
        {{&ObjecterDialog::controller, &ObjecterDialog::Autostart}, "TRUE TRUE FALSE"},
        {{&ObjecterDialog::Loopa}, "FALSE FALSE TRUE"},
        {{&ObjecterDialog::Loopa, &ObjecterDialog::Loopa}, "FALSE FALSE FALSE"}};
    for (const auto& [clicked, flags] : rows) {
        setPage(q("a<x>b"), 1, 3);
        QPointer<ObjecterDialog> d = open<ObjecterDialog>();
        QTest::keyClicks(d->src, q("m.mid"));
        for (auto box : clicked)
            tick(d->*box);
        click(d->OKButton);
        EXPECT_EQ(marked(), u'a' + embed(flags) + q("|b"));
        EXPECT_TRUE(unloaded(d));
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A cancelled browse keeps the source as it was; the file dialog has no title.
TEST_F(ObjecterTest, EmptySourceIsRefusedUntilBrowsed)
{
    setPage(q("page"), 1, 2);
    QPointer<ObjecterDialog> d = open<ObjecterDialog>();
    d->OKButton->setFocus();
    click(d->OKButton);
    EXPECT_EQ(marked(), q("p[ag]e"));
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, q("No URL selected. Please choose a valid Object"));
    EXPECT_EQ(ui.lastPrompt().title, q("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
    EXPECT_TRUE(d->src->hasFocus());
    ui.cancelFile();
    click(d->brw);
    EXPECT_EQ(d->src->text(), QString());
    ui.answerFile(q("m.mid"));
    click(d->brw);
    EXPECT_EQ(ui.lastPrompt().title, QString());
    click(d->OKButton);
    EXPECT_EQ(marked(), u'p' + embed("FALSE FALSE FALSE") + q("|e"));
    EXPECT_TRUE(unloaded(d));
}

TEST_F(ObjecterTest, EmptiedFallbackTextComesBackWhenLeft)
{
    setPage(QString());
    auto* d = open<ObjecterDialog>();
    d->src->setText(q("m.mid"));
    d->NoEmbed->setFocus();
    d->NoEmbed->selectAll();
    QTest::keyClick(d->NoEmbed, Qt::Key_Delete);
    EXPECT_EQ(d->NoEmbed->text(), QString());
    // Clicking OK takes the focus from the box before OK runs.
    click(d->OKButton);
    EXPECT_EQ(w->Text1->text(), embed("FALSE FALSE FALSE"));
}

} // namespace
