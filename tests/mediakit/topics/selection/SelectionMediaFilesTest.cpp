// The selection topic's files as the build wrote them: every name its pages use (most are built
// from a page name and a suffix, which the source scan cannot see) at the size the page shows
// it, and the check box pages' clip with its frames on the see-through colour.

#include "framework/ClipDecoder.h"
#include "mediakit/ResFiles.h"

#include <QImage>
#include <QMap>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using ResFiles::ListedSizes;
using ResFiles::Read;

TEST(SelectionMediaFiles, EveryPictureAndClipThePagesNameIsWrittenAtTheirSize)
{
    const struct {
        const char* path;
        const char* size;
    } expected[] = {
        {"images/jelolesek/jelrdbtnform.jpg", "1024x768"},
        {"images/jelolesek/jelrdcsopform.jpg", "1024x768"},
        {"images/jelolesek/jelmemintroform.jpg", "1024x768"},
        {"images/jelolesek/jelmemrdquizform.jpg", "1024x768"},
        {"images/jelolesek/jelchkboxform.jpg", "1024x768"},
        {"images/jelolesek/jelchkbox2form.jpg", "1024x768"},
        {"images/jelolesek/jelspinedit1form.jpg", "1024x768"},
        {"images/jelolesek/jelspinedit2form.jpg", "1024x768"},
        {"images/jelolesek/jeltreckbarform.jpg", "1024x768"},
        {"images/jelolesek/jelprogressbarform.jpg", "1024x768"},
        {"images/jelolesek/jelagyuzasform.jpg", "1024x768"},
        {"images/jelolesek/help_panel.jpg", "850x630"},
        {"images/jelolesek/jelrdbtnform_be.png", "32x32"},
        {"images/jelolesek/jelrdbtnform_ki.png", "32x32"},
        {"images/jelolesek/jelspinedit1form_tivadar_heppy.png", "219x408"},
        {"images/jelolesek/jelspinedit1form_tivadar_unheppy.png", "219x408"},
        {"images/jelolesek/jelspinedit2form_nora_heppy.png", "316x377"},
        {"images/jelolesek/jelspinedit2form_nora_unheppy.png", "316x377"},
        {"images/jelolesek/tivadar_0.png", "280x240"},
        {"images/jelolesek/tivadar_1.png", "280x240"},
        {"images/jelolesek/tivadar_2.png", "280x240"},
        {"images/jelolesek/tivadar_3.png", "280x240"},
        {"images/jelolesek/tivadar_4.png", "280x240"},
        {"images/jelolesek/virag_0.png", "220x300"},
        {"images/jelolesek/virag_1.png", "220x300"},
        {"images/jelolesek/virag_2.png", "220x300"},
        {"images/jelolesek/virag_3.png", "220x300"},
        {"images/jelolesek/virag_4.png", "220x300"},
        {"images/jelolesek/jelprogressbarform_tivadar.png", "104x113"},
        {"images/jelolesek/jelprogressbarform_tivadar_vissza.png", "104x113"},
        {"images/jelolesek/jelprogressbarform_eger.png", "84x118"},
        {"images/jelolesek/jelprogressbarform_eger_vissza.png", "84x118"},
        {"images/jelolesek/jelagyuzasform_a1.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a2.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a3.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a4.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a5.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a6.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a7.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a8.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a9.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_a10.png", "158x152"},
        {"images/jelolesek/jelagyuzasform_agyugolyo.png", "30x30"},
        {"images/jelolesek/jelagyuzasform_felho.png", "198x114"},
        {"images/jelolesek/start.png", "285x80"},
        {"images/egerezes/game/infopanel.png", "800x320"},
        {"images/egerezes/game/litlpanel.png", "220x130"},
        {"images/egerezes/game/grass.png", "1024x140"},
        {"images/egerezes/game/button_exitgame.png", "104x61"},
        {"images/egerezes/game/button_beck.png", "104x61"},
        {"avis/jelolesek/radiogomb_ket_fele.avi", "320x240"},
    };
    const QMap<QString, QString> listed = ListedSizes();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(listed.contains(e.path));
        EXPECT_EQ(listed.value(e.path).toStdString(), e.size);
    }
}

TEST(SelectionMediaFiles, ClipLoopsOnThePageGreyAndMoves)
{
    const char* path = "avis/jelolesek/radiogomb_ket_fele.avi";
    const ClipDecoder::TClip clip = ClipDecoder::Decode(Read(path), path);
    ASSERT_EQ(int(clip.frames.size()), 25);
    for (const QImage& frame : clip.frames)
        ASSERT_EQ(frame.pixel(0, 0), qRgb(0xdd, 0xdd, 0xdd)) << "the player's see-through colour";
    EXPECT_EQ(clip.frames.front(), clip.frames.back()) << "the loop closes without a jump";
    EXPECT_TRUE(std::any_of(clip.frames.begin(), clip.frames.end(),
                            [&](const QImage& frame) { return frame != clip.frames.front(); }));
}

} // namespace
