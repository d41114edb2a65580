#include "ProgramsRoad.h"

namespace ProgramsRoad {

TAction Next(const QString& pageName, const QString& stepReady)
{
    if (pageName == QLatin1String("PRGKEZELFORM")) {
        TAction action = RoadTo(TPage::Ertekeles, Finito);
        action.closing = true;
        return action;
    }
    if (pageName == QLatin1String("ERTEKELES") && stepReady == Finito)
        return RoadHome<TPage>();
    return {};
}

QString ClosingText()
{
    return QStringLiteral("Gratulálok! Most már mindent megtanultál ahhoz, hogy elkezdhesd a gépen a komoly munkát. "
                          "Használj bátran mindent, amit megtanultál!<BR>Jó munkát kívánok!<BR>");
}

} // namespace ProgramsRoad
