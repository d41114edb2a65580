// The selection topic's pictures and clip. The game pages' back and end pictures and panels come
// from the mouse topic.

#include "SelectionMedia.h"

#include "CannonArt.h"
#include "SelectionPicturesArt.h"
#include "SelectionScreensArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace SelectionMedia {

namespace {

const TMediaProducer selection("selection", [](TMediaKit& kit) {
    for (const TNamedPicture& picture : Pictures())
        kit.WritePicture(picture.name, picture.image, 92);
    kit.WriteClip(ClipName, SelectionPicturesArt::RadioAndCheckBoxClip(), SelectionPicturesArt::ClipRate);
});

} // namespace

std::vector<TNamedPicture> Pictures()
{
    using namespace SelectionScreensArt;
    using namespace SelectionPicturesArt;
    std::vector<TNamedPicture> pictures = {
        {"jelolesek\\JelRdBtnForm.jpg", RadioButtonScreen()},
        {"jelolesek\\JelRdCsopForm.jpg", RadioGroupScreen()},
        {"jelolesek\\JelMemIntroForm.jpg", SceneScreen()},
        {"jelolesek\\JelMemRdQuizForm.jpg", QuizScreen()},
        {"jelolesek\\help_panel.jpg", HelpPanel()},
        {"jelolesek\\JelChkBoxForm.jpg", CheckBoxScreen()},
        {"jelolesek\\JelChkBox2Form.jpg", CheckBox2Screen()},
        {"jelolesek\\JelSpinEdit1Form.jpg", SpinEdit1Screen()},
        {"jelolesek\\JelSpinEdit2Form.jpg", SpinEdit2Screen()},
        {"jelolesek\\JelTreckBarForm.jpg", TrackBarScreen()},
        {"jelolesek\\JelProgressBarForm.jpg", ProgressBarScreen()},
        {"jelolesek\\JelAgyuzasForm.jpg", CannonScreen()},
        {"jelolesek\\JelRdBtnForm_be.png", RadioOn()},
        {"jelolesek\\JelRdBtnForm_ki.png", RadioOff()},
        {"jelolesek\\JelSpinEdit1Form_tivadar_heppy.png", SpinTivadar(true)},
        {"jelolesek\\JelSpinEdit1Form_tivadar_unheppy.png", SpinTivadar(false)},
        {"jelolesek\\JelSpinEdit2Form_nora_heppy.png", SpinNora(true)},
        {"jelolesek\\JelSpinEdit2Form_nora_unheppy.png", SpinNora(false)},
        {"jelolesek\\JelProgressBarForm_tivadar.png", RacingTivadar(false)},
        {"jelolesek\\JelProgressBarForm_tivadar_vissza.png", RacingTivadar(true)},
        {"jelolesek\\JelProgressBarForm_eger.png", RacingNyilacska(false)},
        {"jelolesek\\JelProgressBarForm_eger_vissza.png", RacingNyilacska(true)},
        {"jelolesek\\JelAgyuzasForm_agyugolyo.png", CannonArt::Ball()},
        {"jelolesek\\JelAgyuzasForm_felho.png", CannonArt::Cloud()},
        {"jelolesek\\START.png", CannonArt::Start()},
    };
    for (int n = 0; n <= 4; ++n) {
        pictures.push_back({QStringLiteral("jelolesek\\tivadar_%1.png").arg(n), Hat(n)});
        pictures.push_back({QStringLiteral("jelolesek\\virag_%1.png").arg(n), Flowers(n)});
    }
    for (int n = 1; n <= 10; ++n)
        pictures.push_back({QStringLiteral("jelolesek\\JelAgyuzasForm_a%1.png").arg(n), CannonArt::Cannon(n)});
    return pictures;
}

} // namespace SelectionMedia
