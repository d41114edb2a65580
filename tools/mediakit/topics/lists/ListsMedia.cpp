// The lists topic's pictures and clips: eight page backgrounds (the birthday page shares the
// food page's), the Ctrl keyboard, the reflex game's title and four guide clips.

#include "ListsClipsArt.h"
#include "ListsPicturesArt.h"
#include "ListsScreensArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer lists("lists", [](TMediaKit& kit) {
    using namespace ListsScreensArt;
    kit.WritePicture("Lista\\ListMindenkiForm.jpg", NamesScreen(), 92);
    kit.WritePicture("Lista\\ListKajakForm.jpg", FoodScreen(), 92);
    kit.WritePicture("Lista\\ListTVForm.jpg", TvScreen(), 92);
    kit.WritePicture("Lista\\ListMertekCsopForm.jpg", UnitsScreen(), 92);
    kit.WritePicture("Lista\\List_LY_J_Form.jpg", BirdsScreen(), 92);
    kit.WritePicture("Lista\\ListComboForm.jpg", ComboScreen(), 92);
    kit.WritePicture("Lista\\ListReflexJatekForm.jpg", ReflexScreen(), 92);
    kit.WritePicture("Lista\\ListEditableLBForm.jpg", EditableScreen(), 92);
    kit.WritePicture("Lista\\List_LY_J_Form_billentyuzet.png", ListsPicturesArt::CtrlKeyboard());
    kit.WritePicture("\\START.png", ListsPicturesArt::StartTitle());

    using namespace ListsClipsArt;
    kit.WriteClip("Lista\\ListKajakForm.avi", FoodClip(), Rate);
    kit.WriteClip("Lista\\ListSzulinapForm.avi", BirthdayClip(), Rate);
    kit.WriteClip("Lista\\List_LY_J_Form.avi", BirdsClip(), Rate);
    kit.WriteClip("Lista\\ListComboForm.avi", ComboClip(), Rate);
});

} // namespace
