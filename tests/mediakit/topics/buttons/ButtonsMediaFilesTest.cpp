// The buttons topic's files as the build wrote them: every name its pages use (many of them
// built from a page name and a suffix, which the source scan cannot see) at the size the page
// shows it, the puzzle's bitmaps as 24-bit BMPs, and clips that open with their frames.

#include "framework/Cipher.h"
#include "framework/ClipDecoder.h"
#include "mediakit/ResFiles.h"

#include <QImage>
#include <QMap>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using ResFiles::ListedSizes;
using ResFiles::Read;

TEST(ButtonsMediaFiles, EveryPictureAndClipThePagesNameIsWrittenAtTheirSize)
{
    const struct {
        const char* path;
        const char* size;
    } expected[] = {
        {"images/egerezes/game/button_exitgame.png", "104x61"},
        {"images/egerezes/game/button_beck.png", "104x61"},
        {"images/gombok/gombgombform.jpg", "1024x768"},
        {"images/gombok/gombeszkoztarakform.jpg", "1024x768"},
        {"images/gombok/gombsokfalytaform.jpg", "1024x768"},
        {"images/gombok/gombkirakoform.jpg", "1024x768"},
        {"images/gombok/gombangolform.jpg", "1024x768"},
        {"images/gombok/gombkerdesekform.jpg", "1024x768"},
        {"images/gombok/gombsokfalytaform_roundbtn.png", "70x70"},
        {"images/gombok/gombsokfalytaform_ellipsebtn.png", "96x37"},
        {"images/gombok/gombsokfalytaform_norabtn.png", "135x75"},
        {"images/gombok/gombtabulatorform_mini_nora.png", "73x75"},
        {"images/gombok/gombeszkoztarakform_darts_big.png", "292x217"},
        {"images/gombok/gombeszkoztarakform_sakk_big.png", "292x217"},
        {"images/gombok/gombeszkoztarakform_ijj_big.png", "292x217"},
        {"images/gombok/gombeszkoztarakform_foto_big.png", "292x217"},
        {"images/gombok/gombeszkoztarakform_haziko_1.png", "241x241"},
        {"images/gombok/gombeszkoztarakform_haziko_2.png", "241x241"},
        {"images/gombok/gombeszkoztarakform_haziko_3.png", "241x241"},
        {"images/gombok/gombeszkoztarakform_haziko_4.png", "241x241"},
        {"images/gombok/gombeszkoztarakform_glyph_darts.png", "48x48"},
        {"images/gombok/gombeszkoztarakform_glyph_sakk.png", "48x48"},
        {"images/gombok/gombeszkoztarakform_glyph_nyil.png", "48x48"},
        {"images/gombok/gombeszkoztarakform_glyph_foto.png", "48x48"},
        {"images/gombok/gombeszkoztarakform_glyph_haziko_1.png", "48x48"},
        {"images/gombok/gombeszkoztarakform_glyph_haziko_2.png", "48x48"},
        {"images/gombok/gombeszkoztarakform_glyph_haziko_3.png", "48x48"},
        {"images/gombok/gombeszkoztarakform_glyph_haziko_4.png", "48x48"},
        {"images/gombok/gombkirakoform_valaszt1.png", "127x127"},
        {"images/gombok/gombkirakoform_valaszt2.png", "127x127"},
        {"images/gombok/gombkirakoform_nagy1.bmp", "255x255"},
        {"images/gombok/gombkirakoform_nagy2.bmp", "255x255"},
        {"images/gombok/gombkerdesekform_pipa.png", "40x40"},
        {"images/gombok/gombkerdesekform_help.png", "837x537"},
        {"avis/gombok/03_gomb_fajtak_meghajlas.avi", "240x320"},
        {"avis/gombok/03_gomb_fajtak_gugolas.avi", "240x320"},
        {"avis/gombok/03_gomb_fajtak_forgas.avi", "240x320"},
        {"avis/gombok/03_gomb_fajtak_integetes.avi", "240x320"},
        {"avis/gombok/03_gomb_fajtak_cigany.avi", "240x320"},
        {"avis/gombok/fokuszalas.avi", "190x220"},
        {"avis/gombok/06_aktiv_inaktiv_bal.avi", "138x79"},
        {"avis/gombok/06_aktiv_inaktiv_jobb.avi", "138x79"},
        {"avis/gombok/08_kirakos.avi", "190x220"},
    };
    const QMap<QString, QString> listed = ListedSizes();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(listed.contains(e.path));
        EXPECT_EQ(listed.value(e.path).toStdString(), e.size);
    }
}

TEST(ButtonsMediaFiles, PuzzleBitmapsAreTwentyFourBitAndDecodeToTheirPictures)
{
    for (const char* path : {"images/gombok/gombkirakoform_nagy1.bmpe", "images/gombok/gombkirakoform_nagy2.bmpe"}) {
        SCOPED_TRACE(path);
        const QByteArray bmp = Cipher::Applied(Read(path));
        ASSERT_GE(bmp.size(), 54);
        EXPECT_TRUE(bmp.startsWith("BM"));
        // The bit count of the bitmap info header.
        EXPECT_EQ(quint8(bmp[28]) | quint8(bmp[29]) << 8, 24);
        EXPECT_EQ(QImage::fromData(bmp, "BMP").size(), QSize(255, 255));
    }
}

TEST(ButtonsMediaFiles, ClipsOpenWithTheirFramesOnTheSeeThroughColour)
{
    const struct {
        const char* path;
        int frames;
    } clips[] = {
        {"avis/gombok/03_gomb_fajtak_meghajlas.avi", 24}, {"avis/gombok/03_gomb_fajtak_gugolas.avi", 24},
        {"avis/gombok/03_gomb_fajtak_forgas.avi", 24},    {"avis/gombok/03_gomb_fajtak_integetes.avi", 24},
        {"avis/gombok/03_gomb_fajtak_cigany.avi", 24},    {"avis/gombok/fokuszalas.avi", 20},
        {"avis/gombok/06_aktiv_inaktiv_bal.avi", 24},     {"avis/gombok/06_aktiv_inaktiv_jobb.avi", 24},
        {"avis/gombok/08_kirakos.avi", 12},
    };
    // The player makes the top-left colour see-through: it must be the page grey, and the guide
    // must be there on every frame.
    for (const auto& clip : clips)
        ResFiles::ExpectLoopOnPageGrey(clip.path, clip.frames);
}

} // namespace
