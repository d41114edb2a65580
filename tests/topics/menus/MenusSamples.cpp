#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/menus/MenuAlMenuMForm.h"
#include "topics/menus/MenuAlmenu2MForm.h"
#include "topics/menus/MenuAsztalkaMForm.h"
#include "topics/menus/MenuKedvencMForm.h"
#include "topics/menus/MenuMenuMForm.h"
#include "topics/menus/MenuMondatMForm.h"
#include "topics/menus/MenuPopUp2MForm.h"
#include "topics/menus/MenuPopUpMForm.h"
#include "topics/menus/MenuTornaMForm.h"
#include "topics/menus/MenusRoad.h"
#include "topics/menus/SentenceGame.h"

namespace PageSamples {

// The menus road: eight lessons, the sentence game first and as a replay, its evaluation and the
// closing text.
std::vector<TPageSample> Menus()
{
    const QString result = QStringLiteral("ERTEKEL");
    return {
        Sample<TMenuMenuMForm>(QStringLiteral("MenuMenuMForm")),
        Sample<TMenuKedvencMForm>(QStringLiteral("MenuKedvencMForm")),
        Sample<TMenuAsztalkaMForm>(QStringLiteral("MenuAsztalkaMForm")),
        Sample<TMenuTornaMForm>(QStringLiteral("MenuTornaMForm")),
        Sample<TMenuAlMenuMForm>(QStringLiteral("MenuAlMenuMForm")),
        Sample<TMenuAlmenu2MForm>(QStringLiteral("MenuAlmenu2MForm")),
        Sample<TMenuPopUpMForm>(QStringLiteral("MenuPopUpMForm")),
        Sample<TMenuPopUp2MForm>(QStringLiteral("MenuPopUp2MForm")),
        Sample<TMenuMondatMForm>(QStringLiteral("MenuMondatMForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_MENUMONDATMFORM"), result,
                           SentenceGame::ResultText(QStringLiteral("Anna"), QStringLiteral("00:52"), 52, 2)),
        Sample<TMenuMondatMForm>(QStringLiteral("MenuMondatMForm_MENU_GAME_ROUND"), QStringLiteral("MENU_GAME_ROUND"),
                                 QStringLiteral("OK")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_FINITO"), result, MenusRoad::ClosingText()),
    };
}

} // namespace PageSamples
