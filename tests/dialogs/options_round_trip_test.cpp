#include "dialogs/dialog_owner.h"
#include "dialogs/links/button_dialog.h"
#include "dialogs/links/form_dialog.h"
#include "dialogs/links/frame_dialog.h"
#include "dialogs/links/frame_set_dialog.h"
#include "dialogs/links/frame_target_dialog.h"
#include "dialogs/links/hidden_dialog.h"
#include "dialogs/links/img_fld_dialog.h"
#include "dialogs/links/key_link_dialog.h"
#include "dialogs/links/meta_dialog.h"
#include "dialogs/links/multi_line_dialog.h"
#include "dialogs/links/select_list_dialog.h"
#include "dialogs/links/text_box_dialog.h"
#include "dialogs/links/url_dialog.h"
#include "dialogs/media/applet_dialog.h"
#include "dialogs/media/br_clear_dialog.h"
#include "dialogs/media/client_map_dialog.h"
#include "dialogs/media/image_dialog.h"
#include "dialogs/media/marquee_dialog.h"
#include "dialogs/media/param_dialog.h"
#include "dialogs/media/sound_dialog.h"
#include "dialogs/media/video_dialog.h"
#include "dialogs/text/base_font_dialog.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/heading_dialog.h"
#include "dialogs/text/list_dialog.h"
#include "dialogs/text/page_dialog.h"
#include "dialogs/text/rule_dialog.h"
#include "dialogs/text/table_dialog.h"

#include "support/fake_platform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;

namespace {

QString randomText(std::mt19937 &random)
{
    static const QString pieces[] = {u""_s,     u"0"_s,      u"12"_s,    u"-3"_s,   u" 7"_s,
                                     u"$1F"_s,  u"abc"_s,    u"名前"_s,  u"\"q\""_s, u"a&b"_s,
                                     u"50%"_s,  u"x,y"_s,    u"_top"_s,  u"\n"_s};
    QString text;
    for (int n = int(random() % 3); n > 0; --n)
        text += pieces[random() % std::size(pieces)];
    return text;
}

// Does to `dialog`, `steps` times, what a user could: clicks its buttons and
// boxes (colour and file dialogs answered at random), types into its edits
// and grid cells, picks list rows and moves sliders. Only enabled controls
// take part, as for a user.
void driveAtRandom(QWidget &dialog, FakePlatform &fake, std::mt19937 &random, int steps)
{
    QList<QWidget *> controls;
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        const auto *edit = qobject_cast<QLineEdit *>(w);
        const auto *text = qobject_cast<QPlainTextEdit *>(w);
        if (w->objectName() == u"OKBtn"_s || w->objectName() == u"CancelBtn"_s
            || w->objectName().startsWith(u"qt_") || (edit && edit->isReadOnly())
            || (text && text->isReadOnly()))
            continue;
        if (qobject_cast<QAbstractButton *>(w) || edit || text || qobject_cast<QComboBox *>(w)
            || qobject_cast<QSlider *>(w) || qobject_cast<QAbstractItemView *>(w))
            controls.append(w);
    }
    ASSERT_FALSE(controls.isEmpty());
    for (int step = 0; step < steps; ++step) {
        QWidget *w = controls[qsizetype(random() % controls.size())];
        if (!w->isEnabled())
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            fake.colors = {QColor::fromRgb(random() & 0xFFFFFF)};
            fake.openNames = {u"pic/"_s + randomText(random) + u".gif"_s};
            button->click();
            fake.colors.clear();
            fake.openNames.clear();
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            edit->setText(randomText(random).remove(u'\n'));
        } else if (auto *text = qobject_cast<QPlainTextEdit *>(w)) {
            text->setPlainText(randomText(random) + randomText(random));
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            list->setCurrentIndex(int(random() % list->count()));
        } else if (auto *slider = qobject_cast<QSlider *>(w)) {
            slider->setValue(slider->minimum()
                             + int(random() % (slider->maximum() - slider->minimum() + 1)));
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            QAbstractItemModel *model = view->model();
            const QModelIndex cell = model->index(int(random() % model->rowCount()),
                                                  int(random() % model->columnCount()));
            model->setData(cell, randomText(random), Qt::EditRole);
        }
    }
}

struct RoundTripCase {
    const char *name;
    // Drives the dialog at random, then on to another state, and checks that
    // the first state's options, set there, read back the same.
    std::function<void(FakePlatform &, std::mt19937 &)> check;
};

template <typename Dialog>
RoundTripCase roundTrip(const char *name)
{
    return {name, [](FakePlatform &fake, std::mt19937 &random) {
                Dialog &dlg = attributeDialog<Dialog>();
                dlg.reset();
                driveAtRandom(dlg, fake, random, 40);
                const auto reached = dlg.options();
                driveAtRandom(dlg, fake, random, 40);
                dlg.setOptions(reached);
                EXPECT_TRUE(dlg.options() == reached);
            }};
}

class OptionsRoundTrip : public ::testing::TestWithParam<RoundTripCase>
{
protected:
    FakePlatform fake;
    DialogOwner owner;
};

TEST_P(OptionsRoundTrip, EveryReachableStateReadsBackThroughSetOptions)
{
    std::mt19937 random(17);
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        GetParam().check(fake, random);
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllDialogs, OptionsRoundTrip,
    ::testing::Values(
        roundTrip<TfrmButton>("TfrmButton"), roundTrip<TfrmForm>("TfrmForm"),
        roundTrip<TfrmFrame>("TfrmFrame"), roundTrip<TfrmFrameSet>("TfrmFrameSet"),
        roundTrip<TfrmTarget>("TfrmTarget"), roundTrip<TfrmHidden>("TfrmHidden"),
        roundTrip<TfrmImgFld>("TfrmImgFld"), roundTrip<TfrmKeyLink>("TfrmKeyLink"),
        roundTrip<TfrmMeta>("TfrmMeta"), roundTrip<TfrmMultiLine>("TfrmMultiLine"),
        roundTrip<TfrmListBox>("TfrmListBox"), roundTrip<TfrmDropDown>("TfrmDropDown"),
        roundTrip<TfrmTextBox>("TfrmTextBox"), roundTrip<TfrmUrl>("TfrmUrl"),
        roundTrip<TfrmApplet>("TfrmApplet"), roundTrip<TfrmBrClear>("TfrmBrClear"),
        roundTrip<TfrmClientMap>("TfrmClientMap"), roundTrip<TfrmImage>("TfrmImage"),
        roundTrip<TfrmMarquee>("TfrmMarquee"), roundTrip<TfrmParam>("TfrmParam"),
        roundTrip<TfrmSound>("TfrmSound"), roundTrip<TfrmVideo>("TfrmVideo"),
        roundTrip<TfrmBase>("TfrmBase"), roundTrip<TfrmFont>("TfrmFont"),
        roundTrip<TfrmTitle>("TfrmTitle"), roundTrip<TfrmMarkList>("TfrmMarkList"),
        roundTrip<TfrmNumList>("TfrmNumList"), roundTrip<TfrmPage>("TfrmPage"),
        roundTrip<TfrmLine>("TfrmLine"), roundTrip<TfrmHyo>("TfrmHyo")),
    [](const ::testing::TestParamInfo<RoundTripCase> &info) { return std::string(info.param.name); });

} // namespace
