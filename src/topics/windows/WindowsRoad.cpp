#include "WindowsRoad.h"

namespace WindowsRoad {

TAction Next(const QString& pageName)
{
    struct TRow {
        const char* page;
        TPage next;
    };
    static const TRow rows[] = {
        {"WNDINTROFORM", TPage::Kezel},    {"WNDKEZELFORM", TPage::Meret},  {"WNDMERETFORM", TPage::Munkater},
        {"WNDMUNKATERFORM", TPage::Masol}, {"WNDMASOLFORM", TPage::Ertekeles},
    };
    for (const TRow& row : rows) {
        if (pageName != QLatin1String(row.page))
            continue;
        TAction action = RoadTo(row.next);
        action.closing = row.next == TPage::Ertekeles;
        return action;
    }
    if (pageName == QLatin1String("ERTEKELES"))
        return RoadHome<TPage>();
    return {};
}

QString ClosingText()
{
    return QStringLiteral("Befejezted az Ablakokról szóló fejezetet. Ne feledd, minden program ablakban fut, "
                          "amiket például át lehet méretezni vagy le lehet tenni a tálcára! <BR>További jó munkát!");
}

} // namespace WindowsRoad
