// The windows topic's pictures and clip: the desktop, the guides shown in the practice windows,
// the icons the learner moves between two windows, the information sign and Nóra waving.

#include "WindowsDesktopArt.h"
#include "WindowsGuidesArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer windows("windows", [](TMediaKit& kit) {
    using namespace WindowsGuidesArt;
    kit.WritePicture("ablakok\\windows.jpg", WindowsDesktopArt::Desktop(), 92);
    kit.WritePicture("ablakok\\wnd_v_sz_k.png", NoraWelcome());
    kit.WritePicture("ablakok\\wnd_v_f_m.png", NoraPointingUp());
    kit.WritePicture("ablakok\\wnd_v_gugol.png", NoraCrouching());
    kit.WritePicture("ablakok\\wnd_v.png", Nora());
    kit.WritePicture("ablakok\\wnd_v_ok.png", NoraOk());
    kit.WritePicture("ablakok\\tivadar.png", Tivadar());
    const std::pair<const char*, TCastMember> icons[] = {
        {"ablakok\\tivadar_ico.png", TCastMember::Tivadar}, {"ablakok\\nora_ico.png", TCastMember::Nora},
        {"ablakok\\tarolka_ico.png", TCastMember::Tarolka}, {"ablakok\\odon_ico.png", TCastMember::Odon},
        {"ablakok\\nyilacska_ico.png", TCastMember::Nyilacska}, {"ablakok\\lemezke_ico.png", TCastMember::Lemezke},
    };
    for (const auto& [name, who] : icons)
        kit.WritePicture(name, Icon(who));
    kit.WritePicture("img_info.png", InfoIcon());
    kit.WriteClip("ablakok\\Nora_integet.avi", NoraWaving(), ClipRate);
});

} // namespace
