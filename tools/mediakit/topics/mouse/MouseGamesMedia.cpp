// The mouse games' pictures and clips: the butterfly hunt, the right-click page and the mouse
// hunt, the double-click page and the balloon game, and the basketball game. The game base's
// buttons, panels and grass are GameButtonsMedia's and GamePanelsMedia's.

#include "MouseGamesClipsArt.h"
#include "MouseGamesPicturesArt.h"
#include "MouseGamesScreensArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer mouseGames("mouse-games", [](TMediaKit& kit) {
    using namespace MouseGamesScreensArt;
    using namespace MouseGamesPicturesArt;
    kit.WritePicture("egerezes\\LepkevadaszForm.jpg", ButterflyScreen(), 92);
    for (int number = 1; number <= 5; ++number)
        kit.WritePicture(QStringLiteral("egerezes\\LepkevadaszForm_felho%1.png").arg(number), Cloud(number));
    for (const char* colour : {"lila", "piros", "kek", "sarga", "zold"})
        kit.WritePicture(QStringLiteral("egerezes\\LepkevadaszForm_pillango_%1.png").arg(colour), Butterfly(colour));
    kit.WritePicture("egerezes\\LepkevadaszForm_lepkvad_txt.png", ButterflyTitle());

    kit.WritePicture("egerezes\\EgerBallJobbForm.jpg", RightClickScreen(), 92);
    kit.WritePicture("egerezes\\game\\beckgrnd.jpg", HuntScreen(), 92);
    kit.WritePicture("egerezes\\EgervadaszatForm_nyilacska_jobb.png", NyilacskaPointing(true));
    kit.WritePicture("egerezes\\EgervadaszatForm_nyilacska_bal.png", NyilacskaPointing(false));
    kit.WritePicture("egerezes\\EgervadaszatForm_jobbra_balra_felirat.png", LeftRightTitle());
    kit.WritePicture("egerezes\\START.png", StartButton());

    kit.WritePicture("egerezes\\DuplaKattForm.jpg", DoubleClickScreen(), 92);
    kit.WritePicture("egerezes\\game\\gradient_beckgrnd.jpg", BalloonScreen(), 92);
    for (const char* colour : {"lila", "piros", "narancs", "zold", "kek", "vkek"})
        kit.WritePicture(QStringLiteral("egerezes\\EgerLufipukkForm_lufi_%1.png").arg(colour), Balloon(colour));
    kit.WritePicture("egerezes\\EgerLufipukkForm_lufi_felirat.png", BalloonTitle());

    kit.WritePicture("egerezes\\EgerBasketBallForm.jpg", BasketballScreen(), 92);
    kit.WritePicture("egerezes\\EgerBasketBallForm_ball.png", Ball());
    kit.WritePicture("egerezes\\EgerBasketBallForm_intro.png", BasketballTitle());

    using namespace MouseGamesClipsArt;
    kit.WriteClip("egerezes\\EgerBallJobbForm.avi", RightClickClip(), Rate);
    kit.WriteClip("egerezes\\dupla_kattint.avi", DoubleClickClip(), Rate);
    kit.WriteClip("egerezes\\dupla_kutya.avi", GuideJumpClip(TCastMember::Lemezke), Rate);
    kit.WriteClip("egerezes\\dupla_macska.avi", GuideJumpClip(TCastMember::Tarolka), Rate);
    kit.WriteClip("egerezes\\dupla_eger.avi", GuideJumpClip(TCastMember::Nyilacska), Rate);
});

} // namespace
