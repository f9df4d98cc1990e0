#include "app/program.h"

#include "app/command_line.h"
#include "app/main_form.h"
#include "app/recovery_offer.h"
#include "app/typing_hook.h"
#include "platform/program_icon.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Documents name the Windows fonts; these are the faces a Debian desktop has
// for them.
void substituteWindowsFonts()
{
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s,
                               {u"IPAPGothic"_s, u"Noto Sans CJK JP"_s, u"VL PGothic"_s});
    QFont::insertSubstitutions(u"ＭＳ ゴシック"_s,
                               {u"IPAGothic"_s, u"Noto Sans Mono CJK JP"_s, u"VL Gothic"_s});
    QFont::insertSubstitutions(u"ＭＳ Ｐ明朝"_s, {u"IPAPMincho"_s, u"Noto Serif CJK JP"_s});
    QFont::insertSubstitutions(u"ＭＳ 明朝"_s, {u"IPAMincho"_s, u"Noto Serif CJK JP"_s});
}

} // namespace

void openStartupFiles(TMainForm &mainForm, const QStringList &files)
{
    for (const QString &name : files) {
        if (!QFileInfo::exists(name))
            continue;
        // Past the window budget every file would bring the same warning;
        // once is enough.
        if (!mainForm.OpenDocumentWindow(name) && mainForm.DocumentCounter >= DocumentTable::Slots)
            break;
    }
}

void setUpApplication(QApplication &app)
{
    // The name the task bar and the desktop know the program by. No display
    // name: on X11 Qt would append it to every window title.
    QApplication::setApplicationName(u"Marquill 32"_s);
    QApplication::setDesktopFileName(u"marquill"_s);
    QApplication::setApplicationVersion(QStringLiteral(MARQUILL_VERSION));
    // Dialogs and message boxes take it from here.
    QApplication::setWindowIcon(programIcon());

    // The program speaks Japanese, Qt's own dialogs included.
    auto *qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
    substituteWindowsFonts();
}

namespace {

// Prints what the command line asked for; the exit code when that is all the
// run does.
std::optional<int> answerWithoutWindow(const CommandLine &commandLine)
{
    switch (commandLine.request) {
    case CommandLine::Request::Run:
        return std::nullopt;
    case CommandLine::Request::Help:
    case CommandLine::Request::Version:
        std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Request::Error:
        std::fputs(commandLine.text.toLocal8Bit().constData(), stderr);
        return 1;
    }
    return std::nullopt;
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int runMarquill(int argc, char *argv[])
{
    // Help and the version are answered before the toolkit wants a display.
    const CommandLine early = readCommandLine(argumentsOf(argc, argv));
    if (early.request == CommandLine::Request::Help
        || early.request == CommandLine::Request::Version)
        return *answerWithoutWindow(early);

    QApplication app(argc, argv);
    setUpApplication(app);
    // Read again without the toolkit's own options (-platform, -style...).
    const CommandLine commandLine = readCommandLine(QApplication::arguments());
    if (const std::optional<int> exitCode = answerWithoutWindow(commandLine))
        return *exitCode;

    TMainForm mainForm;
    mainForm.show();
    offerRecoveredPages(mainForm);
    openStartupFiles(mainForm, commandLine.files);
    typeTestTextFromEnvironment(mainForm);
    return app.exec();
}
