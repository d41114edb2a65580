#include "SummaryHuntResult.h"

#include "topics/keyboard/KeyboardResults.h"

namespace SummaryHuntResult {

QString SpeedRating(int hits)
{
    if (hits <= 8)
        return QStringLiteral("Igyekezz egy kicsit, ez így nagyon lassú!");
    if (hits <= 15)
        return QStringLiteral("Lehetnél egy kicsit gyorsabb!");
    if (hits <= 20)
        return QStringLiteral("Egész ügyes voltál!");
    if (hits <= 25)
        return QStringLiteral("Nagyon jó az eredményed!");
    if (hits <= 30)
        return QStringLiteral("Szuper az eredményed!");
    return QStringLiteral("Ez bizony fantasztikus eredmény!");
}

QString ErrorRating(int errors)
{
    if (errors <= 0)
        return QStringLiteral("Hibátlanul dolgoztál!");
    if (errors <= 5)
        return QStringLiteral("Egy-két hiba még nem veszélyes.");
    if (errors <= 10)
        return QStringLiteral("Figyelmesebben gépelj!");
    return QStringLiteral("Bizony, ezt még gyakorolnod kell!");
}

QString Text(const QString& name, int hits, int errors)
{
    return QStringLiteral("Témakör: Összefoglalás<BR>Feladat: Betűvadászat<BR><BR>Név: ") + name
        + QStringLiteral("<BR>Helyesen leütött betűk: ") + QString::number(hits) + QStringLiteral("<BR>Értékelés: ")
        + SpeedRating(hits) + QStringLiteral("<BR><BR>Rosszul leütött betűk: ") + QString::number(errors)
        + QStringLiteral("<BR>Értékelés: ") + ErrorRating(errors) + QStringLiteral("<BR>") + KeyboardResults::ReadHint;
}

} // namespace SummaryHuntResult
