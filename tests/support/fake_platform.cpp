#include "support/fake_platform.h"

#include <QApplication>

FakePlatform::FakePlatform()
{
    setPlatform(this);
}

FakePlatform::~FakePlatform()
{
    setPlatform(nullptr);
}

Answer FakePlatform::message(QWidget *, MessageKind kind, const QString &text,
                             MessageButtons buttons, const QString &title)
{
    const QCursor *cursor = QApplication::overrideCursor();
    messages.append({kind, title, text, buttons, cursor && cursor->shape() == Qt::WaitCursor});
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (buttons) {
    case MessageButtons::Ok: return Answer::Ok;
    case MessageButtons::YesNo: return Answer::No;
    case MessageButtons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}

std::optional<QString> FakePlatform::openFileName(QWidget *, const QString &filter,
                                                  const QString &initialName)
{
    openRequests.append({filter, initialName, {}});
    return openNames.isEmpty() ? std::nullopt : openNames.takeFirst();
}

std::optional<QString> FakePlatform::saveFileName(QWidget *, const QString &filter,
                                                  const QString &initialName,
                                                  const QString &initialFolder)
{
    saveRequests.append({filter, initialName, initialFolder});
    return saveNames.isEmpty() ? std::nullopt : saveNames.takeFirst();
}

std::optional<QFont> FakePlatform::chooseFont(QWidget *, const QFont &initial)
{
    fontRequests.append(initial);
    return fonts.isEmpty() ? std::nullopt : fonts.takeFirst();
}

std::optional<QColor> FakePlatform::chooseColor(QWidget *, const QColor &initial)
{
    colorRequests.append(initial);
    return colors.isEmpty() ? std::nullopt : colors.takeFirst();
}

std::optional<QString> FakePlatform::inputBox(QWidget *, const InputBoxRequest &request)
{
    inputRequests.append(request);
    return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
}

UnencodableChoice FakePlatform::unencodableCharacters(QWidget *, const UnencodableReport &report,
                                                      const std::function<void(qsizetype)> &select)
{
    unencodableReports.append(report);
    unencodableSelect = select;
    return unencodableChoices.isEmpty() ? UnencodableChoice::Cancel : unencodableChoices.takeFirst();
}

void FakePlatform::showHelp(QWidget *, const QString &helpFile, int context)
{
    helpRequests.append({helpFile, context});
}

bool FakePlatform::startBrowser(const QString &browser, const QString &document)
{
    browserStarts.append({browser, document});
    return browserStartSucceeds;
}

QString FakePlatform::programFolder() const
{
    return folder.path() + u'/';
}

QString FakePlatform::configFilePath() const
{
    return folder.path() + QStringLiteral("/MARQUILL.INI");
}

QString FakePlatform::recoveryFolder() const
{
    return recoveryPath;
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const Message &m : messages)
        texts << m.text;
    return texts;
}
