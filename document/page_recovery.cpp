#include "document/page_recovery.h"

#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/recovery_session.h"

PageRecovery::PageRecovery(TMDIChild &doc, int page, std::shared_ptr<RecoverySession> session,
                           RecoveryTiming timing)
    : QObject(&doc)
    , m_doc(doc)
    , m_page(page)
    , m_session(std::move(session))
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(timing.idle);
    m_longest.setSingleShot(true);
    m_longest.setInterval(timing.longest);
    connect(&m_idle, &QTimer::timeout, this, &PageRecovery::copyNow);
    connect(&m_longest, &QTimer::timeout, this, &PageRecovery::copyNow);

    QTextDocument *text = doc.txtDoc->document();
    connect(text, &QTextDocument::contentsChanged, this, &PageRecovery::edited);
    connect(text, &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (!modified)
            forget();
    });
    connect(&doc, &TMDIChild::closing, this, &PageRecovery::forget);
}

void PageRecovery::edited()
{
    m_idle.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void PageRecovery::copyNow()
{
    if (!m_doc.isModified()) {
        forget();
        return;
    }
    m_idle.stop();
    m_longest.stop();
    RecoveryRecord record;
    record.caption = m_doc.windowTitle();
    record.fileName = m_doc.fileName();
    record.lineEnd = m_doc.lineEnd;
    record.encoding = m_doc.encoding;
    record.fileStamp = m_doc.fileStamp;
    record.text = m_doc.txtDoc->rawText();
    m_session->store(m_page, std::move(record));
    m_copied = true;
}

void PageRecovery::forget()
{
    m_idle.stop();
    m_longest.stop();
    if (m_copied)
        m_session->discard(m_page);
    m_copied = false;
}
