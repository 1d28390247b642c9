#pragma once

#include <QWidget>
#include <functional>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace orvel {

class Manual;

// The help window `Helpme`: category buttons, the topic list of the chosen category and the text
// being read. Its topics are compiled into the program (Manual).
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const Manual& manual, QWidget* parent = nullptr);

    QPushButton *gen = nullptr, *Fonts = nullptr, *Forms = nullptr, *Table = nullptr,
                *Extras = nullptr, *others = nullptr, *Misc = nullptr;
    QPushButton* btnabout = nullptr;
    QPushButton* cmdOK = nullptr;
    QListWidget* List = nullptr;
    QPlainTextEdit* helptext = nullptr;

    // Shows the about box; the composition root sets it.
    std::function<void()> showAbout;

    // What `helptext` shows, with its CR LF line ends.
    const QString& shownText() const { return m_shown; }
    // Fills the list with the category of `button` and shows its introduction.
    void showCategory(const QString& button);
    // Shows `topic` in the list of the first category that has it; false for an unknown name.
    bool showTopic(const QString& topic);

    // Handlers.
    void List_Click();
    void btnabout_Click();
    void cmdOK_Click();

private:
    void setHelpText(const QString& text);

    const Manual& m_manual;
    QString m_shown;
};

} // namespace orvel
