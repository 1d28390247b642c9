#include "composer/ComposerWindow.h"

#include "composer/ComposerMarkup.h"
#include "composer/EditControl.h"
#include "editor/SourceWindow.h"
#include "platform/Icons.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvel {

namespace {

const QString kComposerCaption = QStringLiteral("Orvel Composer: ");
const QString kNewCaption = QStringLiteral("Orvel Composer: By Quorrin");
const QString kNoFileChosen =
    QStringLiteral("No file was chosen. The page and its file stay as they were.");

} // namespace

ComposerWindow::ComposerWindow(Page* page, QWidget* parent)
    : QMainWindow(parent), m_page(page ? page : new Page(this))
{
    setObjectName(QStringLiteral("Editor"));
    setCaption(QStringLiteral("Orvel: By Quorrin"));
    setWindowIcon(QIcon(QStringLiteral(":/orvel/icons/orvel.svg")));
    placeOnScreen(this, QSize(1100, 760));
    saveme = new StateBox(QStringLiteral("saveme"), m_page->path(), this);
    connect(m_page, &Page::pathChanged, this, [this] { saveme->setText(m_page->path()); });
    links.endProgram = [] { QCoreApplication::exit(0); };

    m_sink.handOver = [this](const QString& fragment) { showFragment(fragment); };
    m_sink.sourceSelection = [this] {
        SourceWindow* w = existingSource();
        return w ? w->Text1->selText() : QString();
    };

    buildControls();
    buildToolbar();
    buildMenus();
    firstSwitch = true;
    CommonDialog1.fileName = QStringLiteral("*.html");
}

ComposerWindow::~ComposerWindow() = default;

void ComposerWindow::buildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);

    auto* row = new QHBoxLayout;
    linktohtml = new ClickLabel(QStringLiteral("linktohtml"), QStringLiteral("HTML"), central);
    linktohtml->setCursor(Qt::PointingHandCursor);
    // The link colours of the palette, so the link reads on a light and on a dark ground.
    QFont linkFont = linktohtml->font();
    linkFont.setBold(true);
    linktohtml->setFont(linkFont);
    linktohtml->setForegroundRole(QPalette::Link);
    linktohtml->installEventFilter(this);
    connect(linktohtml, &ClickLabel::clicked, this,
            [this] { runCommand([this] { mnuhtml_Click(); }); });

    Combo3 = new QComboBox(central);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Combo3->addItems(composer::specialCharacters());
    Combo3->setPlaceholderText(composer::kSpclChar);
    Combo3->setCurrentIndex(-1);
    Combo3->setMaxVisibleItems(20);
    Combo3->setToolTip(QStringLiteral("Choose Special Characters - Cut and Paste in reqd. area."));
    connect(Combo3, &QComboBox::textActivated, this, &ComposerWindow::Combo3_Change);

    const auto picture = [central](const char* name, const char* tip, const char* theme) {
        auto* b = new QToolButton(central);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(QString::fromUtf8(tip));
        b->setIcon(buttonIcon(QString::fromUtf8(theme), {}));
        b->setAutoRaise(true);
        b->setIconSize(QSize(22, 22));
        return b;
    };
    pictFont = picture("pictFont", "Fonts", "preferences-desktop-font");
    pictBrowse =
        picture("pictBrowse", "Browse Mode - Watch preview in composer", "document-preview");
    connect(pictFont, &QToolButton::clicked, this,
            [this] { runCommand([this] { exec(DECMD_FONT); }); });
    connect(pictBrowse, &QToolButton::clicked, this,
            [this] { runCommand([this] { mnubrowser_Click(); }); });

    row->addWidget(linktohtml);
    row->addSpacing(12);
    row->addWidget(Combo3);
    row->addWidget(pictFont);
    row->addWidget(pictBrowse);
    row->addStretch(1);
    column->addLayout(row);

    auto* split = new QSplitter(Qt::Horizontal, central);
    area = new EditControl(split);
    area->setObjectName(QStringLiteral("area"));
    auto* side = new QWidget(split);
    auto* sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(0, 0, 0, 0);
    sideColumn->setSpacing(2);
    assisterCaption = new QLabel(
        QStringLiteral("Fragment \u2014 drag it into the page, or Insert > Insert Fragment Into "
                       "Page (Ctrl+Shift+F)"),
        side);
    assisterCaption->setObjectName(QStringLiteral("assisterCaption"));
    assisterCaption->setWordWrap(true);
    assister = new EditControl(side);
    assister->setObjectName(QStringLiteral("assister"));
    assister->setToolTip(QStringLiteral("Drag Drop Contents Into Main Window To Add To Page"));
    assisterCaption->setBuddy(assister);
    sideColumn->addWidget(assisterCaption);
    sideColumn->addWidget(assister, 1);
    split->addWidget(area);
    split->addWidget(side);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    split->setSizes({760, 220});
    column->addWidget(split, 1);
    area->setFocus();
}

void ComposerWindow::buildToolbar()
{
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(20, 20));
    addToolBar(Toolbar1);
    struct Button {
        const char* key;
        const char* theme;
    };
    static const Button buttons[] = {
        {"New", "document-new"},
        {"Open", "document-open"},
        {"Save", "document-save"},
        {"Forward", "go-next"},
        {"Copy", "edit-copy"},
        {"Cut", "edit-cut"},
        {"Paste", "edit-paste"},
        {"Delete", "edit-delete"},
        {"Undo", "edit-undo"},
        {"Redo", "edit-redo"},
        {"Bold", "format-text-bold"},
        {"Italic", "format-text-italic"},
        {"Underline", "format-text-underline"},
        {"Align Left", "format-justify-left"},
        {"Center", "format-justify-center"},
        {"Align Right", "format-justify-right"},
        {"Justify", "format-justify-fill"},
        {"Find", "edit-find"},
    };
    for (const Button& b : buttons) {
        const QString key = QString::fromUtf8(b.key);
        QAction* a = Toolbar1->addAction(buttonIcon(QString::fromUtf8(b.theme), {}), key);
        a->setObjectName(key);
        a->setToolTip(key == QLatin1String("Forward")
                          ? QStringLiteral("Preview this page in Browser - Requires Save")
                          : key);
        connect(a, &QAction::triggered, this,
                [this, key] { runCommand([this, key] { Toolbar1_ButtonClick(key); }); });
    }
}

void ComposerWindow::buildMenus()
{
    struct Entry {
        const char* menu; // objectName of the menu the entry goes into
        const char* name;
        const char* caption;
        const char* key;
        std::function<void()> run;
        bool checkable = false;
    };
    const auto ex = [this](int command) { return [this, command] { exec(command); }; };
    const auto tbl = [this](int command) { return [this, command] { tableExec(command); }; };
    const auto own = [this](auto handler) { return [this, handler] { (this->*handler)(); }; };
    std::vector<Entry> entries = {
        {"mnuFile", "new", "&New", "Ctrl+N", own(&ComposerWindow::new_Click)},
        {"mnuFile", "open", "&Open", "Ctrl+O", own(&ComposerWindow::open_Click)},
        {"mnuFile", "mnuopenurl", "Open &URL", "", own(&ComposerWindow::mnuopenurl_Click)},
        {"mnuFile", "save", "&Save", "Ctrl+S", [this] { save_Click(); }},
        {"mnuFile", "saveas", "Save As", "", [this] { saveas_Click(); }},
        {"mnuFile", "mnupreview", "Preview", "F5", own(&ComposerWindow::mnupreview_Click)},
        {"mnuFile", "mnuhtml", "HTML Source Code", "Ctrl+E", own(&ComposerWindow::mnuhtml_Click)},
        {"mnuFile", "exit", "E&xit", "Ctrl+Shift+F12", [this] { close(); }},
        {"mnuEdit", "mnuCopy", "Copy", "Ctrl+C", ex(DECMD_COPY)},
        {"mnuEdit", "mnuCut", "Cut", "Ctrl+X", ex(DECMD_CUT)},
        {"mnuEdit", "mnuPaste", "Paste", "Ctrl+V", ex(DECMD_PASTE)},
        {"mnuEdit", "mnuDelete", "Delete", "Del", ex(DECMD_DELETE)},
        {"mnuEdit", "mnuUndo", "Undo", "Ctrl+Z", ex(DECMD_UNDO)},
        {"mnuEdit", "mnuRedo", "Redo", "Ctrl+Y", ex(DECMD_REDO)},
        {"mnuEdit", "mnuselectall", "Select All", "Ctrl+A", ex(DECMD_SELECTALL)},
        {"mnuEdit", "mnuindent", "Indent", "", ex(DECMD_INDENT)},
        {"mnuEdit", "mnuoutdent", "Outdent", "", ex(DECMD_OUTDENT)},
        {"mnuFormat", "mnubold", "&Bold", "Ctrl+B", ex(DECMD_BOLD)},
        {"mnuFormat", "mnuitalics", "&Italics", "Ctrl+I", ex(DECMD_ITALIC)},
        {"mnuFormat", "mnuUnderline", "&Underline", "Ctrl+U", ex(DECMD_UNDERLINE)},
        {"mnuFormat", "mnufont", "&Font", "", ex(DECMD_FONT)},
        {"mnuFormat", "mnuremformat", "Remove Formatting", "", ex(DECMD_REMOVEFORMAT)},
        {"mnuFormat", "mnuHighlight", "Highlight", "", own(&ComposerWindow::mnuHighlight_Click)},
        {"mnuFormat", "mnusuperscript", "Superscript", "", [this] { textFragment(7); }},
        {"mnuFormat", "mnusubscript", "Subscript", "", [this] { textFragment(6); }},
        {"mnuInsert", "mnuimage", "Image", "", ex(DECMD_IMAGE)},
        {"mnuInsert", "mnuhyperlink", "Hyperlink", "", ex(DECMD_HYPERLINK)},
        {"mnuInsert", "mnubullets", "Bullets", "", ex(DECMD_UNORDERLIST)},
        {"mnuInsert", "mnunumbering", "Numbering", "", ex(DECMD_ORDERLIST)},
        {"mnuInsert", "mnuhr", "Horizontal Rule", "", own(&ComposerWindow::mnuhr_Click)},
        {"mnuInsert", "mnuheading", "Heading", "", own(&ComposerWindow::mnuheading_Click)},
        {"mnuForm", "mnutextbox", "Textbox", "", [this] { namedControl(0); }},
        {"mnuForm", "mnupassword", "Password", "", [this] { namedControl(1); }},
        {"mnuForm", "mnutextarea", "Text Area", "", own(&ComposerWindow::mnutextarea_Click)},
        {"mnuForm", "mnuradio", "Radio", "", [this] { namedControl(2); }},
        {"mnuForm", "mnucheckbox", "Checkbox", "", [this] { namedControl(3); }},
        {"mnuForm", "mnubutton", "Button", "", [this] { namedControl(4); }},
        {"mnuForm", "mnusubmit", "Submit", "", [this] { namedControl(5); }},
        {"mnuForm", "mnureset", "Reset", "", [this] { namedControl(6); }},
        {"mnuForm", "mnubrowse", "Browse", "", [this] { namedControl(7); }},
        {"mnuForm", "mnufieldset", "Fieldset", "", own(&ComposerWindow::mnufieldset_Click)},
        {"mnuInsert", "mnudropdown", "Drop Down Box", "", own(&ComposerWindow::mnudropdown_Click)},
        {"mnuInsert", "mnulistbox", "List Box", "", own(&ComposerWindow::mnulistbox_Click)},
        {"mnuInsert", "mnurectbox", "Rectangular Box", "", [this] { textFragment(8); }},
        // The keyboard's way of doing what dragging from the side control does.
        {"mnuInsert", "mnuinsertfragment", "Insert Fragment Into Page", "Ctrl+Shift+F",
         own(&ComposerWindow::mnuinsertfragment_Click)},
        {"mnuTable", "mnuinserttable", "Insert Table", "",
         own(&ComposerWindow::mnuinserttable_Click)},
        {"mnuTable", "mnuinsertrow", "Insert Row", "", tbl(DECMD_INSERTROW)},
        {"mnuTable", "mnuinsertcol", "Insert Column", "", tbl(DECMD_INSERTCOL)},
        {"mnuTable", "mnuinsertcell", "Insert Cell", "", tbl(DECMD_INSERTCELL)},
        {"mnuTable", "mnudelrow", "Delete Row", "", tbl(DECMD_DELETEROWS)},
        {"mnuTable", "mnudelcol", "Delete Column", "", tbl(DECMD_DELETECOLS)},
        {"mnuTable", "mnudelcell", "Delete Cell", "", tbl(DECMD_DELETECELLS)},
        {"mnuTable", "mnusplitcell", "Split Cell", "", tbl(DECMD_SPLITCELL)},
        {"mnuTable", "mnumergecells", "Merge Cells", "", tbl(DECMD_MERGECELLS)},
        {"mnuExtras", "mnuStrike", "Strike", "", [this] { textFragment(0); }},
        {"mnuExtras", "mnuBig", "Big", "", [this] { textFragment(1); }},
        {"mnuExtras", "mnuSmall", "Small", "", [this] { textFragment(2); }},
        {"mnuExtras", "mnuCode", "Code", "", [this] { textFragment(3); }},
        {"mnuExtras", "mnuKBD", "Keyboard", "", [this] { textFragment(4); }},
        {"mnuExtras", "mnuAbbr", "Abbreviation", "", [this] { textFragment(5); }},
        {"mnuExtras", "mnustrong", "Strong", "", ex(DECMD_BOLD)},
        {"mnuExtras", "mnuEmphasis", "Emphasis", "", ex(DECMD_ITALIC)},
        {"mnuOptions", "mnudetails", "Show Details", "", own(&ComposerWindow::mnudetails_Click),
         true},
        {"mnuOptions", "mnubrowser", "Browse Mode", "", own(&ComposerWindow::mnubrowser_Click),
         true},
        {"mnuHelp", "mnuHelp", "&Help", "",
         [this] {
             if (links.showHelp)
                 links.showHelp();
         }},
        {"mnuHelp", "mnuAbout", "&About", "",
         [this] {
             if (links.showAbout)
                 links.showAbout();
         }},
    };
    const std::pair<const char*, const char*> bar[] = {
        {"mnuFile", "&File"},       {"mnuEdit", "&Edit"},   {"mnuFormat", "F&ormat"},
        {"mnuInsert", "&Insert"},   {"mnuTable", "&Table"}, {"mnuExtras", "E&xtras"},
        {"mnuOptions", "Option&s"}, {"mnuHelp", "&Help"}};
    for (const auto& [name, caption] : bar) {
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromUtf8(name));
        m_menus.insert(m->objectName(), m);
    }
    QMenu* form = new QMenu(QStringLiteral("&Form"), this);
    form->setObjectName(QStringLiteral("mnuForm"));
    m_menus.insert(form->objectName(), form);
    for (Entry& e : entries) {
        if (QByteArray(e.name) == "mnudropdown")
            m_menus.value(QStringLiteral("mnuInsert"))->addMenu(form);
        QAction* a =
            m_menus.value(QString::fromUtf8(e.menu))->addAction(QString::fromUtf8(e.caption));
        a->setObjectName(QString::fromUtf8(e.name));
        a->setCheckable(e.checkable);
        if (*e.key)
            a->setShortcut(QKeySequence(QString::fromUtf8(e.key)));
        connect(a, &QAction::triggered, this, [this, run = std::move(e.run)] { runCommand(run); });
        m_actions.insert(a->objectName(), a);
    }
    // Redo also on the other usual key.
    m_actions.value(QStringLiteral("mnuRedo"))
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    QList<QKeySequence> keys;
    for (QAction* a : std::as_const(m_actions))
        keys += a->shortcuts();
    area->setWindowKeys(keys);
    assister->setWindowKeys(keys);
}

void ComposerWindow::runCommand(const std::function<void()>& command)
{
    const auto shownWindows = [this] {
        QList<QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = w->windowType();
            if (w != this && w->isVisible() && (type == Qt::Window || type == Qt::Dialog))
                shown += w;
        }
        return shown;
    };
    const QList<QWidget*> before = shownWindows();
    m_acted = area;
    command();
    if (!isVisible())
        return;
    for (QWidget* w : shownWindows()) {
        if (!before.contains(w))
            return;
    }
    backTo(m_acted);
}

void ComposerWindow::backToPage()
{
    backTo(area);
}

void ComposerWindow::backTo(EditControl* control)
{
    if (!isVisible())
        return;
    activateWindow();
    control->takeFocus();
}

EditControl* ComposerWindow::editing() const
{
    const QWidget* f = focusWidget();
    return f && (f == assister || assister->isAncestorOf(f)) ? assister : area;
}

void ComposerWindow::watchDialog(QWidget* dialog)
{
    dialog->installEventFilter(this);
}

void ComposerWindow::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

SourceWindow* ComposerWindow::existingSource() const
{
    return links.sourceWindow ? links.sourceWindow(false) : nullptr;
}

void ComposerWindow::showCaptions(const QString& path)
{
    setCaption(kComposerCaption + path);
    if (SourceWindow* w = existingSource())
        w->setCaption(QStringLiteral("Orvel HTML: ") + path);
}

// File commands ---------------------------------------------------------------------------------

bool ComposerWindow::mayDiscardEdits()
{
    return !area->isEdited() ||
           platform().ask(QStringLiteral("Assistant: Orvel - Reminder to save"),
                          QStringLiteral("File not saved. Proceed?"),
                          MsgAnswer::No) == MsgAnswer::Yes;
}

void ComposerWindow::new_Click()
{
    if (!mayDiscardEdits())
        return;
    area->newDocument();
    m_page->startNew();
    m_relabel = false;
    setCaption(kNewCaption);
}

void ComposerWindow::open_Click()
{
    if (!mayDiscardEdits())
        return;
    CommonDialog1.defaultExt = QStringLiteral("html");
    if (!CommonDialog1.showOpen()) {
        platform().message(kNoFileChosen, MsgIcon::Information, kAssistantTitle);
        return;
    }
    openPage(CommonDialog1.fileName);
}

bool ComposerWindow::openPage(const QString& path, OpenedBy by)
{
    std::optional<PageRead> read = m_page->read(path);
    if (!read)
        return false;
    // The engine would show a program or an image as something, and a save would then write
    // that over the file.
    if (read->format.readOnly) {
        platform().message(quotedPath(path) +
                               QStringLiteral(" does not look like a web page: it holds NUL or "
                                              "control bytes. The Composer opens text pages only; "
                                              "the page and its file stay as they were."),
                           MsgIcon::Exclamation, kAssistantTitle);
        return false;
    }
    area->showPage(read->text, path);
    m_page->adopt(path, *read);
    m_relabel = false;
    noteShown();
    showCaptions(path);
    if (by == OpenedBy::User)
        Page::reportEncoding(path, *read);
    return true;
}

void ComposerWindow::mnuopenurl_Click()
{
    const QString url = platform().input(QStringLiteral("Enter the URL to be opened here"),
                                         QStringLiteral("Orvel"));
    if (url.isEmpty()) {
        platform().message(QStringLiteral("No URL entered"), MsgIcon::None,
                           QStringLiteral("Orvel"));
        return;
    }
    if (!mayDiscardEdits())
        return;
    area->loadUrl(url);
    // Another document now: a Save must not write it over the page's file.
    m_page->startNew();
    m_relabel = false;
    setCaption(kNewCaption);
}

bool ComposerWindow::writePage(const QString& path)
{
    const bool edited = area->isEdited();
    // An unchanged page whose file still holds it has nothing to write.
    if (!edited && path == m_page->path() && m_page->disk().known &&
        diskChange(path, m_page->disk()) == DiskChange::Same) {
        m_page->setModified(false);
        noteShown();
        return true;
    }
    Page::SaveRequest request;
    request.changeEncoding = [this](Encoding e) {
        PageFormat f = m_page->format();
        f.bom = isUtf16(e) || (e == Encoding::Utf8 && f.bom);
        f.encoding = e;
        f.strayByte.reset();
        m_page->setFormat(f);
        m_relabel = true;
    };
    const LineEnd style = m_page->format().ends.style;
    const QString text = area->pageText(style);
    if (text.isEmpty()) {
        platform().message(QStringLiteral("The editor did not hand over the page; nothing was "
                                          "saved."),
                           MsgIcon::Critical, kAssistantTitle);
        return false;
    }
    if (area->rewroteWholePage() &&
        platform().ask(kAssistantTitle,
                       QStringLiteral("The editor did not tell which parts of the page were "
                                      "edited. Saving now writes the whole page's markup anew: its "
                                      "spacing, line breaks, letter case and quotes may change. "
                                      "Save anyway?"),
                       MsgAnswer::No, MsgIcon::Exclamation) != MsgAnswer::Yes)
        return false;
    QString written;
    const Page::Saved saved = m_page->save(
        path,
        [&] {
            written = m_relabel ? relabelCharset(text, m_page->format().encoding) : text;
            // Each line keeps the end it has in the text.
            return PageText{written, scanLineEnds(written, style)};
        },
        request);
    if (saved != Page::Saved::Done)
        return false;
    area->markSaved(written);
    m_page->setModified(false);
    noteShown();
    return true;
}

void ComposerWindow::noteShown()
{
    m_shown = Shown{m_page->path(), m_page->disk(), m_page->format().encoding, m_page->format().bom,
                    area->loads()};
}

bool ComposerWindow::showsPageFile() const
{
    return m_shown && m_shown->load == area->loads() && !area->isLoading() && m_page->hasFile() &&
           m_shown->path == m_page->path() && m_shown->encoding == m_page->format().encoding &&
           m_shown->bom == m_page->format().bom &&
           diskChange(m_shown->path, m_shown->disk) == DiskChange::Same;
}

bool ComposerWindow::save_Click()
{
    if (!m_page->hasFile())
        return saveas_Click();
    return writePage(m_page->path());
}

bool ComposerWindow::saveas_Click()
{
    CommonDialog1.defaultExt = QStringLiteral("html");
    if (!CommonDialog1.showSave()) {
        platform().message(kNoFileChosen, MsgIcon::Information, kAssistantTitle);
        return false;
    }
    const QString path = CommonDialog1.fileName;
    if (!writePage(path))
        return false;
    showCaptions(path);
    return true;
}

void ComposerWindow::mnupreview_Click()
{
    if (!m_page->hasFile()) {
        platform().message(QStringLiteral("Please save file first"), MsgIcon::Exclamation,
                           kAssistantTitle);
        area->setFocus();
        return;
    }
    if (links.showPreview)
        links.showPreview(m_page->path());
}

void ComposerWindow::exit_Click()
{
    close();
}

void ComposerWindow::closeEvent(QCloseEvent* e)
{
    // Only a Yes ends the program, and then every window at once.
    e->ignore();
    if (platform().ask(kAssistantTitle,
                       QStringLiteral("If you haven't saved your file, please save it now before "
                                      "closing. Would you still like to exit?"),
                       MsgAnswer::No) != MsgAnswer::Yes) {
        backToPage();
        return;
    }
    if (links.endProgram)
        links.endProgram();
}

bool ComposerWindow::eventFilter(QObject* watched, QEvent* e)
{
    // One of the Composer's dialogs closed: the keys go to the page again, once the toolkit has
    // let go of the closed window.
    if (e->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        QTimer::singleShot(0, this, &ComposerWindow::backToPage);
    if (watched == linktohtml) {
        if (e->type() == QEvent::Enter || e->type() == QEvent::Leave) {
            const bool over = e->type() == QEvent::Enter;
            linktohtml->setForegroundRole(over ? QPalette::LinkVisited : QPalette::Link);
            QFont f = linktohtml->font();
            f.setUnderline(over);
            linktohtml->setFont(f);
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void ComposerWindow::mnuhtml_Click()
{
    if (links.toSource)
        links.toSource();
}

// Editing commands ------------------------------------------------------------------------------

void ComposerWindow::Toolbar1_ButtonClick(const QString& key)
{
    static const std::pair<const char*, int> commands[] = {
        {"Copy", DECMD_COPY},
        {"Cut", DECMD_CUT},
        {"Paste", DECMD_PASTE},
        {"Delete", DECMD_DELETE},
        {"Undo", DECMD_UNDO},
        {"Redo", DECMD_REDO},
        {"Bold", DECMD_BOLD},
        {"Italic", DECMD_ITALIC},
        {"Underline", DECMD_UNDERLINE},
        {"Align Left", DECMD_JUSTIFYLEFT},
        {"Center", DECMD_JUSTIFYCENTER},
        {"Align Right", DECMD_JUSTIFYRIGHT},
        {"Justify", DECMD_JUSTIFYFULL},
        {"Find", DECMD_FINDTEXT},
    };
    if (key == QLatin1String("New"))
        new_Click();
    else if (key == QLatin1String("Open"))
        open_Click();
    else if (key == QLatin1String("Save"))
        save_Click();
    else if (key == QLatin1String("Forward"))
        mnupreview_Click();
    for (const auto& [name, command] : commands) {
        if (key == QLatin1String(name))
            exec(command);
    }
}

void ComposerWindow::exec(int command)
{
    m_acted = editing();
    m_acted->setFocus();
    m_acted->execCommand(command);
}

void ComposerWindow::tableExec(int command)
{
    // A command with no table cell at the caret does nothing, as the control's error is ignored.
    area->execCommand(command);
    area->setFocus();
}

void ComposerWindow::mnudetails_Click()
{
    area->setShowDetails(!area->showDetails());
    menuAction(QStringLiteral("mnudetails"))->setChecked(area->showDetails());
}

void ComposerWindow::mnubrowser_Click()
{
    area->setBrowseMode(!area->browseMode());
    menuAction(QStringLiteral("mnubrowser"))->setChecked(area->browseMode());
}

void ComposerWindow::Combo3_Change(const QString& text)
{
    if (text.isEmpty() || text == composer::kSpclChar) {
        platform().message(QStringLiteral("Choose a valid special character from the list"));
        backToPage();
        return;
    }
    backToPage();
    // Typed into the page as the character itself, whatever keys it would take to type it.
    area->typeText(text);
}

void ComposerWindow::mnuinsertfragment_Click()
{
    // Browse Mode shows the page read-only.
    if (area->browseMode())
        return;
    // An empty side control still holds a blank paragraph.
    if (assister->isBlank()) {
        platform().message(QStringLiteral("There is no fragment to insert. Build one first from "
                                          "the Format, Insert, Table or Extras menu."),
                           MsgIcon::Information, kAssistantTitle);
        return;
    }
    area->setFocus();
    area->insertHtml(assister->bodyHtml().trimmed());
}

// Fragments -------------------------------------------------------------------------------------

void ComposerWindow::showFragment(const QString& markup)
{
    const EditResult r = assister->loadFragment(markup);
    if (!r.ok)
        platform().message(QStringLiteral("Could not show the fragment through %1: %2")
                               .arg(quotedPath(QDir::tempPath()), r.error),
                           MsgIcon::Critical, kAssistantTitle);
}

void ComposerWindow::textFragment(int index)
{
    const composer::TextFragment& f = composer::textFragments()[std::size_t(index)];
    const QString text = platform().input(QString::fromUtf8(f.prompt), kAssistantTitle);
    if (text.isEmpty())
        return;
    showFragment(QString::fromUtf8(f.open) + text + QString::fromUtf8(f.close));
}

bool ComposerWindow::invalidName(const QString& name)
{
    if (!name.isEmpty())
        return false;
    platform().message(QStringLiteral("Invalid name. Orvel will not proceed"), MsgIcon::Exclamation,
                       kAssistantTitle);
    area->setFocus();
    return true;
}

void ComposerWindow::namedControl(int index)
{
    const composer::NamedControl& c = composer::namedControls()[std::size_t(index)];
    const QString name = platform().input(QString::fromUtf8(c.prompt), kAssistantTitle);
    if (invalidName(name))
        return;
    showFragment(composer::namedControl(c, name));
}

void ComposerWindow::mnutextarea_Click()
{
    const QString name =
        platform().input(QStringLiteral("Please enter a name for the textarea"), kAssistantTitle);
    if (invalidName(name))
        return;
    const QString cols = platform().input(QStringLiteral("Please enter the number of columns"),
                                          kAssistantTitle, QStringLiteral("25"));
    const QString rows = platform().input(QStringLiteral("Please enter the number of rows"),
                                          kAssistantTitle, QStringLiteral("10"));
    showFragment(composer::textArea(name, cols, rows));
}

void ComposerWindow::mnufieldset_Click()
{
    const bool legend =
        platform().ask(
            kAssistantTitle,
            QStringLiteral("Would you like to add a Legend or a Caption to your fieldset?"),
            MsgAnswer::Yes) == MsgAnswer::Yes;
    QString text;
    if (legend)
        text = platform().input(QStringLiteral("Enter the Legend/Caption here"),
                                QStringLiteral("Enter the legend:"), QStringLiteral("My Legend"));
    showFragment(composer::fieldSet(legend, text));
}

void ComposerWindow::mnuHighlight_Click()
{
    const QString code =
        platform().input(QStringLiteral("Enter the 6 character RGB code for the highlight"));
    const QString text = platform().input(QStringLiteral("Enter the text to be highlighted"));
    if (code.size() != 6) {
        platform().message(QStringLiteral("Invalid value. The RGB code has 6 characters"));
        return;
    }
    showFragment(composer::highlight(code, text));
}

void ComposerWindow::mnuinserttable_Click()
{
    auto* d = dialogFor<ComposerTableDialog>(dialogTarget());
    watchDialog(d);
    d->show();
}

void ComposerWindow::mnuhr_Click()
{
    auto* d = dialogFor<ComposerRuleDialog>(dialogTarget());
    watchDialog(d);
    d->show();
}

void ComposerWindow::mnuheading_Click()
{
    auto* d = dialogFor<ComposerHeadDialog>(dialogTarget());
    watchDialog(d);
    d->show();
}

void ComposerWindow::mnudropdown_Click()
{
    auto* d = dialogFor<ComposerListBoxDialog>(dialogTarget());
    watchDialog(d);
    d->show();
    d->presetDropDown();
}

void ComposerWindow::mnulistbox_Click()
{
    auto* d = dialogFor<ComposerListBoxDialog>(dialogTarget());
    watchDialog(d);
    d->presetListBox();
    d->show();
}

} // namespace orvel
