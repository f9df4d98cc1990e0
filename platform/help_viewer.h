#pragma once

#include <QWidget>

class QTextBrowser;

// A window showing the program's help document, an HTML file beside the
// program. Context n is the anchor "context-n" in it.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // False when the file does not exist.
    bool open(const QString &helpFile, int context);

private:
    QTextBrowser *m_browser;
};
