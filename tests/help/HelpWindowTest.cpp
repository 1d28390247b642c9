// The help window: categories and their topics, exact topic matching, and a manual that names
// only keys and menus the program has.
#include "help/HelpWindow.h"
#include "app/Composition.h"
#include "composer/ComposerWindow.h"
#include "help/Manual.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

using namespace orvel;

namespace {

class HelpWindowTest : public orvel::test::PlatformTest {
protected:
    const Manual& manual = Manual::builtIn();
    HelpWindow help{manual};

    QString showTopic(const QString& category, const QString& topic)
    {
        help.findChild<QPushButton*>(category)->click();
        const auto items = help.List->findItems(topic, Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1) << topic.toStdString();
        help.List->setCurrentItem(items.value(0));
        help.List_Click();
        return help.shownText();
    }
};

TEST_F(HelpWindowTest, EachCategoryListsItsTopicsInOrderAndEveryTopicHasItsText)
{
    EXPECT_TRUE(help.shownText().startsWith(QStringLiteral("ORVEL HELP:\r\n   ")));
    EXPECT_EQ(help.helptext->toPlainText().count(u'\r'), 0);
    EXPECT_EQ(help.List->count(), 0);
    int topics = 0;
    for (const HelpCategory& c : helpCategories()) {
        SCOPED_TRACE(c.button);
        auto* button = help.findChild<QPushButton*>(QString::fromUtf8(c.button));
        ASSERT_TRUE(button);
        button->click();
        QStringList listed;
        for (int row = 0; row < help.List->count(); ++row)
            listed << help.List->item(row)->text();
        EXPECT_EQ(listed, c.topics);
        EXPECT_EQ(help.shownText(), manual.introduction(QString::fromUtf8(c.button)));
        EXPECT_FALSE(help.shownText().isEmpty());
        for (const QString& topic : c.topics) {
            EXPECT_TRUE(manual.topic(topic)) << topic.toStdString();
            EXPECT_EQ(showTopic(QString::fromUtf8(c.button), topic), manual.topic(topic));
            ++topics;
        }
    }
    // No text is written for a topic no list shows.
    EXPECT_EQ(manual.topicNames().size(), topics);
}

TEST_F(HelpWindowTest, TopicsAreMatchedExactlyWithCase)
{
    const QString pageHeadings = showTopic(QStringLiteral("Misc"), QStringLiteral("Headings"));
    // A name that is no topic (the table's Heading in another letter case) leaves the text as it
    // was.
    help.List->addItem(QStringLiteral("heading"));
    help.List->setCurrentRow(help.List->count() - 1);
    help.List_Click();
    EXPECT_EQ(help.shownText(), pageHeadings);
    // Opening on a topic finds its category.
    EXPECT_TRUE(help.showTopic(QStringLiteral("VuxCmd")));
    EXPECT_EQ(help.List->count(), 17);
    EXPECT_EQ(help.shownText(), manual.topic(QStringLiteral("VuxCmd")));
    EXPECT_FALSE(help.showTopic(QStringLiteral("Nothing")));
}

using ManualAgainstProgramTest = orvel::test::SourceWindowTest;

// Every key the manual names ("Ctrl + K", "Shift+ Del", "Ctrl + Shift + F") is a shortcut of the
// source window or the Composer or one of the page box's own keys (undo, redo), and the
// Shortcuts topic lists every one of them.
TEST_F(ManualAgainstProgramTest, TheManualAndTheProgramHaveTheSameKeys)
{
    QSet<QString> program;
    const std::unique_ptr<Program> whole = buildProgram();
    for (const QWidget* window :
         {static_cast<QWidget*>(w.get()), static_cast<QWidget*>(whole->composer.get())})
        for (const QAction* a : window->findChildren<QAction*>())
            for (const QKeySequence& key : a->shortcuts())
                program << key.toString(QKeySequence::PortableText);
    for (const QKeySequence& key : TextBox::undoKeys() + TextBox::redoKeys())
        program << key.toString(QKeySequence::PortableText);
    const QRegularExpression key(
        QStringLiteral(R"(\b((?:(?:Ctrl|Shift|Alt)\s*\+\s*)*)(F1[0-2]|F[1-9]|Del\b|[A-Z]\b))"));
    const auto keysIn = [&key](const QString& text) {
        QSet<QString> keys;
        for (const auto& m : key.globalMatch(text)) {
            QString modifiers = m.captured(1);
            modifiers.remove(u' ');
            if (!modifiers.isEmpty() || m.captured(2).size() >= 2) // a lone capital is a word
                keys << modifiers + m.captured(2);
        }
        return keys;
    };
    const Manual& manual = Manual::builtIn();
    QSet<QString> named = keysIn(manual.welcome());
    for (const QString& name : manual.topicNames())
        named += keysIn(*manual.topic(name));
    for (const QString& k : named)
        EXPECT_TRUE(program.contains(k)) << "named, not a key: " << k.toStdString();
    const QSet<QString> listed = keysIn(*manual.topic(QStringLiteral("Shortcuts")));
    for (const QString& k : program)
        EXPECT_TRUE(listed.contains(k)) << "not in the Shortcuts topic: " << k.toStdString();
}

// Every "Menu: A >> B" line names a menu of the menu bar and an entry in it, as the reader sees
// them (letter case, blanks and what follows in brackets aside).
TEST_F(ManualAgainstProgramTest, EveryMenuPathNamedInTheManualExists)
{
    auto plain = [](QString s) {
        s.remove(u'&');
        s.remove(u' ');
        return s.toLower();
    };
    const QRegularExpression path(QStringLiteral(R"(^\s*Menu:\s*(.+?) >> (.+)$)"),
                                  QRegularExpression::MultilineOption);
    const Manual& manual = Manual::builtIn();
    int paths = 0;
    for (const QString& name : manual.topicNames()) {
        QString text = *manual.topic(name);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        for (const auto& m : path.globalMatch(text)) {
            SCOPED_TRACE(m.captured(0).toStdString());
            const QMenu* top = nullptr;
            for (QAction* a : w->menuBar()->actions())
                if (plain(a->text()) == plain(m.captured(1)))
                    top = a->menu();
            ASSERT_TRUE(top);
            bool found = false;
            for (const QAction* a : top->actions())
                found = found ||
                        (!a->text().isEmpty() && plain(a->text()).startsWith(plain(m.captured(2))));
            EXPECT_TRUE(found);
            ++paths;
        }
    }
    EXPECT_GT(paths, 38);
}

} // namespace
