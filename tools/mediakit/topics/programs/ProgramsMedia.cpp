// The programs topic's pictures: the imitated desktop's four backgrounds, its icons, the Start
// menu, the lesson's arrows and panel, the back sign, Tivadar at his desk and the closing house.

#include "ProgramsDesktopArt.h"
#include "ProgramsGuidesArt.h"
#include "ProgramsIconsArt.h"
#include "ProgramsLandscapeArt.h"
#include "ProgramsSignsArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer programs("programs", [](TMediaKit& kit) {
    using namespace ProgramsIconsArt;
    using ProgramsSignsArt::TArrow;
    kit.WritePicture("prg\\prg_base.jpg", ProgramsDesktopArt::Base(), 92);
    kit.WritePicture("prg\\hatter1sz.jpg", ProgramsDesktopArt::Plain(), 92);
    kit.WritePicture("prg\\hatterM.jpg", ProgramsDesktopArt::Pattern(), 92);
    kit.WritePicture("prg\\hatter.jpg", ProgramsLandscapeArt::Landscape(), 92);
    kit.WritePicture("prg\\k_a.png", ProgramsGuidesArt::Desk());
    kit.WritePicture("prg\\haz_5_szinttel.png", ProgramsGuidesArt::House());
    kit.WritePicture("prg\\infPanel.png", ProgramsSignsArt::InfoPanel());
    kit.WritePicture("prg\\exitBtn.png", ProgramsSignsArt::BackSign());
    kit.WritePicture("prg\\fel.png", ProgramsSignsArt::Arrow(TArrow::Up));
    kit.WritePicture("prg\\le.png", ProgramsSignsArt::Arrow(TArrow::Down));
    kit.WritePicture("prg\\balra.png", ProgramsSignsArt::Arrow(TArrow::Left));
    kit.WritePicture("prg\\jobbra.png", ProgramsSignsArt::Arrow(TArrow::Right));
    kit.WritePicture("prg/startMenu.png", ProgramsSignsArt::StartMenu());
    kit.WritePicture("prg/sajatgep.png", Computer());
    kit.WritePicture("prg/kuka32.png", RecycleBin());
    kit.WritePicture("prg/Szamolo32.png", Calculator());
    kit.WritePicture("prg/rajzolo32.png", Paint());
    kit.WritePicture("prg/gepelo32.png", TextEditor());
    kit.WritePicture("prg/Szamolo16.png", SmallCalculator());
    kit.WritePicture("prg/rajzolo16.png", SmallPaint());
    kit.WritePicture("prg/gepelo16.png", SmallTextEditor());
    kit.WritePicture("prg/hang16.png", Loudspeaker());
    kit.WritePicture("prg/halo16.png", Network());
});

} // namespace
