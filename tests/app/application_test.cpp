#include "main_form_fixture.h"

#include "app/about_box.h"
#include "app/program.h"
#include "document/edit_commands.h"
#include "document/find_dialogs.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <dlfcn.h>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The title as the desktop shows it. On X11 Qt passes every top-level title
// through QPlatformWindow::formatWindowTitle (separator " — "), which adds
// the application's display name when one has been set. The class is private
// to Qt, so its function is taken from the Gui library by name.
QString titleOnTheDesktop(const QString &title)
{
    using Format = QString (*)(const QString &, const QString &);
    static const auto format = reinterpret_cast<Format>(
        dlsym(RTLD_DEFAULT, "_ZN15QPlatformWindow17formatWindowTitleERK7QStringS2_"));
    if (!format)
        return u"<QPlatformWindow::formatWindowTitle not found>"_s;
    return format(title, u" \u2014 "_s);
}

// The title of the box QtPlatform shows for `kind`.
QString messageTitle(MessageKind kind, const QString &title = {})
{
    QtPlatform desktop;
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->windowTitle();
            box->accept();
        }
    });
    desktop.message(nullptr, kind, u"x"_s, MessageButtons::Ok, title);
    return shown;
}

class Application : public MainFormFixture
{
protected:
    void SetUp() override
    {
        setUpApplication(*qApp);
        MainFormFixture::SetUp();
    }
    void TearDown() override
    {
        // Qt's Japanese texts stay out of the other tests.
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

TEST_F(Application, WindowTitlesReachTheDesktopAsWritten)
{
    form->FileNewItemClick();
    ASSERT_NE(current(), nullptr);
    const std::vector<std::pair<QString, std::function<QString()>>> windows = {
        {u"Ｍａｒｑｕｉｌｌ"_s, [&] { return form->windowTitle(); }},
        {u"警告"_s, [] { return messageTitle(MessageKind::Warning); }},
        {u"確認"_s, [] { return messageTitle(MessageKind::Confirmation); }},
        {u"情報"_s, [] { return messageTitle(MessageKind::Information); }},
        {u"Marquill 32"_s, [] { return messageTitle(MessageKind::Error, u"Marquill 32"_s); }},
        {u"検索"_s, [&] { return findDialogOf(*current()).windowTitle(); }},
        {u"置換"_s, [&] { return replaceDialogOf(*current()).windowTitle(); }},
        {u"ﾊﾞｰｼﾞｮﾝ情報"_s, [&] { return form->AboutBox->windowTitle(); }},
    };
    for (const auto &[expected, title] : windows)
        EXPECT_EQ(titleOnTheDesktop(title()), expected);
}

TEST_F(Application, TheTaskBarKnowsTheProgramAsMarquill32)
{
    EXPECT_EQ(QGuiApplication::applicationName(), u"Marquill 32"_s);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), u"Marquill 32"_s);
    EXPECT_EQ(QGuiApplication::desktopFileName(), u"marquill"_s);
}

} // namespace
