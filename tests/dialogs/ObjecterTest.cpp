#include "dialogs/Objecter.h"
#include "DialogTest.h"

#include <QCheckBox>
#include <vector>

using namespace orvel;
using namespace orvel::test;

namespace {

QString embed(const char* flags, const char* noEmbed = "Sorry pal, there's no object for you.")
{
    const QStringList f = q(flags).split(u' ');
    return q(R"(<EMBED src="m.mid" CONTROLLER="%1"  AUTOSTART="%2" LOOP="%3" )"
             R"(WIDTH="75" HEIGHT="10" VOLUME="50"> <noembed>%4</noembed>)")
        .arg(f[0], f[1], f[2], q(noEmbed));
}

class ObjecterTest : public DialogTest {};

// Each box sets its own flag, whichever order they are clicked in. An emptied fallback text comes
// back when the box is left, which clicking OK does before OK runs.
TEST_F(ObjecterTest, OkInsertsEmbedWithFlagsAndUnloads)
{
    const std::pair<std::vector<QCheckBox * ObjecterDialog::*>, const char*> rows[] = {
        {{&ObjecterDialog::controller, &ObjecterDialog::Autostart}, "TRUE TRUE FALSE"},
        {{&ObjecterDialog::Loopa}, "FALSE FALSE TRUE"},
        {{&ObjecterDialog::Loopa, &ObjecterDialog::Loopa}, "FALSE FALSE FALSE"}};
    for (const auto& [clicked, flags] : rows) {
        setPage(q("a<x>b"), 1, 3);
        QPointer<ObjecterDialog> d = open<ObjecterDialog>();
        QTest::keyClicks(d->src, q("m.mid"));
        for (auto box : clicked) // on the indicator: the middle of a wide box does not click
            QTest::mouseClick(d->*box, Qt::LeftButton, {}, {6, (d->*box)->height() / 2});
        d->NoEmbed->setFocus();
        d->NoEmbed->selectAll();
        QTest::keyClick(d->NoEmbed, Qt::Key_Delete);
        ASSERT_EQ(d->NoEmbed->text(), QString());
        click(d->OKButton);
        EXPECT_EQ(marked(), u'a' + embed(flags) + q("|b"));
        EXPECT_TRUE(unloaded(d));
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A cancelled browse keeps the source as it was.
TEST_F(ObjecterTest, EmptySourceIsRefusedUntilBrowsed)
{
    setPage(q("page"), 1, 2);
    QPointer<ObjecterDialog> d = open<ObjecterDialog>();
    d->NoEmbed->setText(q("<b>none</b>"));
    d->OKButton->setFocus();
    click(d->OKButton);
    EXPECT_EQ(marked(), q("p[ag]e"));
    EXPECT_EQ(shown(),
              ShownList({{q("Assistant: Orvel"), q("No URL selected. Please choose a valid Object"),
                          MsgIcon::Critical}}));
    EXPECT_TRUE(d->src->hasFocus());
    ui.cancelFile();
    click(d->brw);
    EXPECT_EQ(d->src->text(), QString());
    ui.answerFile(q("m.mid"));
    click(d->brw);
    click(d->OKButton);
    EXPECT_EQ(marked(), u'p' + embed("FALSE FALSE FALSE", "<b>none</b>") + q("|e"));
    EXPECT_TRUE(unloaded(d));
}

} // namespace
