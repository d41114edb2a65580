// The mouse games' files as the build wrote them: every name the game pages build from their page
// name and a colour or number (which the source scan cannot see), at the size the page shows it,
// and clips that play on the see-through page grey, the replayed ones ending before their timer.

#include "framework/ClipDecoder.h"
#include "mediakit/ResFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(MouseGamesMediaFiles, EveryPictureAndClipTheGamesNameIsWrittenAtItsSize)
{
    ResFiles::ExpectListedSizes({
        {"images/egerezes/lepkevadaszform.jpg", "1024x768"},
        {"images/egerezes/lepkevadaszform_felho1.png", "170x100"},
        {"images/egerezes/lepkevadaszform_felho2.png", "170x100"},
        {"images/egerezes/lepkevadaszform_felho3.png", "170x100"},
        {"images/egerezes/lepkevadaszform_felho4.png", "170x100"},
        {"images/egerezes/lepkevadaszform_felho5.png", "170x100"},
        {"images/egerezes/lepkevadaszform_pillango_lila.png", "64x56"},
        {"images/egerezes/lepkevadaszform_pillango_piros.png", "64x56"},
        {"images/egerezes/lepkevadaszform_pillango_kek.png", "64x56"},
        {"images/egerezes/lepkevadaszform_pillango_sarga.png", "64x56"},
        {"images/egerezes/lepkevadaszform_pillango_zold.png", "64x56"},
        {"images/egerezes/lepkevadaszform_lepkvad_txt.png", "713x105"},
        {"images/jelolesek/start.png", "285x80"},
        {"images/egerezes/egerballjobbform.jpg", "1024x768"},
        {"images/egerezes/game/beckgrnd.jpg", "1024x768"},
        {"images/egerezes/egervadaszatform_nyilacska_jobb.png", "162x215"},
        {"images/egerezes/egervadaszatform_nyilacska_bal.png", "162x215"},
        {"images/egerezes/egervadaszatform_jobbra_balra_felirat.png", "720x150"},
        {"images/egerezes/start.png", "337x65"},
        {"images/egerezes/duplakattform.jpg", "1024x768"},
        {"images/egerezes/game/gradient_beckgrnd.jpg", "1024x768"},
        {"images/egerezes/egerlufipukkform_lufi_lila.png", "100x227"},
        {"images/egerezes/egerlufipukkform_lufi_piros.png", "100x227"},
        {"images/egerezes/egerlufipukkform_lufi_narancs.png", "100x227"},
        {"images/egerezes/egerlufipukkform_lufi_zold.png", "100x227"},
        {"images/egerezes/egerlufipukkform_lufi_kek.png", "100x227"},
        {"images/egerezes/egerlufipukkform_lufi_vkek.png", "100x227"},
        {"images/egerezes/egerlufipukkform_lufi_felirat.png", "720x150"},
        {"images/egerezes/egerbasketballform.jpg", "1024x768"},
        {"images/egerezes/egerbasketballform_ball.png", "103x103"},
        {"images/egerezes/egerbasketballform_intro.png", "720x150"},
        {"avis/egerezes/egerballjobbform.avi", "230x160"},
        {"avis/egerezes/dupla_kattint.avi", "230x160"},
        {"avis/egerezes/dupla_kutya.avi", "230x160"},
        {"avis/egerezes/dupla_macska.avi", "230x160"},
        {"avis/egerezes/dupla_eger.avi", "230x160"},
    });
}

TEST(MouseGamesMediaFiles, ClipsPlayOnThePageGreyAndTheReplayedOnesEndBeforeTheirTimer)
{
    const struct {
        const char* path;
        int frames;
        int timerMs; // the page's replay timer; 0 when only a double click plays the clip
    } clips[] = {
        {"avis/egerezes/egerballjobbform.avi", 15, 1500},
        {"avis/egerezes/dupla_kattint.avi", 24, 2500},
        {"avis/egerezes/dupla_kutya.avi", 18, 0},
        {"avis/egerezes/dupla_macska.avi", 18, 0},
        {"avis/egerezes/dupla_eger.avi", 18, 0},
    };
    for (const auto& clip : clips) {
        SCOPED_TRACE(clip.path);
        ResFiles::ExpectLoopOnPageGrey(clip.path, clip.frames);
        const ClipDecoder::TClip decoded = ClipDecoder::Decode(ResFiles::Read(clip.path), clip.path);
        ASSERT_FALSE(decoded.frames.empty());
        if (clip.timerMs > 0)
            EXPECT_LT(int(decoded.frames.size()) * 1000 / decoded.framesPerSecond, clip.timerMs);
        else // played once per double click: the guide comes to rest where the clip began
            EXPECT_EQ(decoded.frames.front(), decoded.frames.back());
    }
}

} // namespace
