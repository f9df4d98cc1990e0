#pragma once

#include "document/doc_editor.h"
#include "document/file_commands.h"
#include "document/mdi_child.h"
#include "support/fake_platform.h"
#include "support/qstring_print.h"

#include <QPointer>
#include <QTextCursor>
#include <gtest/gtest.h>
#include <memory>

// A document window on its own, with a scripted desktop.
class DocFixture : public ::testing::Test
{
protected:
    FakePlatform fake;
    TMDIChild *doc = new TMDIChild(QSize(800, 600));
    // A window that closes deletes itself.
    QPointer<TMDIChild> alive = doc;

    // Closing asks to save, as in the main window.
    DocFixture() { doc->setCloseQuery(FormCloseQuery); }
    ~DocFixture() override { delete alive.data(); }

    // Lines of `text` are separated by "\r\n", as in the markup.
    void setText(const QString &text)
    {
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        doc->txtDoc->setPlainText(plain);
        doc->setModified(false);
    }

    // The selection runs from `anchor` to `position` (right to left when anchor is larger).
    void select(int anchor, int position)
    {
        QTextCursor cursor = doc->txtDoc->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        doc->txtDoc->setTextCursor(cursor);
    }

    void selectText(const QString &part)
    {
        const int at = int(doc->txtDoc->rawText().indexOf(part));
        ASSERT_GE(at, 0) << part.toStdString();
        select(at, at + int(part.size()));
    }

    // The whole text with "\r\n" between lines.
    QString text() const
    {
        QString raw = doc->txtDoc->rawText();
        raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
        return raw;
    }

    int caret() const { return doc->txtDoc->textCursor().position(); }
    QString selected() const { return doc->txtDoc->selectedTextCrLf(); }
};

// A sender carrying a Tag, as menu entries and toolbar buttons do.
inline std::unique_ptr<QObject> senderWithTag(int tag, const char *name = "")
{
    auto sender = std::make_unique<QObject>();
    sender->setProperty("Tag", tag);
    sender->setObjectName(QString::fromLatin1(name));
    return sender;
}

