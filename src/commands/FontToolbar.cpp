#include "commands/FontToolbar.h"

#include "commands/DialogOpeners.h"
#include "editor/SourceWindow.h"
#include "markup/FontMarkup.h"
#include "markup/Lists.h"
#include "platform/Platform.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace orvel {

namespace {

// The resting tooltips of the toggle buttons; a started toggle says so instead.
const char* const kFaceTip = "Change font name/face of selected text.";
const char* const kSizeTip = "Change font size of selected size.";
const char* const kColourTip = "Change colour of selected text";
const QString kDefaultFace = QStringLiteral("Times New Roman");
const QString kDefaultSize = QStringLiteral("3");

using F = FontToolbar;

// An editable combo completes typed text inline by default: it would show "Arial" for a typed "Ar"
// while the toolbar applies "Ar". What the box shows is what is used: no completion, and Enter
// adds nothing to the list.
QComboBox* editableCombo(QWidget* group, const char* name, const QStringList& items)
{
    auto* c = new QComboBox(group);
    c->setObjectName(QString::fromUtf8(name));
    c->setEditable(true);
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    group->layout()->addWidget(c);
    return c;
}

// The picture buttons go into `fonter` after the boxes they read (see placeButtons); the two
// dialog buttons are captioned buttons the toolbar makes itself.
// clang-format off
const Action<FontToolbar> kFontActions[] = {
    {"command6", "", "fonter", kFaceTip, "", "preferences-desktop-font", "", &F::command6_Click},
    {"btnfontsize", "", "fonter", kSizeTip, "", "", "font-size", &F::btnfontsize_Click},
    {"colour_setter", "", "fonter", kColourTip, "Give the selected font a colour that is chosen.",
     "format-text-color", "", &F::colour_setter_Click},
    {"command5", "", "fonter", "", "", "", "rgb", &F::command5_Click},
    {"BeginFont", "mnufont", "", "",
     "Open window for multiple editing after selecting text. (See Help>> Font)", "", "",
     &F::BeginFont_Click},
    {"btnmorefonts", "", "", "", "", "", "", &F::btnmorefonts_Click},
};
// clang-format on

} // namespace

FontToolbar::FontToolbar(SourceWindow& w) : QObject(&w), m_w(w)
{
    setObjectName(QStringLiteral("fontToolbar"));
    buildBoxes();
    installActions(w, *this, kFontActions);
    placeButtons();

    connect(Combo1, &QComboBox::activated, this, &FontToolbar::Combo1_Click);
    // Only typing counts as a change of the combo; choosing from the list is a click.
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &FontToolbar::Combo1_Change);
    connect(txtfontsize, &QLineEdit::textChanged, this, &FontToolbar::txtfontsize_Change);
    connect(&w, &SourceWindow::formLoaded, this, &FontToolbar::startValues);
}

void FontToolbar::buildBoxes()
{
    QWidget* group = m_w.fonter;
    QLayout* row = group->layout();

    Combo1 = editableCombo(group, "Combo1", kToolbarFaces);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Font Face"));
    Combo1->setToolTip(QStringLiteral("Choose font face (Only fonts that work everywhere are "
                                      "included here) and click on set."));

    Text4 = new QLineEdit(kDefaultFace, group);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setToolTip(QStringLiteral("Enter font face and click on set"));
    m_w.setHint(Text4, QStringLiteral("Enter the name of the font you want to use. Make sure the "
                                      "font is quite widely supported, separate many by commas."));
    row->addWidget(Text4);

    fontSizeLabel = new QLabel(QStringLiteral("Font Size"), group);
    fontSizeLabel->setObjectName(QStringLiteral("fontSizeLabel"));
    row->addWidget(fontSizeLabel);

    txtfontsize = new QLineEdit(kDefaultSize, group);
    txtfontsize->setObjectName(QStringLiteral("txtfontsize"));
    txtfontsize->setMaxLength(1);
    txtfontsize->setMaximumWidth(28);
    txtfontsize->setToolTip(QStringLiteral("Change font size of selected text"));
    fontSizeLabel->setBuddy(txtfontsize);
    row->addWidget(txtfontsize);

    Combo2 = editableCombo(group, "Combo2", kHtmlColours);
    Combo2->setCurrentIndex(1);
    Combo2->setToolTip(QStringLiteral("Choose font colour"));

    Text3 = new QLineEdit(group);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setMaxLength(6);
    Text3->setMaximumWidth(70);
    Text3->setToolTip(QStringLiteral("Enter six letters colour code. Eg:- CCFFCC"));
    m_w.setHint(Text3, QStringLiteral("Enter the six letter RGB code for the font colour."));
    row->addWidget(Text3);

    BeginFont = new QPushButton(QStringLiteral("Fonts editing ......"), group);
    BeginFont->setObjectName(QStringLiteral("BeginFont"));
    row->addWidget(BeginFont);

    btnmorefonts = new QPushButton(QStringLiteral("..."), group);
    btnmorefonts->setObjectName(QStringLiteral("btnmorefonts"));
    btnmorefonts->setMaximumWidth(32);
    row->addWidget(btnmorefonts);
}

// The installer puts the picture buttons at the end of the group; each belongs right after the
// box whose value it applies.
void FontToolbar::placeButtons()
{
    auto* row = qobject_cast<QBoxLayout*>(m_w.fonter->layout());
    const struct {
        QToolButton*& button;
        const char* name;
        QWidget* after;
    } places[] = {{command6, "command6", Text4},
                  {btnfontsize, "btnfontsize", txtfontsize},
                  {colour_setter, "colour_setter", Combo2},
                  {command5, "command5", Text3}};
    for (const auto& p : places) {
        p.button = m_w.fonter->findChild<QToolButton*>(QString::fromUtf8(p.name));
        if (!p.button || !row)
            continue;
        row->removeWidget(p.button);
        row->insertWidget(row->indexOf(p.after) + 1, p.button);
    }
}

void FontToolbar::startValues()
{
    sizeFirst = faceFirst = colourFirst = true;
    showFlags();
}

void FontToolbar::Combo1_Click(int index)
{
    if (index < 0)
        return;
    const QString face = Combo1->itemText(index);
    QFont font = Text4->font();
    font.setFamily(face);
    Text4->setFont(font);
    Text4->setText(face);
}

void FontToolbar::Combo1_Change(const QString& typed)
{
    Text4->setText(typed);
}

void FontToolbar::refuse(const QString& message)
{
    platform().message(message, MsgIcon::Critical, kAssistantTitle);
    m_w.Text1->setFocus();
}

void FontToolbar::toggleFont(bool& first, const TagPair& tags)
{
    TextBox& box = *m_w.Text1;
    box.setFocus();
    const font::FontEdit edit = font::fontEdit(box.selText(), first, tags);
    box.setSelText(edit.text);
    first = edit.first;
    showFlags();
}

void FontToolbar::command6_Click()
{
    const QString face = Text4->text();
    if (face.isEmpty() || face == QStringLiteral("Font Face")) {
        Text4->setText(kDefaultFace);
        refuse(QStringLiteral("Invalid. Enter or choose a valid font name"));
        return;
    }
    toggleFont(faceFirst, font::faceTags(face));
}

void FontToolbar::btnfontsize_Click()
{
    toggleFont(sizeFirst, font::sizeTags(txtfontsize->text()));
}

void FontToolbar::colour_setter_Click()
{
    const QString colour = Combo2->currentText();
    if (colour.isEmpty()) {
        refuse(QStringLiteral("Choose a valid colour from the list"));
        return;
    }
    toggleFont(colourFirst, font::colourTags(colour));
}

void FontToolbar::command5_Click()
{
    const QString rgb = Text3->text();
    if (rgb.size() < 6) {
        platform().message(QStringLiteral("Invalid value, 6 letters/numbers are required for RGB"));
        Text3->clear();
        return;
    }
    TextBox& box = *m_w.Text1;
    box.setFocus();
    // Only wraps: with nothing selected the pair goes in empty.
    box.setSelText(font::rgbColourWrap(rgb, box.selText()));
}

// The openers of DialogOpeners.cpp of the same names create the dialogs.
void FontToolbar::BeginFont_Click()
{
    orvel::BeginFont_Click(m_w.context());
}

void FontToolbar::btnmorefonts_Click()
{
    orvel::btnmorefonts_Click(m_w.context());
}

void FontToolbar::txtfontsize_Change()
{
    // Runs again for the changes it makes: emptying the box brings back the default size.
    const QString size = txtfontsize->text();
    if (size.isEmpty()) {
        txtfontsize->setText(kDefaultSize);
        return;
    }
    if (!font::validFontSize(size)) {
        platform().message(QStringLiteral("Invalid Entry. Font size ranges from 1 to 7"),
                           MsgIcon::Critical, kAssistantTitle);
        txtfontsize->clear();
    }
}

void FontToolbar::showFlags()
{
    auto tip = [](QToolButton* b, bool ready, const char* resting, const char* started) {
        if (b)
            b->setToolTip(QString::fromUtf8(ready ? resting : started));
    };
    tip(command6, faceFirst, kFaceTip, "You have started font name editing");
    tip(btnfontsize, sizeFirst, kSizeTip, "You have started font size editing");
    tip(colour_setter, colourFirst, kColourTip, "You have started font colour editing");
}

} // namespace orvel
