// The panels topic's pictures and clips: seven page backgrounds (the tabbed panel page shares
// the car trip's), the race's runners, the trip's road signs and car clips, the tab pages'
// guides, the memory game's 18 card faces, the exam's Lemezke pictures and the dialog icons.
// The memory game's exit sign is the mouse games' "egerezes\game\button_exitgame.png".

#include "CarArt.h"
#include "DialogIconsArt.h"
#include "MemoryCardsArt.h"
#include "PanelsPicturesArt.h"
#include "PanelsScreensArt.h"
#include "RoadSignsArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer panels("panels", [](TMediaKit& kit) {
    using namespace PanelsScreensArt;
    kit.WritePicture("panel\\PnlNyomtatForm.jpg", OperatingSystemScreen(), 92);
    kit.WritePicture("panel\\PnlPanelForm.jpg", RaceScreen(), 92);
    kit.WritePicture("panel\\PnlAutosForm.jpg", TripScreen(), 92);
    kit.WritePicture("panel\\PnlMemJatekForm.jpg", MemoryScreen(), 92);
    kit.WritePicture("panel\\PnlKonyvJelzForm.jpg", BookmarkScreen(), 92);
    kit.WritePicture("panel\\PnlMiniVizsgaIntroForm.jpg", ExamIntroScreen(), 92);
    kit.WritePicture("panel\\PnlMiniVizsgaForm.jpg", ExamScreen(), 92);

    using namespace PanelsPicturesArt;
    kit.WritePicture("Panel\\PnlPanelForm_lemezke.png", Runner(TCastMember::Lemezke));
    kit.WritePicture("Panel\\PnlPanelForm_tarolka.png", Runner(TCastMember::Tarolka));
    kit.WritePicture("panel\\PnlFulesPanelForm_odon.png", TabGuide(TCastMember::Odon));
    kit.WritePicture("panel\\PnlFulesPanelForm_nora.png", TabGuide(TCastMember::Nora));
    kit.WritePicture("panel\\PnlFulesPanelForm_tivadar.png", TabGuide(TCastMember::Tivadar));
    kit.WritePicture("panel\\PnlFulesPanelForm_nyilacska.png", TabGuide(TCastMember::Nyilacska));
    kit.WritePicture("panel\\PnlFulesPanelForm_lemezke.png", TabGuide(TCastMember::Lemezke));
    kit.WritePicture("panel\\PnlMiniVizsgaForm_lemezke1.png", WaitingLemezke());
    kit.WritePicture("panel\\PnlMiniVizsgaForm_lemezke2.png", JumpingLemezke());

    kit.WritePicture("panel\\PnlAutosForm_vendeglos.png", RoadSignsArt::Restaurant());
    kit.WritePicture("panel\\PnlAutosForm_stop.png", RoadSignsArt::Stop());
    kit.WritePicture("panel\\PnlAutosForm_utjelzo.png", RoadSignsArt::Signpost());
    kit.WritePicture("panel\\PnlAutosForm_felkialto.png", RoadSignsArt::Exclamation());

    for (int n = 1; n <= MemoryCardsArt::Count; ++n)
        kit.WritePicture(QStringLiteral("panel\\%1.png").arg(n), MemoryCardsArt::Face(n));

    kit.WritePicture("panel\\info_dialog.png", DialogIconsArt::Information());
    kit.WritePicture("panel\\PnlMiniVizsgaForm_info_dialog.png", DialogIconsArt::Information());
    kit.WritePicture("panel\\PnlMiniVizsgaForm_error_dialog.png", DialogIconsArt::Error());
    kit.WritePicture("panel\\PnlMiniVizsgaForm_warning_dialog.png", DialogIconsArt::Warning());

    kit.WriteClip("panel\\PnlAutosForm_gurul.avi", CarArt::RollingClip(), CarArt::Rate);
    kit.WriteClip("panel\\PnlAutosForm_lemegy.avi", CarArt::LeavingClip(), CarArt::Rate);
});

} // namespace
