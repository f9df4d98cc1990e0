#include "app/program.h"

#include "app/main_form.h"
#include "app/recovery_offer.h"
#include "app/typing_hook.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

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

void openStartupFile(TMainForm &mainForm, const QStringList &arguments)
{
    // A folder, FIFO or device is named to the user by OpenDocumentWindow.
    if (arguments.size() > 1 && QFileInfo::exists(arguments.at(1)))
        mainForm.OpenDocumentWindow(arguments.at(1));
}

void setUpApplication(QApplication &app)
{
    // The name the task bar and the desktop know the program by. No display
    // name: on X11 Qt would append it to every window title.
    QApplication::setApplicationName(u"Marquill 32"_s);
    QApplication::setDesktopFileName(u"marquill"_s);
    QApplication::setApplicationVersion(QStringLiteral(MARQUILL_VERSION));

    // The program speaks Japanese, Qt's own dialogs included.
    auto *qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
    substituteWindowsFonts();
}

int runMarquill(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);

    TMainForm mainForm;
    mainForm.show();
    offerRecoveredPages(mainForm);
    openStartupFile(mainForm, QApplication::arguments());
    typeTestTextFromEnvironment(mainForm);
    return app.exec();
}
