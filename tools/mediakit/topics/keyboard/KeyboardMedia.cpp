// The keyboard topic's pictures and clips: the practice page's keyboard and hands, the letter
// hunt, typing, evaluation and info backgrounds, the advice pictures and two clips of Kábel Ödön.

#include "KeyboardArt.h"
#include "KeyboardInfoArt.h"
#include "KeyboardPagesArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer keyboard("keyboard", [](TMediaKit& kit) {
    kit.WritePicture("billentyuzet.jpg", KeyboardArt::KeyboardScreen(), 92);
    kit.WritePicture("05_Bal_Kez.png", KeyboardArt::LeftHand());
    kit.WritePicture("05_Jobb_Kez.png", KeyboardArt::RightHand());
    kit.WritePicture("betuvadaszat.jpg", KeyboardPagesArt::LetterHuntScreen(), 92);
    kit.WritePicture("szogepeles.jpg", KeyboardPagesArt::TypingScreen(), 92);
    kit.WritePicture("ertekeles.jpg", KeyboardPagesArt::EvaluationScreen(), 92);
    kit.WritePicture("BillInfo.jpg", KeyboardPagesArt::InfoScreen(), 92);
    kit.WritePicture("BillInfo_kezes.png", KeyboardInfoArt::DirtyHandsPicture());
    kit.WritePicture("BillInfo_kajas.png", KeyboardInfoArt::FoodPicture());
    kit.WritePicture("BillInfo_pias.png", KeyboardInfoArt::DrinkPicture());
    kit.WritePicture("BillInfo_tilt.png", KeyboardInfoArt::ProhibitionSign());
    kit.WriteClip("kabel_odon_bizivel.avi", KeyboardInfoArt::ThumbsUpFrames(), KeyboardInfoArt::ThumbsUpRate);
    kit.WriteClip("tilos_utes.avi", KeyboardInfoArt::NoHittingFrames(), KeyboardInfoArt::NoHittingRate);
});

} // namespace
