#pragma once

#include "platform/platform.h"

#include <QPointer>

class HelpViewer;

// The desktop behind the seam: Qt's widgets with Japanese captions.
class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer message(QWidget *parent, MessageKind kind, const QString &text,
                   MessageButtons buttons, const QString &title = {}) override;
    std::optional<QString> openFileName(QWidget *parent, const QString &filter,
                                        const QString &initialName = {}) override;
    std::optional<QString> saveFileName(QWidget *parent, const QString &filter,
                                        const QString &initialName,
                                        const QString &initialFolder = {}) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    std::optional<QString> inputBox(QWidget *parent, const InputBoxRequest &request) override;
    void showHelp(QWidget *parent, const QString &helpFile, int context) override;
    bool startBrowser(const QString &browser, const QString &document) override;
    QString defaultBrowser() const override;
    QString programFolder() const override;
    QString configFilePath() const override;
    QString recoveryFolder() const override;

private:
    QPointer<HelpViewer> m_helpViewer;
};
