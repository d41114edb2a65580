// The menus topic's pictures and clips: the café background, Tivadar in the practice windows and
// on the pages, the food, the guides found in submenus and granted as wishes, the portraits with
// their pop-up tricks, and Tivadar's gymnastics for the shortcut page.

#include "MenusClipsArt.h"
#include "MenusFoodArt.h"
#include "MenusGuidesArt.h"
#include "MenusPageArt.h"
#include "MenusTivadarArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer menus("menus", [](TMediaKit& kit) {
    kit.WritePicture("menu\\baseScr.jpg", MenusPageArt::Background(), 92);

    kit.WritePicture("menu\\menu_j_f.png", MenusTivadarArt::Explaining());
    kit.WritePicture("menu\\menu_j_a.png", MenusTivadarArt::Hungry());
    kit.WritePicture("menu\\menu_j_h.png", MenusTivadarArt::Standing());
    kit.WritePicture("menu\\menu_j_fot.png", MenusTivadarArt::Armchair());
    kit.WritePicture("menu\\menu_j_o.png", MenusTivadarArt::WordCards());
    kit.WritePicture("menu\\Tivadar_kem_01.png", MenusTivadarArt::Hidden());
    kit.WritePicture("menu\\Tivadar_kem_02.png", MenusTivadarArt::ComingOut());
    kit.WritePicture("menu\\Tivadar_kem_03.png", MenusTivadarArt::Watching());

    kit.WritePicture("menu\\menu_v_tval.png", MenusFoodArt::FavouritesServed());
    kit.WritePicture("menu\\menu_asztal.png", MenusFoodArt::Table());
    // The check-mark page names each plate by its menu item's tag.
    for (const int tag : MenusFoodArt::PlateTags)
        kit.WritePicture(QStringLiteral("menu\\%1.png").arg(tag), MenusFoodArt::Plate(tag));

    using MenusGuidesArt::Found;
    using MenusGuidesArt::Wish;
    kit.WritePicture("menu\\almenu_2.png", Found(TCastMember::Nyilacska));
    kit.WritePicture("menu\\almenu_4.png", Found(TCastMember::Lemezke));
    kit.WritePicture("menu\\almenu_8.png", Found(TCastMember::Tarolka));
    kit.WritePicture("menu\\menu_v2.png", Wish(TCastMember::Nora));
    kit.WritePicture("menu\\menu_flo.png", Wish(TCastMember::Lemezke));
    kit.WritePicture("menu\\menu_e.png", Wish(TCastMember::Odon));

    using namespace MenusClipsArt;
    const struct {
        TCastMember who;
        const char* picture;
        const char* clips; // the clips' common start; "_01" .. "_03" follow
    } guides[] = {
        {TCastMember::Odon, "menu\\odon.jpg", "menu\\kabel_Odon"},
        {TCastMember::Tivadar, "menu\\tivadar.jpg", "menu\\Tivadar"},
        {TCastMember::Nora, "menu\\nora.jpg", "menu\\Nora"},
    };
    for (const auto& guide : guides) {
        kit.WritePicture(guide.picture, MenusGuidesArt::Portrait(guide.who), 95);
        const QString clips = QString::fromLatin1(guide.clips);
        kit.WriteClip(clips + "_01.avi", Trick(guide.who, TTrick::Turn), Rate);
        kit.WriteClip(clips + "_02.avi", Trick(guide.who, TTrick::Spin), Rate);
        kit.WriteClip(clips + "_03.avi", Trick(guide.who, TTrick::Somersault), Rate);
    }

    const std::pair<const char*, TExercise> exercises[] = {
        {"menu\\fej_jobb.avi", TExercise::HeadRight},
        {"menu\\fej_bal.avi", TExercise::HeadLeft},
        {"menu\\forgas_jobb.avi", TExercise::TurnRight},
        {"menu\\forgas_bal.avi", TExercise::TurnLeft},
        {"menu\\gugol.avi", TExercise::Squat},
        {"menu\\hajlas_elore.avi", TExercise::BendForward},
        {"menu\\hajlas_hatra.avi", TExercise::BendBack},
        {"menu\\torzsdontes_jobb.avi", TExercise::SideBendRight},
        {"menu\\torzsdontes_bal.avi", TExercise::SideBendLeft},
        {"menu\\kar.avi", TExercise::ArmsUp},
    };
    for (const auto& [name, exercise] : exercises)
        kit.WriteClip(name, Exercise(exercise), Rate);
});

} // namespace
