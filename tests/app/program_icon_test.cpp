#include "main_form_fixture.h"

#include "app/about_box.h"
#include "app/program.h"
#include "platform/program_icon.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

// What `icon` draws at `size`, as plain pixels.
QImage drawn(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// True when `icon` is the program's, drawn the same in every size.
::testing::AssertionResult isProgramIcon(const QIcon &icon)
{
    for (int size : programIconSizes()) {
        if (drawn(icon, size) != drawn(programIcon(), size))
            return ::testing::AssertionFailure() << "differs at " << size << " pixels";
    }
    return ::testing::AssertionSuccess();
}

TEST(ProgramIcon, EverySizeIsDrawnAtItsOwnSizeOnATransparentGround)
{
    const QIcon icon = programIcon();
    QList<int> available;
    for (const QSize &size : icon.availableSizes())
        available << size.width();
    EXPECT_EQ(available, programIconSizes());
    for (int size : programIconSizes()) {
        const QImage image(u":/icons/marquill-%1.png"_s.arg(size));
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_TRUE(image.hasAlphaChannel()) << size;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;               // the corner is bare
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;  // the page is not
    }
}

// Windows without an icon of their own would fall back to the application's;
// with none there either, the toolkit draws its logo.
class WindowIcons : public MainFormFixture
{
protected:
    void SetUp() override
    {
        QApplication::setWindowIcon(QIcon());
        MainFormFixture::SetUp();
    }
};

TEST_F(WindowIcons, TheMainWindowAndEveryDocumentWindowShowTheProgramsIcon)
{
    EXPECT_TRUE(isProgramIcon(form->windowIcon()));
    form->FileNewItemClick();
    form->FileNewItemClick();
    const QList<QMdiSubWindow *> windows = form->ClientArea->subWindowList();
    ASSERT_EQ(windows.size(), 2);
    for (QMdiSubWindow *window : windows)
        EXPECT_TRUE(isProgramIcon(window->windowIcon())) << window->windowTitle().toStdString();
    // Maximized, the window's icon moves to the menu bar's corner.
    windows.first()->showMaximized();
    EXPECT_TRUE(isProgramIcon(windows.first()->windowIcon()));
    // Its own, not only the frame's passed down.
    TMDIChild alone(QSize(400, 300));
    EXPECT_TRUE(isProgramIcon(alone.windowIcon()));
}

TEST_F(WindowIcons, TheVersionBoxShowsTheIcon)
{
    const auto *icon = form->AboutBox->findChild<QLabel *>(u"ProgramIcon"_s);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), drawn(programIcon(), 64));
}

TEST(ApplicationIcon, DialogsAndMessageBoxesTakeTheProgramsIcon)
{
    const QIcon before = QApplication::windowIcon();
    setUpApplication(*qApp);
    QMessageBox box;
    EXPECT_TRUE(isProgramIcon(box.windowIcon()));
    QApplication::setWindowIcon(before);
}

} // namespace
