#pragma once

#include "app/document_table.h"
#include "app/recent_files.h"
#include "app/tool_panel.h"
#include "dialogs/browser_settings.h"
#include "dialogs/dialog_owner.h"
#include "document/view_options.h"

#include <QFont>
#include <QMainWindow>
#include <memory>
#include <utility>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolButton;
class DocumentStatus;
class FileDropCatcher;
class PageRecovery;
class RecoverySession;
class TAboutBox;
class TMDIChild;
struct LoadedText;
struct RecoveryRecord;

// The main window: a frame of document windows with the menus, the two
// toolbar rows and the status bar. It owns the window table, the recent-file
// list, the display font and the browser path.
class TMainForm : public QMainWindow, public BrowserSettings
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // The main window a document window lives in.
    static TMainForm &of(const TMDIChild &doc);

    // The one way a document window is made: the file `name` when it exists,
    // otherwise a new document from the template with `name` as its caption.
    // nullptr when the window budget is used up or the file cannot be read:
    // a folder, a FIFO or a device, or a file above MaxPageBytes, is refused
    // with a message.
    TMDIChild *OpenDocumentWindow(const QString &name);
    // A page a crashed run left unsaved, as it was: its caption, file name
    // and line ends, its text, modified. nullptr when the budget is used up.
    TMDIChild *OpenRecoveredWindow(const RecoveryRecord &page);
    // Where this run keeps copies of its unsaved pages.
    RecoverySession &recoverySession() const;
    // The document window the commands work on, nullptr when there is none.
    TMDIChild *activeDocument() const;

    // Opens files dropped on the frame, in order, as Open does; a folder or
    // a file that cannot be read gets the message a failed open gets.
    void openDroppedFiles(const QStringList &names);

    void FileNewItemClick(QObject *sender = nullptr);
    void FileOpenItemClick(QObject *sender = nullptr);
    void FileExitItemClick(QObject *sender = nullptr);
    void OpenFile1Click(QObject *sender);
    void WindowCascadeItemClick(QObject *sender = nullptr);
    void WindowTileItemClick(QObject *sender = nullptr);
    void WindowArrangeItemClick(QObject *sender = nullptr);
    void WindowMinimizeItemClick(QObject *sender = nullptr);
    void HelpMokujiItemClick(QObject *sender = nullptr);
    void HelpAboutItemClick(QObject *sender = nullptr);
    void FontItemClick(QObject *sender = nullptr);
    // Show or hide a toolbar; the other one moves up and the document area
    // takes the room.
    void BaseClick(QObject *sender = nullptr);
    void ExtClick(QObject *sender = nullptr);
    void PopBaseClick(QObject *sender = nullptr);
    void PopExtClick(QObject *sender = nullptr);
    // Check marks of the toolbar entries, set as their menu opens.
    void ToolbarClick();
    void PopToolBarPopup();
    // The view options, for every document window.
    void ColourTagsClick(QObject *sender = nullptr);
    void LineNumbersClick(QObject *sender = nullptr);
    void WrapLinesClick(QObject *sender = nullptr);
    void setViewOptions(const ViewOptions &options);

    void PushRecentFile(const QString &name);
    void UpdateRecentMenu();
    void SyncRecentMenu(TMDIChild &doc);
    // Enables the Window entries and the toolbar buttons that work on
    // documents exactly while a document window exists.
    void UpdateMenuItems();

    void LoadSettings();
    void SaveSettings();

    // BrowserPath, for the preview commands.
    QString browserPath() const override;
    bool setBrowserPath(const QString &path) override;

    QMdiArea *ClientArea;
    TToolPanel *SpeedPanel = nullptr;
    TToolPanel *pnlExt = nullptr;
    QMenu *PopToolBar = nullptr;
    QLabel *StatusPanel0;
    QLabel *StatusPanel1;
    TAboutBox *AboutBox;

    DocumentTable Documents;
    // Document windows made in this run; it never goes down.
    int DocumentCounter = 0;
    RecentFiles Recent;
    RecentEntries OpenFile{};
    QAction *N3 = nullptr;
    QFont DisplayFont;
    QString BrowserPath;
    QString HelpFile;
    ViewOptions Views;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMainMenus();
    void buildToolbars();
    void addButtons(TToolPanel *panel, std::span<const ToolButtonRow> rows,
                    std::span<const ToolButtonRow> above);
    // Runs a toolbar's document command on the active document window.
    // The entry `name` of the active document window, if there is one.
    QAction *documentEntry(const char *name) const;
    bool windowBudgetLeft();
    TMDIChild *addDocumentWindow(const QString &caption, const LoadedText &page);
    PageRecovery *watchForRecovery(TMDIChild &doc);
    void buildDocumentMenus(TMDIChild &doc);
    void mergeMenus(TMDIChild *doc);
    // Open after the file name is chosen: the test for an open file, the
    // recent list, the window.
    TMDIChild *openUnlessOpen(const QString &name);
    void activeWindowChanged();
    void documentClosing(TMDIChild *doc);
    void documentSaved(TMDIChild *doc, const QString &fileName);
    void showTypingMode(int mode);
    void rebuildWindowList();
    QAction *mainAction(const char *name) const;
    void showViewOptions();
    // Text an input method is composing goes into the page before a command runs.
    void commitComposing();

    QList<QMenu *> m_mainMenus;  // File, Option, Window, Help
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowListActions;
    // The toolbar buttons that need a document window.
    // The buttons of document entries, with their entries' names.
    QList<std::pair<QToolButton *, const char *>> m_documentButtons;
    TMDIChild *m_closingDocument = nullptr;
    DocumentStatus *m_status = nullptr;
    FileDropCatcher *m_drops = nullptr;
    // Shared with the windows' copy keepers, so it outlives the last of them.
    std::shared_ptr<RecoverySession> m_recovery;
    // The attribute dialogs, made on first use and kept for the run.
    DialogOwner m_dialogs{this};
};
