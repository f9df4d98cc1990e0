#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// Everything modal or system-bound that the editor asks of the desktop goes
// through this one seam: message boxes, the file and font dialogs, the
// one-line input box, the help viewer, the browser hand-off and the
// program's folders. The running program uses QtPlatform; tests install a
// scripted fake.

enum class MessageKind { Warning, Confirmation, Information, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct InputBoxRequest {
    QString title;
    QString prompt;
    QString preset;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // `title` empty: the kind's own title ("警告", "確認", "情報", "エラー").
    virtual Answer message(QWidget *parent, MessageKind kind, const QString &text,
                           MessageButtons buttons, const QString &title = {}) = 0;

    // `filter` in the "Description|pattern|Description|pattern" form; the first
    // pair is selected. nullopt when cancelled. A typed name need not be an
    // existing file.
    virtual std::optional<QString> openFileName(QWidget *parent, const QString &filter,
                                                const QString &initialName = {}) = 0;
    // Asks before replacing an existing file; adds no extension. Starts in
    // `initialFolder`, or where the last file dialog ended when it is empty.
    virtual std::optional<QString> saveFileName(QWidget *parent, const QString &filter,
                                                const QString &initialName,
                                                const QString &initialFolder = {}) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    // The standard colour dialog, opening on `initial`; nullopt when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;
    // The text field takes at most 255 characters.
    virtual std::optional<QString> inputBox(QWidget *parent, const InputBoxRequest &request) = 0;

    virtual void showHelp(QWidget *parent, const QString &helpFile, int context) = 0;

    // Hands the page `document` (a full path, or empty for none) to `browser`.
    // A program (an executable file, or a bare name found on the PATH only)
    // is started on its own, in the program's folder, with the page as its
    // one argument; a browser that is running already takes the page over
    // itself. A relative path is taken from the program's folder. A desktop
    // launcher (*.desktop) is launched with the page. False for anything
    // else: a folder, another file, nothing found.
    virtual bool startBrowser(const QString &browser, const QString &document) = 0;
    // The program of the desktop's default web browser, as a full path; empty
    // when the desktop names none.
    virtual QString defaultBrowser() const { return {}; }

    // The folder of the running program, with a trailing '/'.
    virtual QString programFolder() const = 0;
    // Where MARQUILL.INI lives.
    virtual QString configFilePath() const = 0;
    // Where copies of unsaved pages wait for the next start after a crash.
    virtual QString recoveryFolder() const = 0;
};

Platform &platform();
// Installs `replacement` (not owned); nullptr restores the Qt implementation.
void setPlatform(Platform *replacement);
