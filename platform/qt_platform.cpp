#include "platform/qt_platform.h"

#include "platform/file_filter.h"
#include "platform/help_viewer.h"
#include "platform/input_box.h"
#include "platform/install_layout.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString kindTitle(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QStringLiteral("警告");
    case MessageKind::Confirmation: return QStringLiteral("確認");
    case MessageKind::Information: return QStringLiteral("情報");
    case MessageKind::Error: return QStringLiteral("エラー");
    }
    return {};
}

QMessageBox::Icon kindIcon(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Confirmation: return QMessageBox::Question;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The folder the last file dialog ended in, so the next one starts there.
QString &lastFolder()
{
    static QString folder = QDir::currentPath();
    return folder;
}

// The extension Qt's save dialog gives a name under `nameFilter`: that of
// the filter's first pattern, taken literally ("[hH][tT][mM]*" for
// "*.[hH][tT][mM]*").
QString firstPatternSuffix(const QString &nameFilter)
{
    const qsizetype open = nameFilter.lastIndexOf(u'(');
    if (open < 0 || !nameFilter.endsWith(u')'))
        return {};
    const QString patterns = nameFilter.sliced(open + 1, nameFilter.size() - open - 2);
    return QFileInfo(patterns.section(u' ', 0, 0, QString::SectionSkipEmpty)).suffix();
}

QString withoutSuffix(const QString &name)
{
    return name.chopped(QFileInfo(name).suffix().size());
}

// A save dialog rewrites the name's extension whenever a file type is chosen,
// which with our patterns turns "page.htm" into "page.[hH][tT][mM]*". Names
// are used as typed, so that rewrite is taken back.
void keepNameAcrossFileTypes(QFileDialog &dialog, const QStringList &filters)
{
    auto *field = dialog.findChild<QLineEdit *>(u"fileNameEdit"_s);
    auto *types = dialog.findChild<QComboBox *>(u"fileTypeCombo"_s);
    if (!field || !types)
        return;
    // The name before its latest change, and now.
    auto names = std::make_shared<std::pair<QString, QString>>(QString(), field->text());
    QObject::connect(field, &QLineEdit::textChanged, &dialog, [names](const QString &text) {
        *names = {names->second, text};
    });
    // Emitted after the dialog has applied the type (and rewritten the name).
    QObject::connect(&dialog, &QFileDialog::filterSelected, field, [=] {
        const QString suffix = firstPatternSuffix(filters.value(types->currentIndex()));
        const QString &before = names->first;
        const QString now = field->text();
        if (!suffix.isEmpty() && now != before && QFileInfo(now).suffix() == suffix
            && withoutSuffix(now) == withoutSuffix(before))
            field->setText(before);
    });
}

// Qt's file dialog, except that a name with wildcards is no name: as in the
// Windows dialogs, Enter shows the files it matches and the dialog stays.
class FileDialog final : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override
    {
        const auto *field = findChild<QLineEdit *>(u"fileNameEdit"_s);
        const QString typed = field ? field->text() : QString();
        if (!typed.contains(u'*') && !typed.contains(u'?')) {
            QFileDialog::accept();
            return;
        }
        // The file type in the list stays; choosing one shows its files again.
        if (auto *files = findChild<QFileSystemModel *>(u"qt_filesystem_model"_s))
            files->setNameFilters(typed.split(u';', Qt::SkipEmptyParts));
    }
};

// Hides the files one may not run while a file type of programs is chosen.
// (The file system model's own permission filter cannot say "executable".)
class ProgramsOnly final : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setActive(bool active)
    {
        if (active == m_active)
            return;
        m_active = active;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!m_active || !files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    bool m_active = false;
};

// Call before the name filters are set: the type list follows them.
void listProgramsFor(QFileDialog &dialog, const QList<FileType> &types)
{
    auto *list = dialog.findChild<QComboBox *>(u"fileTypeCombo"_s);
    if (!list)
        return;
    auto *programs = new ProgramsOnly(&dialog);
    dialog.setProxyModel(programs);
    QObject::connect(list, &QComboBox::currentIndexChanged, programs,
                     [programs, types](int index) { programs->setActive(types.value(index).programsOnly); });
}

std::optional<QString> runFileDialog(QFileDialog &dialog, const QString &filter,
                                     const QString &initialName)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QList<FileType> types = fileTypes(filter);
    if (std::any_of(types.cbegin(), types.cend(), [](const FileType &t) { return t.programsOnly; }))
        listProgramsFor(dialog, types);
    const QStringList filters = qtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    // The name last: choosing a type rewrites the name of a save dialog.
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.acceptMode() == QFileDialog::AcceptSave)
        keepNameAcrossFileTypes(dialog, filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    lastFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

// The program that the desktop entry `file` runs, as a full path.
QString launcherProgram(const QString &file)
{
    QFile entry(file);
    if (file.isEmpty() || !entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool mainGroup = false;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            mainGroup = line == u"[Desktop Entry]";
        } else if (mainGroup && line.startsWith(u"Exec=")) {
            const QStringList command = QProcess::splitCommand(line.mid(5));
            if (command.isEmpty())
                return {};
            const QString program = command.first();
            return QDir::isAbsolutePath(program) ? program : QStandardPaths::findExecutable(program);
        }
    }
    return {};
}

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

Answer QtPlatform::message(QWidget *parent, MessageKind kind, const QString &text,
                           MessageButtons buttons, const QString &title)
{
    QMessageBox box(kindIcon(kind), title.isEmpty() ? kindTitle(kind) : title, text,
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
    case MessageButtons::Ok: {
        QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answer::Ok;
    }
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: {
        QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        QPushButton *cancel = nullptr;
        if (buttons == MessageButtons::YesNoCancel)
            cancel = box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel ? cancel : no);
        box.exec();
        if (box.clickedButton() == yes)
            return Answer::Yes;
        if (cancel && box.clickedButton() == cancel)
            return Answer::Cancel;
        return cancel && !box.clickedButton() ? Answer::Cancel : Answer::No;
    }
    }
    return Answer::Cancel;
}

std::optional<QString> QtPlatform::openFileName(QWidget *parent, const QString &filter,
                                                const QString &initialName)
{
    FileDialog dialog(parent, QStringLiteral("開く"), lastFolder());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name: one that is no file gives a new document of that name.
    dialog.setFileMode(QFileDialog::AnyFile);
    return runFileDialog(dialog, filter, initialName);
}

std::optional<QString> QtPlatform::saveFileName(QWidget *parent, const QString &filter,
                                                const QString &initialName,
                                                const QString &initialFolder)
{
    FileDialog dialog(parent, QStringLiteral("名前を付けて保存"),
                      initialFolder.isEmpty() ? lastFolder() : initialFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return runFileDialog(dialog, filter, initialName);
}

std::optional<QFont> QtPlatform::chooseFont(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("ﾌｫﾝﾄ"),
                                            QFontDialog::DontUseNativeDialog);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtPlatform::chooseColor(QWidget *parent, const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, parent, QStringLiteral("色の設定"),
                                                QColorDialog::DontUseNativeDialog);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QString> QtPlatform::inputBox(QWidget *parent, const InputBoxRequest &request)
{
    TInputBox box(parent);
    box.reset(request.title, request.prompt, request.preset);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.value();
}

void QtPlatform::showHelp(QWidget *parent, const QString &helpFile, int context)
{
    // Owned by the main window, so it goes when the program ends.
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer(parent ? parent->window() : nullptr);
    if (!m_helpViewer->open(helpFile, context))
        message(parent, MessageKind::Warning,
                QStringLiteral("ﾍﾙﾌﾟﾌｧｲﾙ %1 が見つかりません").arg(QDir::toNativeSeparators(helpFile)),
                MessageButtons::Ok);
}

bool QtPlatform::startBrowser(const QString &browser, const QString &document)
{
    const QStringList page = document.isEmpty() ? QStringList() : QStringList{document};
    // A bare name is a command: the PATH is searched, never the folder the
    // editor happened to be started in.
    if (!browser.contains(u'/')) {
        const QString program = QStandardPaths::findExecutable(browser);
        return !program.isEmpty() && QProcess::startDetached(program, page, programFolder());
    }
    // A relative path starts where MARQUILL.INI lies and the browser runs.
    const QFileInfo file(QDir(programFolder()).absoluteFilePath(browser));
    if (!file.isFile())
        return false;
    if (file.isExecutable())
        return QProcess::startDetached(file.absoluteFilePath(), page, programFolder());
    // A desktop launcher is the one other thing that can be handed the page.
    const QString gio = QStandardPaths::findExecutable(u"gio"_s);
    if (file.suffix() != u"desktop" || gio.isEmpty())
        return false;
    return QProcess::startDetached(gio, QStringList{u"launch"_s, file.absoluteFilePath()} + page,
                                   programFolder());
}

QString QtPlatform::defaultBrowser() const
{
    const QString settings = QStandardPaths::findExecutable(u"xdg-settings"_s);
    if (!settings.isEmpty()) {
        QProcess ask;
        ask.start(settings, {u"get"_s, u"default-web-browser"_s});
        if (ask.waitForFinished(5000)) {
            const QString entry = QString::fromLocal8Bit(ask.readAllStandardOutput()).trimmed();
            const QString program = launcherProgram(
                    entry.isEmpty() ? QString() : QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry));
            if (!program.isEmpty())
                return program;
        }
    }
    // Debian's alternative is a chain of links to the program itself.
    const QString alternative = QStandardPaths::findExecutable(u"x-www-browser"_s);
    return alternative.isEmpty() ? QString() : QFileInfo(alternative).canonicalFilePath();
}

QString QtPlatform::programFolder() const
{
    return QCoreApplication::applicationDirPath() + u'/';
}

QString QtPlatform::configFilePath() const
{
    return settingsFilePath(programFolder());
}

QString QtPlatform::recoveryFolder() const
{
    // The XDG state folder: what one run leaves for the next, neither a
    // setting nor a cache that may be cleared.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + u"/.local/state"_s;
    return state + u"/marquill/recovery"_s;
}
