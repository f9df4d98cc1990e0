#include "app/menu_rows.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The help shipped beside the program, as its reader sees it.
QString helpText()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/marquill.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

template <typename Rows>
void expectEveryCaptionIn(const QString &help, const Rows &rows)
{
    for (const auto &row : rows) {
        const QString caption = QString::fromUtf8(row.caption);
        if (caption.isEmpty() || caption == u"-" || row.hidden)
            continue;
        EXPECT_TRUE(help.contains(caption)) << row.name << " " << caption.toStdString();
    }
}

TEST(HelpDocument, DescribesEveryMenuEntry)
{
    const QString help = helpText();
    ASSERT_FALSE(help.isEmpty());
    expectEveryCaptionIn(help, mainMenuRows());
    expectEveryCaptionIn(help, documentMenuRows());
}

TEST(HelpDocument, OpensAtItsContents)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/marquill.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<a name=\"context-1\">"));
}

} // namespace
