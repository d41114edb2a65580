// The menus topic's files as the build wrote them: every name its pages and windows use (the
// plates' names are built from menu tags, which the source scan cannot see) at the size they are
// shown at, and the clips moving on their see-through colour.

#include "framework/ClipDecoder.h"
#include "mediakit/ResFiles.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(MenusMediaFiles, EveryPictureThePagesNameIsWrittenAtItsSize)
{
    ResFiles::ExpectListedSizes({
        {"images/menu/basescr.jpg", "1024x768"},
        {"images/menu/menu_j_f.png", "300x330"},
        {"images/menu/menu_j_a.png", "440x330"},
        {"images/menu/menu_j_h.png", "194x306"},
        {"images/menu/menu_j_fot.png", "273x273"},
        {"images/menu/menu_j_o.png", "460x241"},
        {"images/menu/menu_v_tval.png", "520x330"},
        {"images/menu/menu_asztal.png", "318x252"},
        {"images/menu/almenu_2.png", "400x330"},
        {"images/menu/almenu_4.png", "400x330"},
        {"images/menu/almenu_8.png", "400x330"},
        {"images/menu/menu_v2.png", "120x170"},
        {"images/menu/menu_flo.png", "120x170"},
        {"images/menu/menu_e.png", "120x170"},
        {"images/menu/odon.jpg", "200x200"},
        {"images/menu/tivadar.jpg", "200x200"},
        {"images/menu/nora.jpg", "200x200"},
        {"images/menu/tivadar_kem_01.png", "353x297"},
        {"images/menu/tivadar_kem_02.png", "353x297"},
        {"images/menu/tivadar_kem_03.png", "353x297"},
        // "menu\" + the checked item's tag + ".png"; the requests use 12, 13, 23, 31 and 33.
        {"images/menu/11.png", "134x134"},
        {"images/menu/12.png", "134x134"},
        {"images/menu/13.png", "134x134"},
        {"images/menu/21.png", "134x134"},
        {"images/menu/22.png", "134x134"},
        {"images/menu/23.png", "134x134"},
        {"images/menu/31.png", "134x134"},
        {"images/menu/32.png", "134x134"},
        {"images/menu/33.png", "134x134"},
    });
}

TEST(MenusMediaFiles, PopUpTricksLoopOverThePortraitsOnThePageGrey)
{
    for (const char* guide : {"kabel_odon", "tivadar", "nora"})
        for (const char* trick : {"_01", "_02", "_03"}) {
            const std::string path = std::string("avis/menu/") + guide + trick + ".avi";
            ResFiles::ExpectListedSizes({{path.c_str(), "200x200"}});
            ResFiles::ExpectLoopOnPageGrey(path.c_str(), 24);
        }
}

TEST(MenusMediaFiles, GymnasticsMoveTivadarOnTheWindowsWhite)
{
    for (const char* exercise : {"fej_jobb", "fej_bal", "forgas_jobb", "forgas_bal", "gugol", "hajlas_elore",
                                 "hajlas_hatra", "torzsdontes_jobb", "torzsdontes_bal", "kar"}) {
        const std::string path = std::string("avis/menu/") + exercise + ".avi";
        SCOPED_TRACE(path);
        ResFiles::ExpectListedSizes({{path.c_str(), "200x200"}});
        const ClipDecoder::TClip clip = ClipDecoder::Decode(ResFiles::Read(QString::fromStdString(path)), "clip");
        ASSERT_EQ(clip.frames.size(), 24u);
        EXPECT_EQ(clip.framesPerSecond, 12);
        for (const QImage& frame : clip.frames)
            ASSERT_EQ(frame.pixel(0, 0), qRgb(255, 255, 255));
        // Half a cycle in, he is clearly somewhere else.
        int moved = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                moved += clip.frames[0].pixel(x, y) != clip.frames[12].pixel(x, y);
        EXPECT_GT(moved, 400);
    }
}

} // namespace
