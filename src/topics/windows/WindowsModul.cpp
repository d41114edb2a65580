#include "WindowsModul.h"

#include "WindowsRoad.h"
#include "WndIntroForm.h"
#include "WndKezelForm.h"
#include "WndMasolForm.h"
#include "WndMeretForm.h"
#include "WndMunkaterForm.h"
#include "framework/Ertekeles.h"

void TWindowsModul::StartModule()
{
    SwitchToPage<TWndIntroForm>();
}

void TWindowsModul::Decide()
{
    TakeStepReady(); // no page of the topic writes it; a stray one is dropped
    using namespace WindowsRoad;
    const TAction action = Next(CurrentPageName());
    if (!FollowRoad(action.move, action, NoSelectedForm, ClosingText))
        return;
    switch (action.page) {
    case TPage::Intro: SwitchToPage<TWndIntroForm>(); break;
    case TPage::Kezel: SwitchToPage<TWndKezelForm>(); break;
    case TPage::Meret: SwitchToPage<TWndMeretForm>(); break;
    case TPage::Munkater: SwitchToPage<TWndMunkaterForm>(); break;
    case TPage::Masol: SwitchToPage<TWndMasolForm>(); break;
    case TPage::Ertekeles: SwitchToPage<TErtekeles>(); break;
    case TPage::None: break;
    }
}
