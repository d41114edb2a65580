#include "TableRequests.h"

namespace TableRequests {

const TRequest& At(int index)
{
    static const TRequest requests[Count] = {
        {"Narancslét szeretnék inni!", 23, true},
        {"Puncsos sütit kívánok!", 33, true},
        {"Mégsem iszom narancslét.", 23, false},
        {"Egy vaníliás csoki jól esne!", 13, true},
        {"Az a torta finom. Megkóstolnám!", 31, true},
        {"A puncsos süti már nem kell!", 33, false},
        {"Mégiscsak szomjazom a narancslére!", 23, true},
        {"A vaníliás csokit már unom. Tüntesd el!", 13, false},
        {"A vaníliás csoki helyett mogyorósat kérek!", 12, true},
        {"A tortából már degeszre ettem magam. Vidd el!", 31, false},
    };
    return requests[index];
}

} // namespace TableRequests
