#pragma once

#include "dialogs/DialogBase.h"

#include <QLabel>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvel {

class TextBox;

// A label that answers a click, for the dialogs' clickable captions.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& name, const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// The list box dialog `ListBox`: a form SELECT element, a drop-down list or a list box with a
// visible size and optional multiple selection, from OPTION lines added one by one, with at most
// one option selected by default. OK asks for the element's name and puts it in place of the
// target's selection.
class ListBoxDialog : public DialogBase {
    Q_OBJECT
public:
    explicit ListBoxDialog(const DialogTarget& target);

    QRadioButton* dropdown = nullptr; // "Drop Down"
    QRadioButton* lister = nullptr;   // "List Box"
    QLabel* Label1 = nullptr;         // "Items Displayed (Size)"
    QLineEdit* size = nullptr;
    UpDown* UpDown1 = nullptr;
    QCheckBox* multipler = nullptr;
    ClickLabel* default_ = nullptr; // `default`: "Default Option"
    TextBox* text = nullptr;
    QPushButton* Set = nullptr;
    TextBox* List = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // What the drop-down and list-box commands set before showing the dialog.
    void presetDropDown();
    void presetListBox();

    // Handlers.
    void modeRule();
    void multipler_Click();
    void Set_Click();
    void default_Click();
    void OKButton_Click();

    const QString& multipleFragment() const { return m_multiple; }

    static const QString kNoTextQuestion;
    static const QString kDefaultPrompt;
    static const QString kNamePrompt;
    static const QString kNoNameMessage;

private:
    void buildControls();
    void installHints();
    void appendOption(const QString& line);

    QString m_multiple;
    // The default option can be added once; the mode rule must not bring its label back.
    bool m_defaultAdded = false;
};

} // namespace orvel
