#include "platform/unencodable_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QString codePointText(const QString &text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return ucs4.isEmpty() ? QString() : u"U+%1"_s.arg(ucs4.first(), 4, 16, QLatin1Char('0')).toUpper();
}

TUnencodableDialog::TUnencodableDialog(const UnencodableReport &report, QWidget *parent)
    : QDialog(parent)
    , lblCount(new QLabel(this))
    , lstChars(new QTreeWidget(this))
    , lblBlocked(new QLabel(this))
{
    setObjectName(u"UnencodableDialog"_s);
    setWindowTitle(u"保存できない文字"_s);

    QString count = u"%1 で保存できない文字が %2 個あります。"_s.arg(report.encodingName).arg(report.count);
    if (report.count > report.shown.size())
        count += u"(うち %1 個を表示)"_s.arg(report.shown.size());
    lblCount->setObjectName(u"lblCount"_s);
    lblCount->setText(count);
    lblCount->setBuddy(lstChars);

    lstChars->setObjectName(u"lstChars"_s);
    lstChars->setAccessibleName(u"lstChars"_s);
    lstChars->setAccessibleDescription(count);
    lstChars->setRootIsDecorated(false);
    lstChars->setUniformRowHeights(true);
    lstChars->setHeaderLabels({u"行"_s, u"列"_s, u"文字"_s, u"ｺｰﾄﾞ"_s, u"場所"_s});
    for (const UnencodableCharacter &c : report.shown) {
        auto *row = new QTreeWidgetItem(lstChars, {QString::number(c.line), QString::number(c.column),
                                                   c.character, codePointText(c.character),
                                                   c.blocksReferences ? c.place + u" (文字参照不可)"_s
                                                                      : c.place});
        row->setData(0, Qt::UserRole, c.position);
        for (int column : {0, 1})
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    lstChars->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstChars->header()->setStretchLastSection(true);
    lstChars->setMinimumSize(fontMetrics().averageCharWidth() * 56, fontMetrics().height() * 14);
    if (QTreeWidgetItem *first = lstChars->topLevelItem(0))
        lstChars->setCurrentItem(first);
    connect(lstChars, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        Q_EMIT characterChosen(item->data(0, Qt::UserRole).value<qsizetype>());
    });

    lblBlocked->setObjectName(u"lblBlocked"_s);
    lblBlocked->setWordWrap(true);
    lblBlocked->setText(u"SCRIPT、STYLE、ｺﾒﾝﾄ、ﾀｸﾞ名の中では文字参照が読まれないため、"
                        "そこにある %1 個の文字は文字参照にできません。"_s.arg(report.blocking));
    lblBlocked->setVisible(report.blocking > 0);

    auto *buttons = new QDialogButtonBox(this);
    cmdReferences = buttons->addButton(u"文字参照にして保存"_s, QDialogButtonBox::AcceptRole);
    cmdUtf8 = buttons->addButton(u"UTF-8で保存"_s, QDialogButtonBox::AcceptRole);
    CancelBtn = buttons->addButton(u"ｷｬﾝｾﾙ"_s, QDialogButtonBox::RejectRole);
    cmdReferences->setObjectName(u"cmdReferences"_s);
    cmdUtf8->setObjectName(u"cmdUtf8"_s);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    cmdReferences->setEnabled(report.blocking == 0);
    (report.blocking == 0 ? cmdReferences : cmdUtf8)->setDefault(true);
    connect(cmdReferences, &QPushButton::clicked, this, [this] { choose(UnencodableChoice::References); });
    connect(cmdUtf8, &QPushButton::clicked, this, [this] { choose(UnencodableChoice::Utf8); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblCount);
    layout->addWidget(lstChars, 1);
    layout->addWidget(lblBlocked);
    layout->addWidget(buttons);
}

void TUnencodableDialog::choose(UnencodableChoice choice)
{
    m_choice = choice;
    accept();
}
