#include "KeyboardResults.h"

#include "framework/MediaAccess.h"

#include <algorithm>

namespace KeyboardResults {

QString ErrorRating(int errors)
{
    if (errors <= 0)
        return QStringLiteral("Szuper, hibátlanul dolgoztál!");
    if (errors <= 2)
        return QStringLiteral("Egy-két hiba még nem veszélyes.");
    if (errors <= 5)
        return QStringLiteral("Figyelmesebben gépelj!");
    return QStringLiteral("Bizony, ezt még gyakorolnod kell!");
}

QString TimeRating(int seconds)
{
    if (seconds <= 10)
        return QStringLiteral("Hűha, villámgyors a kezed!");
    if (seconds <= 20)
        return QStringLiteral("Szuper jó az időeredményed!");
    if (seconds <= 30)
        return QStringLiteral("Nagyon jó az időeredményed!");
    if (seconds <= 59)
        return QStringLiteral("Elfogadható az időeredményed!");
    if (seconds <= 90)
        return QStringLiteral("Ez még éppen elfogadható időeredmény!");
    return QStringLiteral("Igyekezz egy kicsit, mert ez így nagyon lassú!");
}

QString Performance(int errors)
{
    return QStringLiteral("10/") + QString::number(std::max(0, 10 - errors));
}

namespace {
QString HuntTaskLine(const QString& step)
{
    if (step == QLatin1String("R1"))
        return QStringLiteral("Feladat: Első betűvadászat<BR><BR>");
    if (step == QLatin1String("R2"))
        return QStringLiteral("Feladat: Második betűvadászat<BR><BR>");
    if (step == QLatin1String("R3"))
        return QStringLiteral("Feladat: Harmadik betűvadászat<BR><BR>");
    return QString();
}
} // namespace

QString HuntResult(const QString& step, const QString& name, const QString& grade, int errors, int seconds)
{
    return QStringLiteral("Témakör: Billentyűzet<BR>") + HuntTaskLine(step) + QStringLiteral("Név: ") + name
        + QStringLiteral("<BR>") + QStringLiteral("Évfolyam: ") + grade + QStringLiteral("<BR>")
        + QStringLiteral("Teljesítmény: ") + Performance(errors) + QStringLiteral("<BR>") + QStringLiteral("Értékelés: ")
        + ErrorRating(errors) + QStringLiteral("<BR>") + QStringLiteral("Idő: ") + FormatMinSec(seconds)
        + QStringLiteral("<BR>") + QStringLiteral("Értékelés: ") + TimeRating(seconds) + QStringLiteral("<BR><BR>")
        + ReadHint;
}

QString WordsResult(const QString& name, const QString& grade, int wrongEntries)
{
    return QStringLiteral("Témakör: Billentyűzet<BR>Feladat: Szavak gépelése<BR><BR>Név: ") + name
        + QStringLiteral("<BR>") + QStringLiteral("Évfolyam: ") + grade + QStringLiteral("<BR>")
        + QStringLiteral("Teljesítmény: ") + Performance(wrongEntries) + QStringLiteral("<BR>")
        + QStringLiteral("Értékelés: ") + ErrorRating(wrongEntries) + QStringLiteral("<BR><BR>") + ReadHint;
}

} // namespace KeyboardResults
