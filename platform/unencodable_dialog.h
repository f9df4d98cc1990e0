#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class QTreeWidget;

// A character of the page that the encoding being written cannot hold.
struct UnencodableCharacter {
    qsizetype position = 0;  // in the page's text
    qsizetype line = 0;      // from 1
    qsizetype column = 0;    // from 1, in characters
    QString character;
    QString place;  // what it stands in: text, an attribute value, a SCRIPT...
    bool blocksReferences = false;  // where a browser reads no character reference
};

struct UnencodableReport {
    QString encodingName;
    qsizetype count = 0;     // all of them
    qsizetype blocking = 0;  // how many of them cannot become references
    // Those listed, in page order: the blocking ones first chosen, then the
    // others from the top, at most ShownLimit.
    QList<UnencodableCharacter> shown;
    static constexpr qsizetype ShownLimit = 200;
};

enum class UnencodableChoice { References, Utf8, Cancel };

// Lists the characters a save cannot write and offers the ways on: each as
// a character reference, the page as UTF-8, or no save. A double click on a
// row asks for that character to be selected in the page.
class TUnencodableDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TUnencodableDialog(const UnencodableReport &report, QWidget *parent = nullptr);

    UnencodableChoice choice() const { return m_choice; }

    QLabel *lblCount;
    QTreeWidget *lstChars;
    QLabel *lblBlocked;
    QPushButton *cmdReferences;
    QPushButton *cmdUtf8;
    QPushButton *CancelBtn;

Q_SIGNALS:
    void characterChosen(qsizetype position);

private:
    void choose(UnencodableChoice choice);

    UnencodableChoice m_choice = UnencodableChoice::Cancel;
};

// "U+1F600" for the first character of `text`.
QString codePointText(const QString &text);
