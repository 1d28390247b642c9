#pragma once

#include <QObject>

namespace orvel {

class SourceWindow;
class TextBox;

// Block and structure commands of the source window: alignment, paragraphs and list points,
// breaks, table pieces, templates, picked media files, mouse-action links, and the buttons of the
// `General`, `tabular` and `extras` groups that open insertion dialogs. The Assistant and the
// command line run some of them directly.
class BlockCommands : public QObject {
    Q_OBJECT
public:
    // Installs the family's buttons and menu entries in `w`, whose child it becomes.
    explicit BlockCommands(SourceWindow& w);

    // Alignment: one two-click state shared by all four buttons.
    void left_Click();
    void right_Click();
    void centre_Click();
    void justify_Click();

    void P_Click();
    void Points_Click();

    // Typed into `Text1` as keystrokes, so the typing aids see them as typed.
    void linebreaka_Click();
    void wbreaka_Click();
    void nobra_Click();

    void Column_Click();
    void header_Click();
    void applet_Click();
    void framz_Click();

    // A file picked in the window's common dialog.
    void sound_Click();
    void music_Click();
    void clipper_Click();

    // The link whose mouse action is chosen in `Combo4`.
    void insert_Click();

    // Show an insertion dialog, preset, without waiting for it.
    void Images_Click();
    void table_Click();
    void Row_Click();
    void rule_Click();
    void object_Click();
    void InsertHead_Click();
    // The hyperlink dialog around the selection; in mail mode.
    void linker_Click();
    void Mail_Click();
    void numberings_Click();
    void Bullet_Click();

    // Start-up values (the window's start-up runs again on File > New).
    void startValues();

private:
    TextBox& text() const;
    void typeIntoText(const QString& keys);

    SourceWindow& m_w;
    // True: the next alignment click without a selection opens a block; false: it closes one.
    bool alignFirst = true;
};

} // namespace orvel
