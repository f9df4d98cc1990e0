#pragma once

#include "document/tag_types.h"
#include "platform/file_state.h"
#include "platform/text_file.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

class QLabel;
class QMenu;
class TDocEditor;
class QTextCursor;

// One open document: its editor, its file name, the pending tag pair that
// every tag command fills and hands to InsertTagPair, and the one-level undo
// snapshot of the last insertion.
class TMDIChild : public QMdiSubWindow
{
    Q_OBJECT
public:
    // `frameClientSize` is the main window's document area; the new window
    // takes seven tenths of it.
    explicit TMDIChild(QSize frameClientSize, QWidget *parent = nullptr);
    ~TMDIChild() override;

    QLabel *lblFilename;
    TDocEditor *txtDoc;

    // The window number (1 to 100): its slot in the main window's table.
    int Tag = 0;

    QString StartTag;
    QString EndTag;
    QString CapturedText;
    // The whole text before the last tag insertion, or after an undo by
    // snapshot the text that undo replaced. Lines separated by U+2029.
    QString UndoSnapshot;
    // Whether a tag insertion has filled UndoSnapshot since the page came;
    // until then undo by snapshot would blank the page.
    bool HasUndoSnapshot = false;

    // The window's recent-file entries and their separator, filled in by
    // whoever builds its menus.
    std::array<QAction *, 10> OpenFile{};
    QAction *N22 = nullptr;
    // The window's menus, in menu bar order.
    QList<QMenu *> menus;

    void ClearTagPair();
    void CaptureSelection();
    void InsertTagPair(InsertMode mode);
    // Puts `text` (CR LF line breaks) at `position` of the raw text the way
    // InsertTagPair puts its tags: one step that Undo takes back.
    void InsertTextAt(qsizetype position, const QString &text);
    void UndoItemClick();

    QString fileName() const;
    void setFileName(const QString &name);
    bool isModified() const;
    void setModified(bool modified);
    // How lines end when the text is written (a file whose lines all ended
    // in LF keeps LF; everything else gets CR LF).
    LineEnd lineEnd = LineEnd::CrLf;
    // The encoding the file was read in, and is written back in.
    TextEncoding encoding = TextEncoding::ShiftJis;
    // The user's choice of how the next save writes the page: marks it
    // modified when it differs.
    void chooseEncoding(TextEncoding chosen);
    // Unsaved changes other than a newly chosen encoding: what reading the
    // file again would lose.
    bool hasUnsavedText() const;
    // The page as read from its file: text, line ends and encoding; clean.
    void loadPage(const LoadedText &page);
    // The charset declaration the user chose to keep, and the encoding it was
    // kept against, so a save asks about it once.
    QString keptDeclaration;
    // The file as this window last read or wrote it (nullopt: there was
    // none), so that a save notices a file someone else has rewritten.
    std::optional<FileStamp> fileStamp;

    int TypingMode() const;

    // The search dialogs open on this window (made by the search commands).
    void closeSearchDialogs();
    // Back to typing where a search dialog left the caret.
    void returnFocusToText();

    // Asked before the window closes (the save question); false keeps it open.
    void setCloseQuery(std::function<bool(TMDIChild &)> query);
    // Closes without the save question (already asked, e.g. on program exit).
    void closeWithoutAsking();

Q_SIGNALS:
    // The text was written to `fileName`.
    void saved(const QString &fileName);
    void encodingChanged();
    void typingModeChanged(int mode);
    // The close went ahead; the window is about to be destroyed.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void replaceWithSnapshot(const QTextCursor &cursor, const QString &text);

    std::function<bool(TMDIChild &)> m_closeQuery;
    bool m_closeAllowed = false;
    // The text when another encoding was chosen on a clean page.
    std::optional<size_t> m_textBeforeEncodingChoice;
};
