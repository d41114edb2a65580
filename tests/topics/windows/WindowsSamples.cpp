#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/windows/WindowsRoad.h"
#include "topics/windows/WndIntroForm.h"
#include "topics/windows/WndKezelForm.h"
#include "topics/windows/WndMasolForm.h"
#include "topics/windows/WndMeretForm.h"
#include "topics/windows/WndMunkaterForm.h"

namespace PageSamples {

// The windows road: five pages and the closing text.
std::vector<TPageSample> Windows()
{
    return {
        Sample<TWndIntroForm>(QStringLiteral("WndIntroForm")),
        Sample<TWndKezelForm>(QStringLiteral("WndKezelForm")),
        Sample<TWndMeretForm>(QStringLiteral("WndMeretForm")),
        Sample<TWndMunkaterForm>(QStringLiteral("WndMunkaterForm")),
        Sample<TWndMasolForm>(QStringLiteral("WndMasolForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_ZARAS"), QStringLiteral("ERTEKEL"), WindowsRoad::ClosingText()),
    };
}

} // namespace PageSamples
