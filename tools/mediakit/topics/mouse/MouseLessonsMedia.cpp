#include "MouseLessonsMedia.h"

#include "MouseLessonsIntroArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace MouseLessonsMedia {

namespace {

const TMediaProducer mouseLessons("mouse-lessons", [](TMediaKit& kit) {
    for (const TNamedPicture& picture : Pictures())
        kit.WritePicture(picture.name, picture.image, 92);
});

} // namespace

std::vector<TNamedPicture> Pictures()
{
    using namespace MouseLessonsIntroArt;
    using MouseLessonsDevicesArt::THold;
    return {
        {"egerezes\\EgerekForm.jpg", MiceScreen()},
        {"egerezes\\EgerTipusForm.jpg", KindsScreen()},
        {"egerezes\\EgerKurzorForm.jpg", CursorScreen()},
        {"egerezes\\EgerKattInfoForm.jpg", ClickScreen()},
        {"egerezes\\14_egerezes_kisebb_kurzorok.jpg", HeadsScreen()},
        {"egerezes\\EgerKattInfoForm_jobbkatt.png", HandPicture(THold::Right)},
        {"egerezes\\EgerKattInfoForm_helyes.png", HandPicture(THold::Left)},
        {"egerezes\\EgerKattInfoForm_helytelen.png", HandPicture(THold::Wrong)},
        {"egerezes\\norafejkatt.png", NoraHead()},
    };
}

} // namespace MouseLessonsMedia
