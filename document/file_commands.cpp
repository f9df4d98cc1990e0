#include "document/file_commands.h"

#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "document/save_checks.h"
#include "platform/busy_cursor.h"
#include "platform/file_state.h"
#include "platform/platform.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

const char16_t *const HtmlFileFilter = u"HTMLﾌｧｲﾙ(*.htm*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*";

namespace {

// Another program's newer text is not overwritten unasked. A file that is
// gone is simply written again: there is nothing on disk to lose.
bool mayOverwrite(TMDIChild &doc)
{
    const QString name = doc.fileName();
    const FileState now = fileState(name);
    if (now.kind != FileKind::Regular || (doc.fileStamp && *doc.fileStamp == now.stamp))
        return true;
    return platform().message(&doc, MessageKind::Confirmation,
                              u"ﾌｧｲﾙ %1 は他のﾌﾟﾛｸﾞﾗﾑで変更されています。\n"
                              "上書きしますか？"_s.arg(QDir::toNativeSeparators(name)),
                              MessageButtons::YesNo)
            == Answer::Yes;
}

bool writeDocument(TMDIChild &doc)
{
    const QString name = doc.fileName();
    if (!mayOverwrite(doc))
        return false;
    const std::optional<QByteArray> bytes = bytesToSave(doc);
    if (!bytes)
        return false;
    BusyCursor busy;
    const SaveResult result = writeFileBytes(name, *bytes);
    busy.release();
    switch (result.status) {
    case SaveResult::Status::Saved:
        doc.fileStamp = fileState(name).stamp;
        return true;
    case SaveResult::Status::Unencodable:
        return false;
    case SaveResult::Status::WriteFailed:
        platform().message(&doc, MessageKind::Error,
                           QStringLiteral("ﾌｧｲﾙ %1 を作成できません").arg(QDir::toNativeSeparators(name)),
                           MessageButtons::Ok, QStringLiteral("Marquill 32"));
        return false;
    }
    return false;
}

} // namespace

bool saveDocument(TMDIChild &doc)
{
    if (!doc.isModified())
        return true;
    if (doc.fileName().isEmpty())
        return saveDocumentAs(doc);
    if (!writeDocument(doc))
        return false;
    doc.setModified(false);
    Q_EMIT doc.saved(doc.fileName());
    return true;
}

bool saveDocumentAs(TMDIChild &doc)
{
    const QFileInfo current(doc.fileName());
    const QString initialName = doc.fileName().isEmpty() ? QString() : current.fileName();
    const QString initialFolder = doc.fileName().isEmpty() ? QString() : current.absolutePath();
    const std::optional<QString> chosen = platform().saveFileName(
        &doc, QString::fromUtf16(HtmlFileFilter), initialName, initialFolder);
    if (!chosen)
        return false;
    doc.setWindowTitle(*chosen);
    doc.setFileName(*chosen);
    // The name dialog has asked about replacing a file already there.
    const FileState chosenState = fileState(*chosen);
    if (chosenState.kind == FileKind::Regular)
        doc.fileStamp = chosenState.stamp;
    else
        doc.fileStamp.reset();
    doc.setModified(true);
    return saveDocument(doc);
}

bool FormCloseQuery(TMDIChild &doc)
{
    doc.closeSearchDialogs();
    doc.update();
    if (!doc.isModified())
        return true;
    const QString name = doc.fileName().isEmpty() ? doc.windowTitle() : doc.fileName();
    const Answer answer = platform().message(
        &doc, MessageKind::Warning, name + u" は更新されています。保存しますか？"_s,
        MessageButtons::YesNoCancel);
    switch (answer) {
    case Answer::Yes:
        return saveDocument(doc);
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void FileSaveItemClick(TMDIChild &doc, QObject *)
{
    saveDocument(doc);
}

void FileSaveAsItemClick(TMDIChild &doc, QObject *)
{
    saveDocumentAs(doc);
}

void FileCloseItemClick(TMDIChild &doc, QObject *)
{
    doc.close();
}
