#include "app/recovery_offer.h"

#include "app/main_form.h"
#include "platform/platform.h"
#include "platform/recovery_session.h"

#include <QDir>

using namespace Qt::StringLiterals;

void offerRecoveredPages(TMainForm &mainForm)
{
    OrphanedPages orphans(platform().recoveryFolder());
    const QList<OrphanedPages::Page> pages = orphans.pages();
    if (pages.isEmpty())
        return;

    QStringList names;
    for (const OrphanedPages::Page &page : pages)
        names << u"    "_s + QDir::toNativeSeparators(page.record.caption);
    const Answer answer = platform().message(
        &mainForm, MessageKind::Confirmation,
        u"前回の終了時に保存されていなかった文書があります。\n\n%1\n\n復元しますか？"_s.arg(
            names.join(u'\n')),
        MessageButtons::YesNo);

    if (answer != Answer::Yes) {
        for (const OrphanedPages::Page &page : pages)
            orphans.discard(page);
        return;
    }
    QList<OrphanedPages::Page> reopened;
    for (const OrphanedPages::Page &page : pages) {
        if (mainForm.OpenRecoveredWindow(page.record))
            reopened << page;
    }
    // The old copies go once this run holds its own on disk.
    mainForm.recoverySession().flush();
    for (const OrphanedPages::Page &page : std::as_const(reopened))
        orphans.discard(page);
}
