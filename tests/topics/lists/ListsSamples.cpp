#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/lists/ListComboForm.h"
#include "topics/lists/ListEditableLBForm.h"
#include "topics/lists/ListKajakForm.h"
#include "topics/lists/ListMertekCsopForm.h"
#include "topics/lists/ListMindenkiForm.h"
#include "topics/lists/ListReflexJatekForm.h"
#include "topics/lists/ListSzulinapForm.h"
#include "topics/lists/ListTVForm.h"
#include "topics/lists/List_LY_J_Form.h"
#include "topics/lists/ListsRoad.h"
#include "topics/lists/ReflexRules.h"

namespace PageSamples {

// The list box road's pages in their order: the birds page in both passes, the reflex game's
// evaluation and the closing text.
std::vector<TPageSample> Lists()
{
    const QString result = QStringLiteral("ERTEKEL");
    const QString birds = QStringLiteral("List_LY_J_Form");
    return {
        Sample<TListMindenkiForm>(QStringLiteral("ListMindenkiForm")),
        Sample<TListKajakForm>(QStringLiteral("ListKajakForm")),
        Sample<TListSzulinapForm>(QStringLiteral("ListSzulinapForm")),
        Sample<TListTVForm>(QStringLiteral("ListTVForm")),
        Sample<TListMertekCsopForm>(QStringLiteral("ListMertekCsopForm")),
        Step<TList_LY_J_Form>(birds, ListsRoad::Shift),
        Step<TList_LY_J_Form>(birds, ListsRoad::Ctrl),
        Sample<TListReflexJatekForm>(QStringLiteral("ListReflexJatekForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_REFLEXJATEK"), result,
                           ReflexRules::EvaluationText(QStringLiteral("Anna"), QStringLiteral("01:05"), 65, 1)),
        Sample<TListEditableLBForm>(QStringLiteral("ListEditableLBForm")),
        Sample<TListComboForm>(QStringLiteral("ListComboForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_FINITO"), result, ListsRoad::ClosingText()),
    };
}

} // namespace PageSamples
