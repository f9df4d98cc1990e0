#include "app/main_form.h"

#include "app/about_box.h"
#include "app/bar_accessibility.h"
#include "app/document_status.h"
#include "app/encoding_menu.h"
#include "app/file_drop.h"
#include "app/menu_rows.h"
#include "app/settings.h"
#include "app/view_settings.h"
#include "app/tool_panel.h"
#include "app/window_arrange.h"
#include "document/doc_editor.h"
#include "document/editor_view.h"
#include "document/file_commands.h"
#include "document/mdi_child.h"
#include "document/page_open.h"
#include "document/page_recovery.h"
#include "platform/busy_cursor.h"
#include "platform/install_layout.h"
#include "platform/locale_text.h"
#include "platform/platform.h"
#include "platform/program_icon.h"
#include "platform/recovery_session.h"
#include "platform/text_file.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString documentTemplate = u"<HTML>\n<HEAD>\n<TITLE></TITLE>\n<!-- Marquill 32 -->\n"
                                 "</HEAD>\n<BODY>\n</BODY>\n</HTML>\n"_s;

QAction *findMenuAction(const QMenu *menu, QLatin1String name)
{
    for (QAction *action : menu->actions()) {
        if (action->objectName() == name)
            return action;
        if (const QMenu *sub = action->menu()) {
            if (QAction *found = findMenuAction(sub, name))
                return found;
        }
    }
    return nullptr;
}

QAction *findAction(const QList<QMenu *> &menus, QLatin1String name)
{
    for (const QMenu *menu : menus) {
        if (QAction *action = findMenuAction(menu, name))
            return action;
    }
    return nullptr;
}

// The recent-file entries OpenFile1 to OpenFile10 of a File menu.
RecentEntries recentEntriesOf(const QList<QMenu *> &menus)
{
    RecentEntries entries{};
    for (int i = 0; i < RecentFiles::Count; ++i) {
        const QByteArray name = "OpenFile" + QByteArray::number(i + 1);
        entries[i] = findAction(menus, QLatin1String(name));
    }
    return entries;
}

QString escapedForMenu(QString text)
{
    return text.replace(u'&', u"&&"_s);
}

} // namespace

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent)
    , ClientArea(new QMdiArea(this))
    , StatusPanel0(new QLabel(this))
    , StatusPanel1(new QLabel(u"挿入"_s, this))
    , DisplayFont(u"ＭＳ Ｐゴシック"_s, 11)
    , m_recovery(std::make_shared<RecoverySession>(platform().recoveryFolder()))
{
    installBarAccessibility();
    setObjectName(u"MainForm"_s);
    setWindowTitle(u"Ｍａｒｑｕｉｌｌ"_s);
    setWindowIcon(programIcon());

    ClientArea->setObjectName(u"ClientArea"_s);
    ClientArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    // The toolbars stack at the top; a hidden one gives its room to the
    // one below it and to the documents.
    auto *frame = new QWidget(this);
    frame->setObjectName(u"ClientFrame"_s);
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    SpeedPanel = new TToolPanel(u"SpeedPanel"_s, u"基本"_s, frame);
    pnlExt = new TToolPanel(u"pnlExt"_s, u"拡張"_s, frame);
    column->addWidget(SpeedPanel);
    column->addWidget(pnlExt);
    column->addWidget(ClientArea, 1);
    setCentralWidget(frame);

    StatusPanel0->setObjectName(u"StatusPanel0"_s);
    StatusPanel1->setObjectName(u"StatusPanel1"_s);
    StatusPanel1->setFixedWidth(60);
    StatusPanel1->setAlignment(Qt::AlignCenter);
    // Read out as its text, the mode, which follows the active document.
    StatusPanel1->setAccessibleDescription(u"入力ﾓｰﾄﾞ"_s);
    statusBar()->setObjectName(u"StatusBar"_s);
    statusBar()->addWidget(StatusPanel0, 1);
    m_status = new DocumentStatus(statusBar());
    connect(m_status, &DocumentStatus::encodingPanelClicked, this, [this] {
        if (TMDIChild *doc = activeDocument())
            encodingMenuOf(*doc)->popup(m_status->StatusEncoding->mapToGlobal(QPoint(0, 0)));
    });
    statusBar()->addPermanentWidget(StatusPanel1);
    nameBarParts(*this);

    AboutBox = new TAboutBox(this);
    m_dialogs.setBrowserSettings(this);

    HelpFile = helpFilePath(platform().programFolder());
    buildMainMenus();
    buildToolbars();
    connect(ClientArea, &QMdiArea::subWindowActivated, this, &TMainForm::activeWindowChanged);
    m_drops = new FileDropCatcher([this](const QStringList &files) {
        commitComposing();
        openDroppedFiles(files);
    }, this);
    m_drops->watch(this);
    DocumentCounter = 0;
    LoadSettings();
    UpdateRecentMenu();
    mergeMenus(nullptr);
    UpdateMenuItems();
}

TMainForm::~TMainForm()
{
    disconnect(ClientArea, nullptr, this, nullptr);
}

TMainForm &TMainForm::of(const TMDIChild &doc)
{
    return *qobject_cast<TMainForm *>(doc.window());
}

TMDIChild *TMainForm::activeDocument() const
{
    auto *doc = qobject_cast<TMDIChild *>(ClientArea->currentSubWindow());
    return doc == m_closingDocument ? nullptr : doc;
}

// --- menus -----------------------------------------------------------------

void TMainForm::buildMainMenus()
{
    ShortcutsTaken taken;
    m_mainMenus = buildMenus(this, mainMenuRows(), taken, [this](QAction *action, const auto &row) {
        const MainCommand command = row.command;
        connect(action, &QAction::triggered, this, [this, action, command] {
            commitComposing();
            (this->*command)(action);
        });
    });
    for (QMenu *menu : std::as_const(m_mainMenus))
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::commitComposing);
    OpenFile = recentEntriesOf(m_mainMenus);
    N3 = mainAction("N3");
    m_windowMenu = findChild<QMenu *>(u"Window1"_s);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::rebuildWindowList);

    for (const char *name : {"Base", "Ext"})
        mainAction(name)->setCheckable(true);
    connect(findChild<QMenu *>(u"Toolbar"_s), &QMenu::aboutToShow, this, &TMainForm::ToolbarClick);
}

QAction *TMainForm::mainAction(const char *name) const
{
    return findAction(m_mainMenus, QLatin1String(name));
}

void TMainForm::buildDocumentMenus(TMDIChild &doc)
{
    ShortcutsTaken taken;
    TMDIChild *target = &doc;
    doc.menus = buildMenus(&doc, documentMenuRows(), taken, [target](QAction *action, const auto &row) {
        const DocumentCommand command = row.command;
        QObject::connect(action, &QAction::triggered, target,
                         [target, action, command] {
                             target->txtDoc->commitComposition();
                             command(*target, action);
                         });
    });
    doc.OpenFile = recentEntriesOf(doc.menus);
    doc.N22 = findAction(doc.menus, QLatin1String("N22"));
    // The editor's own menu: reopening the tag under the caret, then the
    // Edit menu's entries.
    auto *context = new QMenu(&doc);
    context->setObjectName(u"EditorMenu"_s);
    if (QAction *tagEdit = findAction(doc.menus, QLatin1String("ToolTagEdit"))) {
        context->addAction(tagEdit);
        context->addSeparator();
    }
    for (QMenu *menu : doc.menus) {
        connect(menu, &QMenu::aboutToShow, doc.txtDoc, &TDocEditor::commitComposition);
        if (menu->objectName() == u"Edit1")
            context->addActions(menu->actions());
    }
    doc.txtDoc->setContextMenu(context);
    doc.txtDoc->setMenuShortcuts(taken);
    setUpEncodingMenu(doc);
}

void TMainForm::mergeMenus(TMDIChild *doc)
{
    QMenuBar *bar = menuBar();
    bar->clear();
    if (doc) {
        for (QMenu *menu : doc->menus)
            bar->addMenu(menu);
    } else {
        bar->addMenu(m_mainMenus.at(0));
    }
    for (qsizetype i = 1; i < m_mainMenus.size(); ++i)
        bar->addMenu(m_mainMenus.at(i));
}

void TMainForm::rebuildWindowList()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> windows = ClientArea->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    m_windowListActions << m_windowMenu->addSeparator();
    int number = 1;
    for (QMdiSubWindow *w : windows) {
        if (w == m_closingDocument)
            continue;
        const QString caption = escapedForMenu(w->windowTitle());
        QAction *action = m_windowMenu->addAction(
            number <= 9 ? u'&' + QString::number(number) + u' ' + caption : caption);
        ++number;
        action->setCheckable(true);
        action->setChecked(w == ClientArea->currentSubWindow());
        connect(action, &QAction::triggered, this, [this, w] {
            if (w->isMinimized())
                w->showNormal();
            ClientArea->setActiveSubWindow(w);
        });
        m_windowListActions << action;
    }
}

void TMainForm::commitComposing()
{
    if (TMDIChild *doc = activeDocument())
        doc->txtDoc->commitComposition();
}

void TMainForm::UpdateMenuItems()
{
    const bool any = !Documents.filled().isEmpty();
    for (const char *name : {"WindowCascadeItem", "WindowTileItem", "WindowArrangeItem",
                             "WindowMinimizeItem"})
        mainAction(name)->setEnabled(any);
    for (const auto &[button, entry] : std::as_const(m_documentButtons)) {
        // Every document window has the same entries; any window will do
        // until one is active.
        const QAction *action = any ? documentEntry(entry) : nullptr;
        button->setEnabled(any && (!action || action->isEnabled()));
    }
}

void TMainForm::activeWindowChanged()
{
    TMDIChild *doc = activeDocument();
    mergeMenus(doc);
    if (doc) {
        SyncRecentMenu(*doc);
        showTypingMode(doc->TypingMode());
    }
    m_status->follow(doc);
    UpdateMenuItems();
}

void TMainForm::showTypingMode(int mode)
{
    StatusPanel1->setText(mode == 1 ? u"上書き"_s : u"挿入"_s);
}

// --- toolbars --------------------------------------------------------------

void TMainForm::buildToolbars()
{
    addButtons(SpeedPanel, speedPanelRows(), {});
    addButtons(pnlExt, extPanelRows(), speedPanelRows());

    PopToolBar = new QMenu(this);
    PopToolBar->setObjectName(u"PopToolBar"_s);
    QAction *popBase = PopToolBar->addAction(u"基本(&B)"_s);
    QAction *popExt = PopToolBar->addAction(u"拡張(&E)"_s);
    popBase->setObjectName(u"PopBase"_s);
    popExt->setObjectName(u"PopExt"_s);
    for (QAction *action : {popBase, popExt})
        action->setCheckable(true);
    connect(popBase, &QAction::triggered, this, [this, popBase] { PopBaseClick(popBase); });
    connect(popExt, &QAction::triggered, this, [this, popExt] { PopExtClick(popExt); });
    connect(PopToolBar, &QMenu::aboutToShow, this, &TMainForm::PopToolBarPopup);
    SpeedPanel->popupMenu = PopToolBar;
    pnlExt->popupMenu = PopToolBar;
}

void TMainForm::addButtons(TToolPanel *panel, std::span<const ToolButtonRow> rows,
                           std::span<const ToolButtonRow> above)
{
    const QList<int> lefts = buttonLefts(rows, above);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ToolButtonRow &row = rows[i];
        QToolButton *button = panel->addButton(row, lefts.at(qsizetype(i)));
        if (*row.mainEntry) {
            QAction *action = mainAction(row.mainEntry);
            connect(button, &QToolButton::clicked, action, &QAction::trigger);
            connect(action, &QAction::changed, button, [button, action] {
                button->setEnabled(action->isEnabled());
            });
            button->setEnabled(action->isEnabled());
        } else {
            const char *entry = row.entry;
            connect(button, &QToolButton::clicked, this, [this, entry] {
                if (QAction *action = documentEntry(entry))
                    action->trigger();
            });
            m_documentButtons.append({button, entry});
        }
    }
}

QAction *TMainForm::documentEntry(const char *name) const
{
    // Between a window closing and the buttons following there is none.
    const TMDIChild *active = activeDocument();
    TMDIChild *doc = active ? Documents.at(active->Tag) : nullptr;
    return doc ? findAction(doc->menus, QLatin1String(name)) : nullptr;
}

// --- document windows ------------------------------------------------------

bool TMainForm::windowBudgetLeft()
{
    if (DocumentCounter < DocumentTable::Slots)
        return true;
    platform().message(this, MessageKind::Warning,
                       u"作業領域がとれません。プログラムを再起動してください。"_s,
                       MessageButtons::Ok);
    return false;
}

TMDIChild *TMainForm::OpenDocumentWindow(const QString &name)
{
    if (!windowBudgetLeft())
        return nullptr;
    const std::optional<OpenedPage> opened = openPage(this, name);
    if (!opened)
        return nullptr;
    // A large page takes a while to lay out.
    BusyCursor busy;
    const bool isFile = opened->stamp.has_value();
    TMDIChild *doc = addDocumentWindow(name, isFile ? opened->page : LoadedText{documentTemplate});
    if (isFile) {
        doc->setFileName(name);
        doc->fileStamp = opened->stamp;
    }
    watchForRecovery(*doc);
    return doc;
}

TMDIChild *TMainForm::OpenRecoveredWindow(const RecoveryRecord &page)
{
    if (!windowBudgetLeft())
        return nullptr;
    TMDIChild *doc =
            addDocumentWindow(page.caption, LoadedText{page.text, page.lineEnd, page.encoding});
    doc->setFileName(page.fileName);
    doc->fileStamp = page.fileStamp;
    doc->setModified(true);
    // Its only other copy is the one about to be discarded.
    watchForRecovery(*doc)->copyNow();
    return doc;
}

TMDIChild *TMainForm::addDocumentWindow(const QString &caption, const LoadedText &page)
{
    auto *doc = new TMDIChild(ClientArea->viewport()->size());
    doc->setCloseQuery(FormCloseQuery);
    buildDocumentMenus(*doc);
    // Files dropped on the text open too, instead of landing in it as names.
    m_drops->watch(doc->txtDoc->viewport());
    doc->txtDoc->setFont(QFont(DisplayFont.family(), DisplayFont.pointSize()));
    EditorView::of(doc->txtDoc)->apply(Views);
    doc->setWindowTitle(caption);
    // Shown before it gets its text, so that the text is laid out once, at
    // the window's width (a hidden editor lays a line out as if endless).
    ClientArea->addSubWindow(doc);
    doc->show();
    doc->loadPage(page);
    ++DocumentCounter;
    doc->Tag = DocumentCounter;
    Documents.put(doc->Tag, doc);

    connect(doc, &TMDIChild::closing, this, [this, doc] { documentClosing(doc); });
    connect(doc, &TMDIChild::saved, this,
            [this, doc](const QString &fileName) { documentSaved(doc, fileName); });
    connect(doc, &TMDIChild::typingModeChanged, this, [this, doc](int mode) {
        if (doc == activeDocument())
            showTypingMode(mode);
    });
    ClientArea->setActiveSubWindow(doc);
    doc->txtDoc->setFocus();
    // Activation came while the window was not in the table yet.
    activeWindowChanged();
    return doc;
}

PageRecovery *TMainForm::watchForRecovery(TMDIChild &doc)
{
    return new PageRecovery(doc, doc.Tag, m_recovery);
}

RecoverySession &TMainForm::recoverySession() const
{
    return *m_recovery;
}

void TMainForm::documentClosing(TMDIChild *doc)
{
    Documents.clear(doc->Tag);
    m_closingDocument = doc;
    activeWindowChanged();
    m_closingDocument = nullptr;
}

void TMainForm::documentSaved(TMDIChild *doc, const QString &fileName)
{
    PushRecentFile(fileName);
    SyncRecentMenu(*doc);
}

// --- File menu -------------------------------------------------------------

void TMainForm::FileNewItemClick(QObject *)
{
    OpenDocumentWindow(u"New-"_s + QString::number(Documents.filled().size() + 1));
}

void TMainForm::FileOpenItemClick(QObject *)
{
    const std::optional<QString> name = platform().openFileName(this, QString::fromUtf16(HtmlFileFilter));
    if (name)
        openUnlessOpen(*name);
}

TMDIChild *TMainForm::openUnlessOpen(const QString &name)
{
    for (TMDIChild *doc : Documents.filled()) {
        if (sameTextIgnoringCase(doc->windowTitle(), name)) {
            platform().message(this, MessageKind::Warning, u"このファイルはすでに開いています"_s,
                               MessageButtons::Ok);
            return nullptr;
        }
    }
    PushRecentFile(name);
    return OpenDocumentWindow(name);
}

void TMainForm::openDroppedFiles(const QStringList &names)
{
    for (const QString &name : names) {
        const QFileInfo file(name);
        // Open would make a new page named after a folder; a drop means a file.
        if (!file.isFile() || !file.isReadable()) {
            tellCannotOpen(this, name);
            continue;
        }
        // One budget warning is enough for the whole drop.
        if (!openUnlessOpen(name) && DocumentCounter >= DocumentTable::Slots)
            break;
    }
}

void TMainForm::FileExitItemClick(QObject *)
{
    close();
}

void TMainForm::OpenFile1Click(QObject *sender)
{
    const int index = sender ? sender->property("Tag").toInt() : 0;
    if (index < 0 || index >= RecentFiles::Count)
        return;
    const QString name = Recent.at(index);
    if (name.isEmpty())
        return;
    for (TMDIChild *doc : Documents.filled()) {
        if (sameTextIgnoringCase(doc->windowTitle(), name)) {
            platform().message(this, MessageKind::Warning, u"すでに開いています"_s, MessageButtons::Ok);
            return;
        }
    }
    Recent.moveToFront(index);
    UpdateRecentMenu();
    OpenDocumentWindow(name);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    const QList<TMDIChild *> docs = Documents.filled();
    for (TMDIChild *doc : docs) {
        if (!FormCloseQuery(*doc)) {
            event->ignore();
            return;
        }
    }
    SaveSettings();
    for (TMDIChild *doc : docs)
        doc->closeWithoutAsking();
    event->accept();
}

// --- recent files ----------------------------------------------------------

void TMainForm::PushRecentFile(const QString &name)
{
    Recent.push(name);
    UpdateRecentMenu();
}

void TMainForm::UpdateRecentMenu()
{
    ::UpdateRecentMenu(Recent, N3, OpenFile);
}

void TMainForm::SyncRecentMenu(TMDIChild &doc)
{
    ::SyncRecentMenu(N3, OpenFile, doc.N22, doc.OpenFile);
}

// --- Window, Help and Option menus ----------------------------------------

void TMainForm::WindowCascadeItemClick(QObject *)
{
    cascade(*ClientArea);
}

void TMainForm::WindowTileItemClick(QObject *)
{
    tileHorizontally(*ClientArea);
}

void TMainForm::WindowArrangeItemClick(QObject *)
{
    arrangeIcons(*ClientArea);
}

void TMainForm::WindowMinimizeItemClick(QObject *)
{
    minimizeAll(*ClientArea);
}

void TMainForm::HelpMokujiItemClick(QObject *)
{
    platform().showHelp(this, HelpFile, 1);
}

void TMainForm::HelpAboutItemClick(QObject *)
{
    AboutBox->exec();
}

void TMainForm::FontItemClick(QObject *)
{
    if (const std::optional<QFont> font = platform().chooseFont(this, DisplayFont))
        DisplayFont = *font;
}

void TMainForm::BaseClick(QObject *)
{
    SpeedPanel->setVisible(!SpeedPanel->isVisibleTo(this));
}

void TMainForm::ExtClick(QObject *)
{
    pnlExt->setVisible(!pnlExt->isVisibleTo(this));
}

void TMainForm::PopBaseClick(QObject *sender)
{
    BaseClick(sender);
}

void TMainForm::PopExtClick(QObject *sender)
{
    ExtClick(sender);
}

void TMainForm::ToolbarClick()
{
    mainAction("Base")->setChecked(SpeedPanel->isVisibleTo(this));
    mainAction("Ext")->setChecked(pnlExt->isVisibleTo(this));
}

void TMainForm::PopToolBarPopup()
{
    PopToolBar->findChild<QAction *>(u"PopBase"_s)->setChecked(SpeedPanel->isVisibleTo(this));
    PopToolBar->findChild<QAction *>(u"PopExt"_s)->setChecked(pnlExt->isVisibleTo(this));
}

// --- settings --------------------------------------------------------------

void TMainForm::LoadSettings()
{
    // Without stored geometry the window takes a good part of the screen,
    // where the window system places it.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 3 / 4);
    MainSettings settings;
    readSettings(platform().configFilePath(), settings);
    if (settings.left || settings.top)
        move(settings.left.value_or(x()), settings.top.value_or(y()));
    if (settings.width || settings.height)
        resize(settings.width.value_or(width()), settings.height.value_or(height()));
    SpeedPanel->setVisible(settings.toolBar1);
    pnlExt->setVisible(settings.toolBar2);
    DisplayFont = QFont(settings.fontName, settings.fontSize);
    Recent = settings.recentFiles;
    BrowserPath = settings.browserPath;
    Views = readViewSettings(viewSettingsPath());
    showViewOptions();
}

void TMainForm::SaveSettings()
{
    MainSettings settings;
    // Position of the frame, size of the window inside it: what move() and
    // resize() take back at the next start.
    const bool normal = !isMaximized() && !isMinimized();
    const QRect geometry = normal ? QRect(pos(), size()) : normalGeometry();
    settings.left = geometry.left();
    settings.top = geometry.top();
    settings.width = geometry.width();
    settings.height = geometry.height();
    settings.toolBar1 = SpeedPanel->isVisibleTo(this);
    settings.toolBar2 = pnlExt->isVisibleTo(this);
    settings.fontName = DisplayFont.family();
    settings.fontSize = DisplayFont.pointSize();
    settings.recentFiles = Recent;
    settings.browserPath = BrowserPath;
    const QString file = platform().configFilePath();
    if (!writeSettings(file, settings))
        platform().message(this, MessageKind::Error,
                           u"ﾌｧｲﾙ %1 を作成できません"_s.arg(QDir::toNativeSeparators(file)),
                           MessageButtons::Ok, u"Marquill 32"_s);
}

QString TMainForm::browserPath() const
{
    return BrowserPath;
}

bool TMainForm::setBrowserPath(const QString &path)
{
    BrowserPath = path;
    return writeBrowserPath(path);
}
