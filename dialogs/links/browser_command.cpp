#include "dialogs/links/browser_command.h"

#include "dialogs/browser_settings.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/links/browser_dialog.h"
#include "document/file_commands.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Blanks and control characters make no browser path, wherever they stand.
bool namesNoProgram(const QString &path)
{
    return std::all_of(path.begin(), path.end(), [](QChar c) {
        return c.unicode() <= 0x20 || c.isSpace() || c.category() == QChar::Other_Control;
    });
}

// Shows the browser dialog on `proposal`; on OK takes and writes the path
// and returns it.
std::optional<QString> chooseBrowser(TMDIChild &doc, const QString &proposal)
{
    BrowserSettings &settings = browserSettings();
    TfrmBrowser &dlg = attributeDialog<TfrmBrowser>();
    dlg.txtFilename->setText(proposal);
    if (!dlg.run())
        return std::nullopt;
    if (!settings.setBrowserPath(dlg.browserPath()))
        platform().message(&doc, MessageKind::Error,
                           u"ﾌｧｲﾙ %1 を作成できません"_s.arg(QDir::toNativeSeparators(platform().configFilePath())),
                           MessageButtons::Ok, u"Marquill 32"_s);
    return settings.browserPath();
}

} // namespace

void ToolDspClick(TMDIChild &doc, QObject *)
{
    if (doc.fileName().isEmpty() || doc.isModified()) {
        const Answer answer = platform().message(
            &doc, MessageKind::Information,
            u"ブラウザで表示するには、ファイルを保存する必要があります。ファイルを保存しますか？"_s,
            MessageButtons::YesNo);
        if (answer != Answer::Yes)
            return;
        // A document left without a name is shown without a page; one whose
        // file could not be written (the user has been told) would show an
        // older page as if it were this one.
        if (!saveDocument(doc) && !doc.fileName().isEmpty())
            return;
    }

    QString browser = browserSettings().browserPath();
    if (namesNoProgram(browser)) {
        platform().message(&doc, MessageKind::Information, u"ブラウザを指定してください"_s,
                           MessageButtons::Ok);
        // Straight on to choosing one, starting from the desktop's own.
        const QString proposal = platform().defaultBrowser();
        browser = chooseBrowser(doc, proposal.isEmpty() ? browser : proposal).value_or(QString());
        if (namesNoProgram(browser))
            return;
    }
    // Full, since the browser starts in the program's folder and a name
    // given on the command line may be relative to where we were started.
    const QString page = doc.fileName().isEmpty() ? QString() : QFileInfo(doc.fileName()).absoluteFilePath();
    if (!platform().startBrowser(browser, page))
        platform().message(&doc, MessageKind::Warning,
                           u"ブラウザ %1 を起動できません"_s.arg(QDir::toNativeSeparators(browser)),
                           MessageButtons::Ok);
}

void KP1Click(TMDIChild &doc, QObject *)
{
    chooseBrowser(doc, browserSettings().browserPath());
}
