#include "editor/SourceWindow.h"

#include "editor/Captions.h"
#include "editor/DefaultPage.h"
#include "editor/MenuTable.h"
#include "platform/FlowLayout.h"
#include "platform/Hint.h"
#include "platform/Icons.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace orvel {

const QString SourceWindow::kReadyHint = QStringLiteral("Ready: Orvel-by Quorrin");

namespace {

// The pictures of the buttons: a size the icon themes draw well, small enough for every group to
// fit above a page of at least 35 lines at 1280x800.
constexpr QSize kPictureSize(20, 20);

// A framed group of one row, its caption at the start of the row rather than above the frame:
// the groups take one row of buttons' height each, and the page keeps the room.
QGroupBox* group(QWidget* parent, const QString& name, const QString& title)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(title);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(5, 1, 3, 1);
    layout->setSpacing(1);
    auto* caption = new QLabel(title, box);
    caption->setObjectName(name + QStringLiteral("Caption"));
    caption->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(caption);
    layout->addSpacing(3);
    return box;
}

} // namespace

SourceWindow::SourceWindow(Page* page, QWidget* parent)
    : QMainWindow(parent), m_page(page ? page : new Page(this))
{
    setObjectName(QStringLiteral("orvel"));
    setCaption(caption::kDesign);
    setWindowIcon(QIcon(QStringLiteral(":/orvel/icons/orvel.svg")));
    placeOnScreen(this, QSize(1200, 860));

    links.showPreview = [](const QString&) {};
    links.showHelp = [](const QString&) {};
    links.showAbout = [] {};
    links.endProgram = [] { QCoreApplication::exit(0); };
    links.closeBox = [this] { exit_Click(); };

    saveme = new StateBox(QStringLiteral("saveme"), QString(), this);
    star = new StateBox(QStringLiteral("star"), QString(), this);
    attempt = new StateBox(QStringLiteral("attempt"), defaultPage(), this);
    varfinder = new StateBox(QStringLiteral("varfinder"), QStringLiteral("0"), this);
    txttobefound = new StateBox(QStringLiteral("txttobefound"), QStringLiteral("Text2"), this);
    restorepoint = new StateBox(QStringLiteral("restorepoint"), QString(), this);
    dirpath = new StateBox(QStringLiteral("dirpath"), QString(), this);
    connect(saveme, &StateBox::changed, this,
            [this] { setCaption(caption::renamed(saveme->text())); });
    const auto showPath = [this] {
        saveme->setText(m_page->hasFile() ? m_page->path() : QStringLiteral("Untitled"));
    };
    showPath();
    connect(m_page, &Page::pathChanged, this, showPath);
    connect(m_page, &Page::modifiedChanged, this,
            [this] { star->setText(m_page->isModified() ? QStringLiteral("*") : QString()); });

    buildControls();
    buildMenus();
    wireShell();

    Text1->setText(defaultPage());
    Text1->document()->clearUndoRedoStacks();
    connect(Text1, &TextBox::changed, this, &SourceWindow::Text1_Change);
    connect(Text1, &TextBox::refused, this, [this] {
        platform().message(readOnlyMessage(), MsgIcon::Exclamation, kAssistantTitle);
    });
    Form_Load();
}

SourceWindow::~SourceWindow() = default;

void SourceWindow::buildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralForm"));
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(3);

    // The hint line comes first: every button made below writes its hint there.
    helper = new QLineEdit(central);
    helper->setObjectName(QStringLiteral("helper"));
    helper->setReadOnly(true);
    helper->setFocusPolicy(Qt::NoFocus);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    helper->setFont(courier);
    helper->setText(kReadyHint);

    // The window buttons, the temporary clipboard and the command box lead the flow of groups,
    // which wraps them onto as few rows as the window's width allows.
    auto* tags = new QWidget(central);
    tags->setObjectName(QStringLiteral("tagGroups"));
    auto* tagFlow = new FlowLayout(tags, 3);
    auto* shell = new QWidget(tags);
    shell->setObjectName(QStringLiteral("windowButtons"));
    auto* shellRow = new QHBoxLayout(shell);
    shellRow->setContentsMargins(0, 0, 0, 0);
    shellRow->setSpacing(0);
    // The window's own buttons; its action table dresses them and joins them to their commands.
    const std::pair<QToolButton**, const char*> shellButtons[] = {
        {&pictnew, "pictnew"},
        {&pictopen, "pictopen"},
        {&pictsave, "pictsave"},
        {&pictsaveas, "pictsaveas"},
        {&pictprev, "pictprev"},
        {&pictrest, "pictrest"},
        {&picturest, "picturest"},
        {&pictcontrast, "pictcontrast"},
        {&pictinformation, "pictinformation"},
        {&pictrefresh, "pictrefresh"},
        {&picthelpfile, "picthelpfile"}};
    for (const auto& [member, name] : shellButtons) {
        *member = new QToolButton(shell);
        (*member)->setObjectName(QString::fromUtf8(name));
        (*member)->setAutoRaise(true);
        (*member)->setIconSize(kPictureSize);
        shellRow->addWidget(*member);
    }
    tagFlow->addWidget(shell);

    Frame1 = group(tags, QStringLiteral("Frame1"), tr("Temporary Clipboard"));
    auto* clipRow = Frame1->layout();
    tmpcmb = new QComboBox(Frame1);
    tmpcmb->setObjectName(QStringLiteral("tmpcmb"));
    tmpcmb->setEditable(true);
    tmpcmb->setEditText(QStringLiteral("Temporary Clipboard"));
    tmpcmb->setToolTip(
        QStringLiteral("Drag-drop text from the editor into the temporary clipboard. "
                       "You can select text to paste, or press F2 to paste text"));
    tmpcmb->setMinimumWidth(160);
    mastertmpclip = new QPushButton(QStringLiteral("More...."), Frame1);
    mastertmpclip->setObjectName(QStringLiteral("mastertmpclip"));
    setHint(mastertmpclip,
            QStringLiteral("Open Master Temporary Clipboard, for enhanced editing."));
    clipRow->addWidget(tmpcmb);
    clipRow->addWidget(mastertmpclip);
    // The clipboard's commands enable it.
    setHint(Frame1, QStringLiteral("Drag drop items into this. Read Help >> Others >> Temporary "
                                   "Clipboard for more information"));
    Frame1->setEnabled(false);
    tagFlow->addWidget(Frame1);

    vuxcmd = new QLineEdit(tags);
    vuxcmd->setObjectName(QStringLiteral("vuxcmd"));
    vuxcmd->setPlaceholderText(QStringLiteral("VuxCmd"));
    vuxcmd->setMaximumWidth(140);
    // The command box is not built yet.
    vuxcmd->setEnabled(false);
    tagFlow->addWidget(vuxcmd);

    // Tag button groups, filled by the command families' action tables.
    General = group(tags, QStringLiteral("General"), tr("General"));
    misc = group(tags, QStringLiteral("misc"), tr("Misc"));
    tabular = group(tags, QStringLiteral("tabular"), tr("Table"));
    align = group(tags, QStringLiteral("align"), tr("Align"));
    fonter = group(tags, QStringLiteral("fonter"), tr("Font Editting"));
    former = group(tags, QStringLiteral("former"), tr("Form Controls"));
    extras = group(tags, QStringLiteral("extras"), tr("Extras"));
    special = group(tags, QStringLiteral("special"), tr("Special"));

    auto* styleBox = new QWidget(tags);
    auto* styleRow = new QHBoxLayout(styleBox);
    styleRow->setContentsMargins(2, 2, 2, 2);
    styleRow->setSpacing(1);
    auto plainButton = [&](const char* name) {
        auto* b = new QToolButton(styleBox);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoRaise(true);
        b->setIconSize(kPictureSize);
        styleRow->addWidget(b);
        return b;
    };
    bold = plainButton("bold");
    italic = plainButton("italic");
    underline = plainButton("underline");
    Combo4 = new QComboBox(styleBox);
    Combo4->setObjectName(QStringLiteral("Combo4"));
    Combo4->setEditable(true);
    // What the box shows is what the link gets: no completion, no typed entries in the list.
    Combo4->setCompleter(nullptr);
    Combo4->setInsertPolicy(QComboBox::NoInsert);
    Combo4->addItems(
        {QStringLiteral("onClick"), QStringLiteral("onMouseOver"), QStringLiteral("onMouseOut")});
    Combo4->setEditText(QStringLiteral("Mouse Action"));
    styleRow->addWidget(Combo4);
    insert = plainButton("insert");

    for (QWidget* w : {static_cast<QWidget*>(General), static_cast<QWidget*>(misc),
                       static_cast<QWidget*>(tabular), static_cast<QWidget*>(align), styleBox,
                       static_cast<QWidget*>(fonter), static_cast<QWidget*>(former),
                       static_cast<QWidget*>(extras), static_cast<QWidget*>(special)})
        tagFlow->addWidget(w);
    column->addWidget(tags);

    Text1 = new TextBox(central, TextBox::View::Source);
    Text1->setObjectName(QStringLiteral("Text1"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    Text1->setFont(mono);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setTabStopDistance(QFontMetricsF(mono).horizontalAdvance(u' ') * 8);
    column->addWidget(Text1, 1);

    // The hint line and the first pair of captions share a row under the page.
    auto* under = new QHBoxLayout;
    Label1[0] = new QLabel(central);
    nooflines[0] = new QLabel(central);
    under->addWidget(helper, 1);
    under->addSpacing(8);
    under->addWidget(Label1[0]);
    under->addSpacing(8);
    under->addWidget(nooflines[0]);
    column->addLayout(under);

    Label1[1] = new QLabel(this);
    nooflines[1] = new QLabel(this);
    statusBar()->addPermanentWidget(Label1[1]);
    statusBar()->addPermanentWidget(nooflines[1]);
    for (int i = 0; i < 2; ++i) {
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        nooflines[i]->setObjectName(QStringLiteral("nooflines(%1)").arg(i));
    }
    // The captions change with every key. Sized for the longest number and painting their own
    // background, a new caption repaints only itself: no layout pass, nothing behind it.
    for (QLabel* l : {Label1[0], Label1[1], nooflines[0], nooflines[1]}) {
        const bool caret = l == Label1[0] || l == Label1[1];
        const QString widest =
            (caret ? QStringLiteral("Character ") : QStringLiteral("Number of lines: ")) +
            QString::number(std::numeric_limits<int>::max());
        l->setFixedSize(l->fontMetrics().horizontalAdvance(widest) + 4, l->sizeHint().height());
        l->setAutoFillBackground(true);
    }

    // The form itself and the editor show the ready text.
    setHint(central, kReadyHint);
    setHint(tags, kReadyHint);
    setHint(shell, kReadyHint);
    connect(Text1, &TextBox::mouseMoved, this, [this] {
        if (helper->text() != kReadyHint)
            helper->setText(kReadyHint);
    });

    // AutoSave's; the family that switches it runs its ticks.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(60000);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, Timer3, &QTimer::stop);
    Timer2->start();
    Timer3->start();
}

void SourceWindow::buildMenus()
{
    QList<QKeySequence> claimed;
    for (const MenuEntry& e : menuTable()) {
        const QString parentName = QString::fromUtf8(e.parent);
        const QString name = QString::fromUtf8(e.name);
        const QString caption = QString::fromUtf8(e.caption);
        QMenu* parentMenu = parentName.isEmpty() ? nullptr : m_menus.value(parentName);

        // A row that later rows name as their parent is a menu.
        bool isMenu = false;
        for (const MenuEntry& other : menuTable())
            if (name == QString::fromUtf8(other.parent))
                isMenu = true;

        if (isMenu) {
            QMenu* m = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
            m->setObjectName(name);
            m->menuAction()->setObjectName(name);
            m_menus.insert(name, m);
            continue;
        }
        QAction* a =
            caption.isEmpty() ? parentMenu->addSeparator() : parentMenu->addAction(caption);
        a->setObjectName(name);
        if (*e.key) {
            const QKeySequence key(QString::fromUtf8(e.key), QKeySequence::PortableText);
            a->setShortcut(key);
            a->setShortcutContext(Qt::WindowShortcut);
            claimed << key;
        }
        if (e.checkable) {
            a->setCheckable(true);
            a->setChecked(e.checked);
        }
        if (!caption.isEmpty())
            a->setEnabled(false); // until a command is attached
        m_actions.insert(name, a);
    }
    Text1->setClaimedShortcuts(claimed);
}

QAction* SourceWindow::menuAction(const QString& name) const
{
    return m_actions.value(name);
}

QMenu* SourceWindow::menu(const QString& name) const
{
    return m_menus.value(name);
}

void SourceWindow::setHint(QWidget* w, const QString& hint)
{
    installHint(w, hint, hintLine(helper));
}

QToolButton* SourceWindow::addPictureButton(QWidget* group, const QString& name)
{
    auto* b = new QToolButton(group);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setIconSize(kPictureSize);
    if (group && group->layout())
        group->layout()->addWidget(b);
    return b;
}

namespace {

// clang-format off
const Action<SourceWindow> kShellActions[] = {
    {"pictnew", "new", "", "New", "Begin new page", "document-new", "",
     &SourceWindow::new_Click},
    {"pictopen", "open", "", "Open", "Open existing file", "document-open", "",
     &SourceWindow::open_Click},
    {"pictsave", "save", "", "Save", "Save this file", "document-save", "",
     &SourceWindow::save_Click},
    {"pictsaveas", "saveas", "", "Save as", "Save this file by a different name or extension",
     "document-save-as", "", &SourceWindow::saveas_Click},
    {"pictprev", "preview", "", "Preview (F5)", "Watch preview of this file", "document-preview",
     "", &SourceWindow::preview_Click},
    // The restore points come with their own commands.
    {"pictcontrast", "", "", "Change contrast of text", "Change colour contrast", "", "contrast",
     &SourceWindow::pictcontrast_Click},
    {"pictinformation", "mnuhider", "", "Hide buttons.", "Hide/Show the buttons of Orvel", "",
     "buttons-hide", &SourceWindow::pictinformation_Click},
    {"pictrefresh", "", "", "Refresh", "Refresh", "view-refresh", "",
     &SourceWindow::pictrefresh_Click},
    {"picthelpfile", "helpa", "", "Show Help for Orvel", "Help file for Orvel", "help-contents",
     "", &SourceWindow::helpa_Click},
    {"", "about", "", "", "", "", "", &SourceWindow::about_Click},
    {"", "exit", "", "", "", "", "", &SourceWindow::exit_Click},
    {"", "mnuselectall", "", "", "", "", "", &SourceWindow::mnuselectall_Click},
    {"", "mnucopy", "", "", "", "", "", &SourceWindow::mnucopy_Click},
    {"", "mnucut", "", "", "", "", "", &SourceWindow::mnucut_Click},
    {"", "mnupaste", "", "", "", "", "", &SourceWindow::mnupaste_Click},
};
// clang-format on

} // namespace

void SourceWindow::wireShell()
{
    installActions(*this, *this, kShellActions);
    buildPageFormatMenu();
    // Checked, and never to be chosen: both clipboard lists are always sorted.
    menuAction(QStringLiteral("mnualphasort"))->setEnabled(false);

    connect(Text1, &TextBox::keyDown, this, &SourceWindow::refreshStatus);
    connect(Text1, &TextBox::keyUp, this, &SourceWindow::refreshStatus);
    connect(Text1, &TextBox::clicked, this, &SourceWindow::refreshCaret);
}

void SourceWindow::runCommand(const std::function<void()>& command)
{
    EditGroup group(*Text1);
    command();
}

void SourceWindow::addActionFault(const QString& fault)
{
    qWarning("%s", qPrintable(fault));
    m_faults << fault;
}

// Start-up, also run again by File > New.
void SourceWindow::Form_Load()
{
    state.startValues();
    setCaption(caption::page(saveme->text(), QString()));
    Text1->setSelStart(kDefaultSelStart);
    Text1->setSelLength(kDefaultSelLength);
    setModified(false);
    countLines();
    for (QLabel* l : Label1)
        l->setText(QStringLiteral("Character ") + QString::number(kDefaultSelStart));
    for (QLabel* l : nooflines)
        l->setText(QStringLiteral("Number of lines: ") + QString::number(state.lineCount));
    // Typing starts over the selected lines, which are in view.
    Text1->setFocus();
    emit formLoaded();
}

// The change pass: every change of the page, whatever made it.
void SourceWindow::Text1_Change()
{
    changePass.run();
}

QString SourceWindow::readOnlyMessage() const
{
    return QStringLiteral("\"%1\" was opened read-only because it is not a text page. It "
                          "cannot be changed.")
        .arg(QDir::toNativeSeparators(saveme->text()));
}

bool SourceWindow::refusesChange()
{
    if (!Text1->isReadOnly())
        return false;
    platform().message(readOnlyMessage(), MsgIcon::Exclamation, kAssistantTitle);
    return true;
}

void SourceWindow::setModified(bool modified)
{
    m_page->setModified(modified);
    star->setText(modified ? QStringLiteral("*") : QString());
}

void SourceWindow::clearCommandBox()
{
    if (!vuxcmd->text().isEmpty())
        vuxcmd->clear();
}

void SourceWindow::writePageCaption()
{
    setCaption(caption::page(saveme->text(), star->text()));
}

void SourceWindow::setCaption(const QString& text)
{
    m_caption = text;
    // The toolkit takes "[*]" in a title for its modified-marker placeholder and drops it; a
    // doubled one is shown as one literal "[*]".
    QString shown = text;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(shown);
}

void SourceWindow::countLines()
{
    state.lineCount = Text1->lineCount();
}

namespace {

// A caption is written only when its text changes: a key refreshes the captions when it goes
// down, when it changes the page and when it comes up, and mostly only one of these is news.
void setCaptionText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

void SourceWindow::refreshCaret()
{
    const QString caret = QStringLiteral("Character ") + QString::number(Text1->selStart());
    for (QLabel* l : Label1)
        setCaptionText(l, caret);
}

void SourceWindow::refreshStatus()
{
    refreshCaret();
    countLines();
    const QString lines = QStringLiteral("Number of lines: ") + QString::number(state.lineCount);
    for (QLabel* l : nooflines)
        setCaptionText(l, lines);
}

void SourceWindow::toggleButtons()
{
    const bool hide = General->isVisibleTo(this);
    for (QWidget* w :
         {static_cast<QWidget*>(General), static_cast<QWidget*>(misc),
          static_cast<QWidget*>(tabular), static_cast<QWidget*>(Combo4),
          static_cast<QWidget*>(insert), static_cast<QWidget*>(bold), static_cast<QWidget*>(italic),
          static_cast<QWidget*>(underline), static_cast<QWidget*>(fonter),
          static_cast<QWidget*>(align), static_cast<QWidget*>(former),
          static_cast<QWidget*>(extras), static_cast<QWidget*>(special)})
        w->setVisible(!hide);
    // The editor takes the freed room through the layout.
    QAction* hider = menuAction(QStringLiteral("mnuhider"));
    hider->setText(hider->text() == QStringLiteral("Hide") ? QStringLiteral("Show")
                                                           : QStringLiteral("Hide"));
}

void SourceWindow::pictcontrast_Click()
{
    const QColor windowBackground = QApplication::palette().color(QPalette::Base);
    const QColor windowFrame = QApplication::palette().color(QPalette::Text);
    for (QWidget* box : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(helper)}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base,
                   p.color(QPalette::Base) == windowBackground ? windowFrame : windowBackground);
        p.setColor(QPalette::Text,
                   p.color(QPalette::Text) == windowBackground ? windowFrame : windowBackground);
        box->setPalette(p);
    }
}

void SourceWindow::pictrefresh_Click()
{
    update();
    Text1->viewport()->update();
    helper->update();
}

void SourceWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Selecting before the window was shown scrolled a box that had no real height yet: the page
    // would open scrolled past its first lines.
    if (!e->spontaneous()) {
        Text1->verticalScrollBar()->setValue(0);
        Text1->ensureCursorVisible();
    }
}

void SourceWindow::closeEvent(QCloseEvent* e)
{
    // The close box hands over to the Composer; the window itself does not close here.
    e->ignore();
    if (links.closeBox)
        links.closeBox();
}

} // namespace orvel
