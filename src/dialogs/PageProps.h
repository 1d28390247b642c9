#pragma once

#include "dialogs/DialogBase.h"
#include "markup/PageMarkup.h"
#include "platform/CommonDialog.h"

#include <QPoint>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class QToolButton;

namespace orvel {

// The page properties dialog `pageprops`: colours, background picture, margins and background
// sound of the BODY tag, which OK puts over the target's selection (the opener selects the BODY
// tag). OK only hides the dialog, so its settings and the first-time flag last for the run; the
// first OK also closes the HEAD, with the rollover block waiting in `rolypoly` in front of it.
// Closing the window unloads it: the next opening starts afresh, first time again.
class PagePropsDialog : public DialogBase {
    Q_OBJECT
public:
    explicit PagePropsDialog(const DialogTarget& target);

    QGroupBox* colours = nullptr;
    QComboBox* Combo2 = nullptr; // the colour to drag
    QLabel* chooseLabel = nullptr;
    // Colours: text, background, link, active link, visited link. Each takes the colour dragged
    // from Combo2, or typing.
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr,
              *Text5 = nullptr;
    QCheckBox* Check1 = nullptr; // Background picture
    QLineEdit* Text6 = nullptr;  // its location
    QPushButton* Command1 = nullptr;
    QCheckBox* Check2 = nullptr;                  // Watermark
    QLineEdit *Text7 = nullptr, *Text8 = nullptr; // top and left margin
    UpDown *UpDown1 = nullptr, *UpDown2 = nullptr;
    QLineEdit* Text9 = nullptr; // sound source
    QPushButton* Command2 = nullptr;
    QLineEdit* Text10 = nullptr; // loop count
    UpDown* UpDown3 = nullptr;
    QPushButton* btnRollover = nullptr;
    QToolButton* picthelpfile = nullptr;
    QPushButton* OKButton = nullptr;
    CommonDialog CommonDialog1;

    // The first OK of the run has not happened yet.
    bool firsttime = true;
    // The rollover block waiting for that first OK.
    QString rolypoly;

    // Form-level fragments; each rebuilt on every change of its control.
    QString backgroundFragment;
    QString watermarkFragment;
    QString topMarginFragment;
    QString leftMarginFragment;
    QString soundFragment;

    page::BodyFields fields() const;
    // What a drag from the colour list carries.
    QMimeData* colourDrag() const;

    // What `picthelpfile` shows: the help on page properties.
    void setHelp(std::function<void()> help);
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();
    void btnRollover_Click();
    void OKButton_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void installHints();
    void wireRules();
    std::array<QLineEdit*, 5> colourBoxes() const { return {Text1, Text2, Text3, Text4, Text5}; }
    void rebuildSound();
    // Starts a drag of Combo2's colour once the pressed pointer has moved far enough.
    bool dragColour(QEvent* e);

    QPoint m_pressedAt;
    bool m_pressed = false;
    std::function<void()> m_help;
};

} // namespace orvel
