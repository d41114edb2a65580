#include "MouseLessonsMedia.h"

#include "MouseLessonsClipsArt.h"
#include "MouseLessonsColouringArt.h"
#include "MouseLessonsDragArt.h"
#include "MouseLessonsInfoArt.h"
#include "MouseLessonsIntroArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace MouseLessonsMedia {

namespace {

const TMediaProducer mouseLessons("mouse-lessons", [](TMediaKit& kit) {
    for (const TNamedPicture& picture : Pictures())
        kit.WritePicture(picture.name, picture.image, 92);
    using namespace MouseLessonsClipsArt;
    kit.WriteClip("04_kattintas_fogalma.avi", ClickClip(), Rate);
    kit.WriteClip("egerezes\\EgerDragDropForm_dd.avi", DragClip(), Rate);
});

} // namespace

std::vector<TNamedPicture> Pictures()
{
    using namespace MouseLessonsIntroArt;
    using namespace MouseLessonsDragArt;
    using namespace MouseLessonsColouringArt;
    using namespace MouseLessonsInfoArt;
    using MouseLessonsDevicesArt::THold;
    return {
        {"egerezes\\EgerekForm.jpg", MiceScreen()},
        {"egerezes\\EgerTipusForm.jpg", KindsScreen()},
        {"egerezes\\EgerKurzorForm.jpg", CursorScreen()},
        {"egerezes\\EgerKattInfoForm.jpg", ClickScreen()},
        {"14_egerezes_kisebb_kurzorok.jpg", HeadsScreen()},
        {"egerezes\\EgerKattInfoForm_jobbkatt.png", HandPicture(THold::Right)},
        {"egerezes\\EgerKattInfoForm_helyes.png", HandPicture(THold::Left)},
        {"egerezes\\EgerKattInfoForm_helytelen.png", HandPicture(THold::Wrong)},
        {"norafejkatt.png", NoraHead()},
        {"egerezes\\EgerDragDropForm.jpg", ExplanationScreen()},
        {"egerezes\\EgerDragDropForm_nyilacska.png", ExplainingNyilacska()},
        {"egerezes\\EgerAHazbaBeForm.jpg", HouseScreen()},
        {"egerezes\\EgerAHazbaBeForm_nyilacska.png", WavingNyilacska()},
        {"egerezes\\EgerSzinezoInfoForm.jpg", ChoiceScreen()},
        {"egerezes\\EgerNoraSzinezForm.jpg", DressScreen()},
        {"egerezes\\EgerNoraSzinezForm_2.jpg", CarScreen()},
        {"egerezes\\EgerNoraSzinezForm_polo_alap.png", Base(TGarment::Shirt)},
        {"egerezes\\EgerNoraSzinezForm_polo_alfa.png", Shading(TGarment::Shirt)},
        {"egerezes\\EgerNoraSzinezForm_szoknya_alap.png", Base(TGarment::Skirt)},
        {"egerezes\\EgerNoraSzinezForm_szoknya_alfa.png", Shading(TGarment::Skirt)},
        {"egerezes\\EgerNoraSzinezForm_auto_alap.png", Base(TGarment::Car)},
        {"egerezes\\EgerNoraSzinezForm_auto_alfa.png", Shading(TGarment::Car)},
        {"egerezes\\EgerSzabalyokForm.jpg", RulesScreen()},
        {"egerezes\\EgerEgerfajtakForm.jpg", KindsOfMiceScreen()},
        {"egerezes\\EgerJatekvalasztasForm.jpg", ChooserScreen()},
    };
}

} // namespace MouseLessonsMedia
