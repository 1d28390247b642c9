#include "dialogs/PageProps.h"

#include "dialogs/Rollover.h"
#include "editor/TextModel.h"
#include "markup/Lists.h"
#include "platform/Hint.h"
#include "platform/Icons.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDrag>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace orvel {

namespace {

const QString kColourFormat = QStringLiteral("application/x-orvel-colour");
const QString kPicturePreset = QStringLiteral("*.jpg");
const QString kSoundPreset = QStringLiteral("*.wav");

} // namespace

PagePropsDialog::PagePropsDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("pageprops"), QStringLiteral("Page Properties: Orvel"))
{
    buildControls();
    installHints();
    wireRules();
}

void PagePropsDialog::buildControls()
{
    colours = new QGroupBox(QStringLiteral("Colours"), this);
    colours->setObjectName(QStringLiteral("colours"));
    auto* colourGrid = new QGridLayout(colours);
    chooseLabel = label(colours, QStringLiteral("chooseLabel"), QStringLiteral("Choose a colour"));
    chooseLabel->setToolTip(
        QStringLiteral("Choose a colour, Drag-drop colour to box to be changed"));
    Combo2 =
        editableCombo(colours, QStringLiteral("Combo2"), kHtmlColours, QStringLiteral("black"));
    colourGrid->addWidget(chooseLabel, 0, 0);
    colourGrid->addWidget(Combo2, 0, 1);
    const struct {
        QLineEdit** box;
        const char* name;
        const char* caption;
        const char* colour;
        const char* tip;
    } boxes[] = {
        {&Text1, "Text1", "Text", "black", "The default colour of  text"},
        {&Text2, "Text2", "Background", "white", "The background colour of the page"},
        {&Text3, "Text3", "Hyperlink", "blue", "The colour of a hyperlink"},
        {&Text4, "Text4", "Active Link", "red", "The colour of an active link"},
        {&Text5, "Text5", "Visited Link", "maroon", "The colour of an already visited link"},
    };
    int row = 1;
    for (const auto& b : boxes) {
        *b.box = lineBox(colours, QString::fromLatin1(b.name), QString::fromLatin1(b.colour),
                         QString::fromLatin1(b.tip));
        colourGrid->addWidget(label(colours, QStringLiteral("Label") + QString::fromLatin1(b.name),
                                    QString::fromLatin1(b.caption)),
                              row, 0);
        colourGrid->addWidget(*b.box, row++, 1);
    }
    body()->addWidget(colours);

    auto* picture = new QGroupBox(QStringLiteral("Background Image"), this);
    picture->setObjectName(QStringLiteral("pictureFrame"));
    auto* pictureGrid = new QGridLayout(picture);
    Check1 = checkBox(picture, QStringLiteral("Check1"), QStringLiteral("Background picture"),
                      QStringLiteral("Insert a background picture"));
    Text6 = lineBox(picture, QStringLiteral("Text6"), QString(),
                    QStringLiteral("The Location/URL of the image"));
    Command1 = pushButton(picture, QStringLiteral("Command1"), QStringLiteral("Browse..."),
                          QStringLiteral("Search for an image"));
    Check2 = checkBox(picture, QStringLiteral("Check2"), QStringLiteral("Watermark"),
                      QStringLiteral("The background picture remains fixed and the page scrolls "
                                     "over it"));
    for (QWidget* w : {static_cast<QWidget*>(Text6), static_cast<QWidget*>(Command1),
                       static_cast<QWidget*>(Check2)})
        w->setEnabled(false);
    pictureGrid->addWidget(Check1, 0, 0, 1, 2);
    pictureGrid->addWidget(Text6, 1, 0);
    pictureGrid->addWidget(Command1, 1, 1);
    pictureGrid->addWidget(Check2, 2, 0);
    pictureGrid->addWidget(label(picture, QStringLiteral("fixedLabel"),
                                 QStringLiteral(" (Page scrolls over static picture)")),
                           3, 0, 1, 2);
    body()->addWidget(picture);

    // The locked boxes change through their up-downs only, which have no upper bound.
    const auto stepped = [this](QWidget* parent, const char* name, const char* text,
                                const char* upDown, int lower, const char* tip) {
        NumberBox n = numberBox(parent, {.name = QString::fromLatin1(name),
                                         .text = QString::fromLatin1(text),
                                         .upDown = QString::fromLatin1(upDown),
                                         .lower = lower,
                                         .tip = QString::fromLatin1(tip)});
        n.box->setReadOnly(true);
        n.box->setMaximumWidth(60);
        return n;
    };
    auto* margins = new QGroupBox(QStringLiteral("Margins"), this);
    margins->setObjectName(QStringLiteral("marginsFrame"));
    auto* marginRow = new QHBoxLayout(margins);
    const NumberBox top = stepped(margins, "Text7", "0", "UpDown1", 0, "Set top margin");
    const NumberBox left = stepped(margins, "Text8", "0", "UpDown2", 0, "Set left margin");
    Text7 = top.box;
    UpDown1 = top.upDown;
    Text8 = left.box;
    UpDown2 = left.upDown;
    marginRow->addWidget(label(margins, QStringLiteral("topLabel"), QStringLiteral("Top")));
    marginRow->addLayout(numberRow(top));
    marginRow->addWidget(label(margins, QStringLiteral("leftLabel"), QStringLiteral("Left")));
    marginRow->addLayout(numberRow(left));
    marginRow->addStretch(1);
    body()->addWidget(margins);

    auto* sound = new QGroupBox(QStringLiteral("Background Sound"), this);
    sound->setObjectName(QStringLiteral("soundFrame"));
    auto* soundGrid = new QGridLayout(sound);
    Text9 = lineBox(sound, QStringLiteral("Text9"));
    Command2 = pushButton(sound, QStringLiteral("Command2"), QStringLiteral("Browse..."));
    const NumberBox loop = stepped(sound, "Text10", "-1", "UpDown3", -1,
                                   "-1 for infinite loop. Any other number greater than 0 "
                                   "indicates number of times of loop. 0 is same as 1.");
    Text10 = loop.box;
    UpDown3 = loop.upDown;
    soundGrid->addWidget(label(sound, QStringLiteral("sourceLabel"), QStringLiteral("Source")), 0,
                         0);
    soundGrid->addWidget(Text9, 0, 1);
    soundGrid->addWidget(Command2, 0, 2);
    soundGrid->addWidget(label(sound, QStringLiteral("loopLabel"), QStringLiteral("Loop :")), 1, 0);
    soundGrid->addLayout(numberRow(loop), 1, 1);
    body()->addWidget(sound);

    btnRollover =
        pushButton(this, QStringLiteral("btnRollover"), QStringLiteral("Rollover effects"));
    // Enabled once the opener gives the dialog its help (setHelp).
    picthelpfile = new QToolButton(this);
    picthelpfile->setObjectName(QStringLiteral("picthelpfile"));
    picthelpfile->setIcon(buttonIcon(QStringLiteral("help-contents"), {}));
    picthelpfile->setEnabled(false);
    connect(picthelpfile, &QToolButton::clicked, this, [this] {
        if (m_help)
            m_help();
    });
    OKButton = pushButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnRollover);
    buttons->addWidget(picthelpfile);
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    body()->addLayout(buttons);
}

void PagePropsDialog::installHints()
{
    setFormHint(QStringLiteral("Set General Page Properties"));
    setHint(colours,
            QStringLiteral("Choose a colour and drag-drop into any field that you wish to alter"));
    setHint(btnRollover, QStringLiteral("Click to set effects for link mouseover effects. (Effects "
                                        "when arrow is moved over hyperlink)"));
    setHint(Check1, QStringLiteral("Check this to insert a background image"));
    setHint(Check2, QStringLiteral("Effect: Check if you want the image to remain fixed as the "
                                   "page scrolls over the picture"));
    setHint(Command1, QStringLiteral("Choose a picture to be set as background image"));
    setHint(Command2, QStringLiteral("Choose a sound to be set as background sound"));
    const auto upDownHint = [this](UpDown* u, const QString& hint) {
        for (QWidget* w : {static_cast<QWidget*>(u), static_cast<QWidget*>(u->upButton()),
                           static_cast<QWidget*>(u->downButton())})
            setHint(w, hint);
    };
    setHint(Text7, QStringLiteral("Indicates top margin value"));
    upDownHint(UpDown1, QStringLiteral("Change top margin value"));
    setHint(Text8, QStringLiteral("Indicates left margin value"));
    upDownHint(UpDown2, QStringLiteral("Change left margin values"));
    setHint(Text9, QStringLiteral("The URL of the sound you wish to use as background sound"));
    upDownHint(UpDown3, QStringLiteral("Set number of loops for background sound"));
    setHint(OKButton, QStringLiteral("Apply page properties and proceed to web page creation"));
    setHint(picthelpfile, QStringLiteral("Show Help for Orvel."));
}

void PagePropsDialog::wireRules()
{
    connect(Check1, &QCheckBox::toggled, this, &PagePropsDialog::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this,
            [this](bool ticked) { watermarkFragment = page::watermarkFragment(ticked); });
    // Typed or browsed, the location is the picture.
    connect(Text6, &QLineEdit::textChanged, this, [this](const QString& location) {
        backgroundFragment = page::backgroundFragment(location);
        hintLine(StatusBar1)(QStringLiteral("The URL of the background image to be inserted"));
    });
    connect(Text7, &QLineEdit::textChanged, this, [this](const QString& margin) {
        topMarginFragment = page::marginFragment(QStringLiteral("topmargin"), margin);
    });
    connect(Text8, &QLineEdit::textChanged, this, [this](const QString& margin) {
        leftMarginFragment = page::marginFragment(QStringLiteral("leftmargin"), margin);
    });
    connect(Text9, &QLineEdit::textChanged, this, &PagePropsDialog::rebuildSound);
    connect(Text10, &QLineEdit::textChanged, this, [this] {
        rebuildSound();
        hintLine(StatusBar1)(QStringLiteral("Set the number of loops. -1 is for infinite loop"));
    });
    connect(Command1, &QPushButton::clicked, this, &PagePropsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PagePropsDialog::Command2_Click);
    connect(btnRollover, &QPushButton::clicked, this, &PagePropsDialog::btnRollover_Click);
    connect(OKButton, &QPushButton::clicked, this, &PagePropsDialog::OKButton_Click);

    // Combo2's colour is dragged from its text; the colour boxes take the drop.
    Combo2->installEventFilter(this);
    Combo2->lineEdit()->installEventFilter(this);
    for (QLineEdit* box : colourBoxes())
        box->installEventFilter(this);
}

void PagePropsDialog::rebuildSound()
{
    // An emptied source takes the sound out, and a new loop count applies to the sound there is.
    soundFragment = page::soundFragment(Text9->text(), Text10->text());
}

page::BodyFields PagePropsDialog::fields() const
{
    page::BodyFields f;
    // An unticked Background picture means no picture, whatever its boxes still hold.
    if (Check1->isChecked()) {
        f.watermark = watermarkFragment;
        f.background = backgroundFragment;
    }
    f.text = Text1->text();
    f.bgcolor = Text2->text();
    f.link = Text3->text();
    f.vlink = Text5->text();
    f.alink = Text4->text();
    f.topMargin = topMarginFragment;
    f.leftMargin = leftMarginFragment;
    return f;
}

QMimeData* PagePropsDialog::colourDrag() const
{
    auto* data = new QMimeData;
    data->setData(kColourFormat, Combo2->currentText().toUtf8());
    return data;
}

void PagePropsDialog::setHelp(std::function<void()> help)
{
    m_help = std::move(help);
    picthelpfile->setEnabled(bool(m_help));
}

void PagePropsDialog::Check1_Click()
{
    const bool on = Check1->isChecked();
    Check2->setEnabled(on);
    Text6->setEnabled(on);
    Command1->setEnabled(on);
}

void PagePropsDialog::Command1_Click()
{
    CommonDialog1.dialogTitle = QStringLiteral("Choose background image");
    CommonDialog1.fileName = kPicturePreset;
    if (CommonDialog1.showOpen() && CommonDialog1.fileName != kPicturePreset)
        Text6->setText(CommonDialog1.fileName);
    activateWindow();
    raise();
}

void PagePropsDialog::Command2_Click()
{
    CommonDialog1.dialogTitle = QStringLiteral("Insert Background Sound");
    CommonDialog1.fileName = kSoundPreset;
    if (CommonDialog1.showOpen() && CommonDialog1.fileName != kSoundPreset)
        Text9->setText(CommonDialog1.fileName);
    activateWindow();
    raise();
}

void PagePropsDialog::btnRollover_Click()
{
    RolloverDialog* r = dialogFor<RolloverDialog>(target());
    r->show();
    r->raise();
    r->activateWindow();
}

void PagePropsDialog::OKButton_Click()
{
    TextModel& text = *target().text;
    const page::PageWrite write = page::pageWrite(text.text(), text.selStart(), firsttime, rolypoly,
                                                  page::bodyTag(fields()), soundFragment);
    {
        EditGroup group(text);
        if (write.blockAt) {
            const int start = text.selStart();
            const int length = text.selLength();
            text.setSelStart(*write.blockAt);
            text.setSelText(write.block);
            text.setSelStart(start + int(write.block.size()));
            text.setSelLength(length);
        }
        text.setSelText(write.selection);
    }
    firsttime = false;
    // Hidden, not unloaded: the settings stay for the next page properties of the run.
    hide();
}

bool PagePropsDialog::dragColour(QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(e);
        m_pressed = me->button() == Qt::LeftButton;
        m_pressedAt = me->position().toPoint();
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_pressed = false;
        return false;
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (!m_pressed || !(me->buttons() & Qt::LeftButton) ||
            (me->position().toPoint() - m_pressedAt).manhattanLength() <
                QApplication::startDragDistance())
            return false;
        m_pressed = false;
        auto* drag = new QDrag(Combo2);
        drag->setMimeData(colourDrag());
        drag->exec(Qt::CopyAction);
        return true;
    }
    default:
        return false;
    }
}

bool PagePropsDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Combo2 || watched == Combo2->lineEdit())
        return dragColour(e) || DialogBase::eventFilter(watched, e);
    for (QLineEdit* box : colourBoxes()) {
        if (watched != box)
            continue;
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* de = static_cast<QDragMoveEvent*>(e);
            if (!de->mimeData()->hasFormat(kColourFormat))
                break;
            de->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* de = static_cast<QDropEvent*>(e);
            if (!de->mimeData()->hasFormat(kColourFormat))
                break;
            box->setText(Combo2->currentText());
            de->acceptProposedAction();
            return true;
        }
        default:
            break;
        }
    }
    return DialogBase::eventFilter(watched, e);
}

} // namespace orvel
