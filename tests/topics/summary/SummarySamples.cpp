#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/selection/JelAgyuzasForm.h"
#include "topics/summary/OsszeFoglBillForm.h"
#include "topics/summary/OsszeFoglEgerForm.h"
#include "topics/summary/OsszefoglBill2Form.h"
#include "topics/summary/OsszefoglGomb2Form.h"
#include "topics/summary/OsszefoglGombForm.h"
#include "topics/summary/OsszefoglJelolForm.h"
#include "topics/summary/OsszefoglListForm.h"
#include "topics/summary/OsszefoglMenuForm.h"
#include "topics/summary/OsszefoglPanel2Form.h"
#include "topics/summary/OsszefoglPanelForm.h"
#include "topics/summary/SummaryRoad.h"

namespace PageSamples {

// The summary road: every review page, the three games, the menu search and the closing words.
std::vector<TPageSample> Summary()
{
    return {
        Sample<TOsszeFoglBillForm>(QStringLiteral("OsszeFoglBillForm")),
        Sample<TOsszefoglBill2Form>(QStringLiteral("OsszefoglBill2Form")),
        Sample<TOsszefoglBill2Form>(QStringLiteral("OsszefoglBill2Form_2ND_ROUND"), QStringLiteral("2ND_ROUND"),
                                    QStringLiteral("2ND_Round")),
        Sample<TOsszeFoglEgerForm>(QStringLiteral("OsszeFoglEgerForm")),
        Sample<TEgerBasketBallForm>(QStringLiteral("EgerBasketBallForm_summary")),
        Sample<TOsszefoglGombForm>(QStringLiteral("OsszefoglGombForm")),
        Sample<TOsszefoglGomb2Form>(QStringLiteral("OsszefoglGomb2Form")),
        Sample<TOsszefoglJelolForm>(QStringLiteral("OsszefoglJelolForm")),
        Sample<TJelAgyuzasForm>(QStringLiteral("JelAgyuzasForm_summary")),
        Sample<TOsszefoglListForm>(QStringLiteral("OsszefoglListForm")),
        Sample<TOsszefoglPanelForm>(QStringLiteral("OsszefoglPanelForm")),
        Sample<TOsszefoglPanel2Form>(QStringLiteral("OsszefoglPanel2Form")),
        Sample<TOsszefoglMenuForm>(QStringLiteral("OsszefoglMenuForm")),
        Sample<TOsszefoglMenuForm>(QStringLiteral("OsszefoglMenuForm_MORETHENONE"), QStringLiteral("MORETHENONE"),
                                   QString()),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_FINITO"), QStringLiteral("ERTEKEL"), SummaryRoad::ClosingText()),
    };
}

} // namespace PageSamples
