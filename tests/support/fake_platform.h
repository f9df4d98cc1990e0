#pragma once

#include "platform/platform.h"

#include <QList>
#include <QTemporaryDir>

// A scripted stand-in for the desktop: it answers from queues and records
// what was asked. Installed for its lifetime.
class FakePlatform final : public Platform
{
public:
    FakePlatform();
    ~FakePlatform() override;

    struct Message {
        MessageKind kind;
        QString title;
        QString text;
        MessageButtons buttons;
        // A box must not come up under the busy cursor.
        bool underBusyCursor = false;
    };
    struct FileRequest {
        QString filter;
        QString initialName;
        QString initialFolder;
    };

    // Answers for message boxes, in order. With none queued a box is answered
    // by its safe button: OK, No, or Cancel.
    QList<Answer> answers;
    QList<Message> messages;

    // nullopt stands for a cancelled dialog; with none queued the dialog is cancelled.
    QList<std::optional<QString>> openNames;
    QList<std::optional<QString>> saveNames;
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;

    QList<std::optional<QFont>> fonts;
    QList<QFont> fontRequests;

    QList<std::optional<QColor>> colors;
    QList<QColor> colorRequests;

    QList<std::optional<QString>> inputs;
    QList<InputBoxRequest> inputRequests;

    QList<QPair<QString, int>> helpRequests;

    struct BrowserStart {
        QString browser;
        QString document;
        bool operator==(const BrowserStart &) const = default;
    };
    // Every hand-off to a browser, whether it started or not; each one
    // starts unless told otherwise.
    QList<BrowserStart> browserStarts;
    bool browserStartSucceeds = true;
    // What the desktop names as its web browser.
    QString desktopBrowser;

    // MARQUILL.INI lives in a temporary folder of its own.
    QTemporaryDir folder;
    // Copies of unsaved pages: in that folder unless a test points elsewhere.
    QString recoveryPath = folder.filePath(QStringLiteral("recovery"));

    Answer message(QWidget *parent, MessageKind kind, const QString &text, MessageButtons buttons,
                   const QString &title = {}) override;
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
    QString defaultBrowser() const override { return desktopBrowser; }
    QString programFolder() const override;
    QString configFilePath() const override;
    QString recoveryFolder() const override;

    QStringList messageTexts() const;
};
