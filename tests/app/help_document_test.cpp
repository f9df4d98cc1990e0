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

// Entries whose commands are still to come are not shown, so the help need
// not describe them yet; a submenu shows when an entry below it does.
template <typename Rows>
void expectEveryShownCaptionIn(const QString &help, const Rows &rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto &row = rows[i];
        bool shown = row.command != nullptr;
        for (std::size_t j = i + 1; !shown && j < rows.size() && rows[j].level > row.level; ++j)
            shown = rows[j].command != nullptr;
        const QString caption = QString::fromUtf8(row.caption);
        if (!shown || caption.isEmpty() || caption == u"-" || row.hidden)
            continue;
        EXPECT_TRUE(help.contains(caption)) << row.name << " " << caption.toStdString();
    }
}

TEST(HelpDocument, DescribesEveryShownMenuEntry)
{
    const QString help = helpText();
    ASSERT_FALSE(help.isEmpty());
    expectEveryShownCaptionIn(help, mainMenuRows());
    expectEveryShownCaptionIn(help, documentMenuRows());
}

TEST(HelpDocument, OpensAtItsContents)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/marquill.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<a name=\"context-1\">"));
}

} // namespace
