#include "commands/FontToolbar.h"

#include "commands/Install.h"
#include "editor/SourceWindow.h"
#include "markup/FontMarkup.h"
#include "markup/Lists.h"
#include "platform/Icons.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace orvel {

namespace {

const QString kFaceTip = QStringLiteral("Change font name/face of selected text.");
const QString kSizeTip = QStringLiteral("Change font size of selected size.");
const QString kColourTip = QStringLiteral("Change colour of selected text");
const QString kDefaultFace = QStringLiteral("Times New Roman");
const QString kDefaultSize = QStringLiteral("3");

} // namespace

FontToolbar::FontToolbar(SourceWindow& w) : QObject(w.fonter), m_w(w)
{
    setObjectName(QStringLiteral("fontToolbar"));
    buildControls();

    connect(Combo1, &QComboBox::activated, this, &FontToolbar::Combo1_Click);
    // Only typing counts as a change of the combo; choosing from the list is a click.
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &FontToolbar::Combo1_Change);
    connect(command6, &QToolButton::clicked, this, &FontToolbar::command6_Click);
    connect(txtfontsize, &QLineEdit::textChanged, this, &FontToolbar::txtfontsize_Change);
    connect(btnfontsize, &QToolButton::clicked, this, &FontToolbar::btnfontsize_Click);
    connect(colour_setter, &QToolButton::clicked, this, &FontToolbar::colour_setter_Click);
    connect(command5, &QToolButton::clicked, this, &FontToolbar::command5_Click);
    connect(&w, &SourceWindow::formLoaded, this, &FontToolbar::showFlags);
}

void FontToolbar::buildControls()
{
    QWidget* group = m_w.fonter;
    QLayout* row = group->layout();

    Combo1 = new QComboBox(group);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems(kToolbarFaces);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Font Face"));
    Combo1->setToolTip(QStringLiteral("Choose font face (Only fonts that work everywhere are "
                                      "included here) and click on set."));
    row->addWidget(Combo1);

    Text4 = new QLineEdit(kDefaultFace, group);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setToolTip(QStringLiteral("Enter font face and click on set"));
    m_w.setHint(Text4, QStringLiteral("Enter the name of the font you want to use. Make sure the "
                                      "font is quite widely supported, separate many by commas."));
    row->addWidget(Text4);

    command6 = m_w.addPictureButton(group, QStringLiteral("command6"), kFaceTip, QString(),
                                    buttonIcon(QString(), QStringLiteral("Fa")));

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

    btnfontsize = m_w.addPictureButton(group, QStringLiteral("btnfontsize"), kSizeTip, QString(),
                                       buttonIcon(QString(), QStringLiteral("Sz")));

    Combo2 = new QComboBox(group);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->addItems(kHtmlColours);
    Combo2->setCurrentIndex(1);
    Combo2->setToolTip(QStringLiteral("Choose font colour"));
    row->addWidget(Combo2);

    colour_setter = m_w.addPictureButton(
        group, QStringLiteral("colour_setter"), kColourTip,
        QStringLiteral("Give the selected font a colour that is "
                       "chosen."),
        buttonIcon(QStringLiteral("format-text-color"), QStringLiteral("Col")));

    Text3 = new QLineEdit(group);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setMaxLength(6);
    Text3->setMaximumWidth(70);
    Text3->setToolTip(QStringLiteral("Enter six letters colour code. Eg:- CCFFCC"));
    m_w.setHint(Text3, QStringLiteral("Enter the six letter RGB code for the font colour."));
    row->addWidget(Text3);

    command5 = m_w.addPictureButton(group, QStringLiteral("command5"), QString(), QString(),
                                    buttonIcon(QString(), QStringLiteral("RGB")));

    // Both open dialogs; the dialog openers connect them.
    BeginFont = new QPushButton(QStringLiteral("Fonts editing ......"), group);
    BeginFont->setObjectName(QStringLiteral("BeginFont"));
    m_w.setHint(BeginFont, QStringLiteral("Open window for multiple editing after selecting text. "
                                          "(See Help>> Font)"));
    row->addWidget(BeginFont);

    btnmorefonts = new QPushButton(QStringLiteral("..."), group);
    btnmorefonts->setObjectName(QStringLiteral("btnmorefonts"));
    btnmorefonts->setMaximumWidth(32);
    row->addWidget(btnmorefonts);
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
    toggleFont(m_w.state.faceFirst, font::faceTags(face));
}

void FontToolbar::btnfontsize_Click()
{
    toggleFont(m_w.state.sizeFirst, font::sizeTags(txtfontsize->text()));
}

void FontToolbar::colour_setter_Click()
{
    const QString colour = Combo2->currentText();
    if (colour.isEmpty()) {
        refuse(QStringLiteral("Choose a valid colour from the list"));
        return;
    }
    toggleFont(m_w.state.colourFirst, font::colourTags(colour));
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
    const SourceState& s = m_w.state;
    command6->setToolTip(s.faceFirst ? kFaceTip
                                     : QStringLiteral("You have started font name editing"));
    btnfontsize->setToolTip(s.sizeFirst ? kSizeTip
                                        : QStringLiteral("You have started font size editing"));
    colour_setter->setToolTip(
        s.colourFirst ? kColourTip : QStringLiteral("You have started font colour editing"));
}

FontToolbar* fontToolbar(SourceWindow& w)
{
    return w.fonter->findChild<FontToolbar*>(QStringLiteral("fontToolbar"),
                                             Qt::FindDirectChildrenOnly);
}

void installFontToolbar(SourceWindow& w)
{
    new FontToolbar(w);
}

} // namespace orvel
