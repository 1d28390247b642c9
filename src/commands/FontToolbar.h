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
// the RGB colour button; and the buttons that open the font dialogs. The toggle flags live in the
// window's state; the tooltips follow them.
class FontToolbar : public QObject {
    Q_OBJECT
public:
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

    // Gives the three toggle buttons the tooltips of their flags.
    void showFlags();

private:
    void buildControls();
    // One click of a toggle button, with the button's tags for its current value.
    void toggleFont(bool& first, const TagPair& tags);
    void refuse(const QString& message);

    SourceWindow& m_w;
};

// The toolbar installed in `w`, or null before installFontToolbar ran.
FontToolbar* fontToolbar(SourceWindow& w);

} // namespace orvel
