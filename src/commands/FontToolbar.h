#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace orvel {

class SourceWindow;
struct TagPair;

// The source window's font toolbar (the `fonter` group): face, size and named colour buttons that
// wrap the selection in a font tag or, with nothing selected, open and close one in two clicks;
// the RGB colour button; and the buttons that open the font dialogs. Each toggle button has its
// own flag, and its tooltip follows it.
class FontToolbar : public QObject {
    Q_OBJECT
public:
    // Builds the group's boxes and installs the family's buttons in `w`, whose child it becomes.
    explicit FontToolbar(SourceWindow& w);

    QComboBox* Combo1 = nullptr;
    QLineEdit* Text4 = nullptr;
    QToolButton* command6 = nullptr;
    QLabel* fontSizeLabel = nullptr;
    QLineEdit* txtfontsize = nullptr;
    QToolButton* btnfontsize = nullptr;
    QComboBox* Combo2 = nullptr;
    QToolButton* colour_setter = nullptr;
    QLineEdit* Text3 = nullptr;
    QToolButton* command5 = nullptr;
    QPushButton* BeginFont = nullptr;
    QPushButton* btnmorefonts = nullptr;

    void Combo1_Click(int index);
    void Combo1_Change(const QString& typed);
    void command6_Click();
    void txtfontsize_Change();
    void btnfontsize_Click();
    void colour_setter_Click();
    void command5_Click();
    void BeginFont_Click();
    void btnmorefonts_Click();

    // Start-up values: every toggle ready to open, with its resting tooltip (the window's start-up
    // runs again on File > New).
    void startValues();

private:
    void buildBoxes();
    void placeButtons();
    // One click of a toggle button, with the button's tags for its current value.
    void toggleFont(bool& first, const TagPair& tags);
    void refuse(const QString& message);
    // Gives the three toggle buttons the tooltips of their flags.
    void showFlags();

    SourceWindow& m_w;
    // True: the next click without a selection opens a font tag; false: it closes one.
    bool sizeFirst = true, faceFirst = true, colourFirst = true;
};

} // namespace orvel
