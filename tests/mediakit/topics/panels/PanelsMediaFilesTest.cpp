// The panels topic's files as the build wrote them: every name its pages use (most built from a
// form name or a number, which the source scan cannot see) at the size the page shows it, and
// the car clips on the see-through page grey.

#include "framework/ClipDecoder.h"
#include "mediakit/ResFiles.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

TEST(PanelsMediaFiles, EveryPictureAndClipThePagesNameIsWrittenAtTheirSize)
{
    const struct {
        const char* path;
        const char* size;
    } expected[] = {
        {"images/panel/pnlnyomtatform.jpg", "1024x768"},
        {"images/panel/pnlpanelform.jpg", "1024x768"},
        {"images/panel/pnlautosform.jpg", "1024x768"},
        {"images/panel/pnlmemjatekform.jpg", "1024x768"},
        {"images/panel/pnlkonyvjelzform.jpg", "1024x768"},
        {"images/panel/pnlminivizsgaintroform.jpg", "1024x768"},
        {"images/panel/pnlminivizsgaform.jpg", "1024x768"},
        {"images/panel/pnlpanelform_lemezke.png", "119x119"},
        {"images/panel/pnlpanelform_tarolka.png", "119x119"},
        {"images/panel/pnlautosform_vendeglos.png", "297x313"},
        {"images/panel/pnlautosform_stop.png", "297x313"},
        {"images/panel/pnlautosform_utjelzo.png", "297x313"},
        {"images/panel/pnlautosform_felkialto.png", "297x313"},
        {"images/panel/pnlfulespanelform_odon.png", "174x124"},
        {"images/panel/pnlfulespanelform_nora.png", "174x124"},
        {"images/panel/pnlfulespanelform_tivadar.png", "174x124"},
        {"images/panel/pnlfulespanelform_nyilacska.png", "174x124"},
        {"images/panel/pnlfulespanelform_lemezke.png", "174x124"},
        {"images/panel/info_dialog.png", "32x32"},
        {"images/panel/pnlminivizsgaform_lemezke1.png", "102x186"},
        {"images/panel/pnlminivizsgaform_lemezke2.png", "102x186"},
        {"images/panel/pnlminivizsgaform_error_dialog.png", "32x32"},
        {"images/panel/pnlminivizsgaform_info_dialog.png", "32x32"},
        {"images/panel/pnlminivizsgaform_warning_dialog.png", "32x32"},
        {"images/egerezes/game/button_exitgame.png", "104x61"},
        {"avis/panel/pnlautosform_gurul.avi", "320x147"},
        {"avis/panel/pnlautosform_lemegy.avi", "320x147"},
        // The memory game's faces, "panel\" + 1 … 18 + ".png".
        {"images/panel/1.png", "90x90"},
        {"images/panel/2.png", "90x90"},
        {"images/panel/3.png", "90x90"},
        {"images/panel/4.png", "90x90"},
        {"images/panel/5.png", "90x90"},
        {"images/panel/6.png", "90x90"},
        {"images/panel/7.png", "90x90"},
        {"images/panel/8.png", "90x90"},
        {"images/panel/9.png", "90x90"},
        {"images/panel/10.png", "90x90"},
        {"images/panel/11.png", "90x90"},
        {"images/panel/12.png", "90x90"},
        {"images/panel/13.png", "90x90"},
        {"images/panel/14.png", "90x90"},
        {"images/panel/15.png", "90x90"},
        {"images/panel/16.png", "90x90"},
        {"images/panel/17.png", "90x90"},
        {"images/panel/18.png", "90x90"},
    };
    const QMap<QString, QString> listed = ResFiles::ListedSizes();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(listed.contains(e.path));
        EXPECT_EQ(listed.value(e.path).toStdString(), e.size);
    }
}

TEST(PanelsMediaFiles, TheRollingCarLoopsAndTheLeavingCarDrivesOffTheGrey)
{
    ResFiles::ExpectLoopOnPageGrey("avis/panel/pnlautosform_gurul.avi", 12);

    // Played once: it starts with the car where the rolling clip holds it and ends on the empty
    // see-through grey, so the page shows no car after it.
    const QRgb grey = qRgb(0xdd, 0xdd, 0xdd);
    const ClipDecoder::TClip leaving =
        ClipDecoder::Decode(ResFiles::Read("avis/panel/pnlautosform_lemegy.avi"), "lemegy");
    ASSERT_EQ(leaving.frames.size(), 24u);
    const ClipDecoder::TClip rolling =
        ClipDecoder::Decode(ResFiles::Read("avis/panel/pnlautosform_gurul.avi"), "gurul");
    const auto redPixels = [](const QImage& frame) {
        int n = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QColor c = frame.pixel(x, y);
                n += c.red() > 220 && c.green() < 60 && c.blue() < 60;
            }
        return n;
    };
    for (const QImage& frame : leaving.frames)
        EXPECT_EQ(frame.pixel(0, 0), grey);
    EXPECT_NEAR(redPixels(leaving.frames.front()), redPixels(rolling.frames.front()), 400);
    const QImage& last = leaving.frames.back();
    for (int y = 0; y < last.height(); ++y)
        for (int x = 0; x < last.width(); ++x)
            ASSERT_EQ(last.pixel(x, y), grey) << x << "," << y;
}

} // namespace
