#include "MenuSearch.h"

#include "framework/MenuItem.h"
#include "platform/HungarianText.h"

namespace MenuSearch {

namespace {
const QString Separator = QStringLiteral(" \\ ");
} // namespace

const QStringList& Targets()
{
    static const QStringList targets = {
        QStringLiteral("Nézet \\ Lista \\ Fekete Péter"),
        QStringLiteral("Beszúrás \\ Dátum \\ Fekete Péter"),
        QStringLiteral("Fájl \\ Mentés \\ Fekete Péter"),
        QStringLiteral("Formátum \\ Szegély \\ Fekete Péter"),
        QStringLiteral("Szerkesztés \\ Másolás \\ Fekete Péter"),
        QStringLiteral("Súgó \\ Frissítés \\ Fekete Péter"),
        QStringLiteral("Nézet \\ Mozaik \\ Fekete Péter"),
        QStringLiteral("Fájl \\ Új \\ Fekete Péter"),
        QStringLiteral("Formátum \\ Bekezdés \\ Fekete Péter"),
        QStringLiteral("Beszúrás \\ Szöveg \\ Fekete Péter"),
    };
    return targets;
}

QString PathOf(const TMenuItem& item)
{
    return item.Path().join(Separator);
}

bool SamePath(const QString& a, const QString& b)
{
    return HungarianText::Upper(a) == HungarianText::Upper(b);
}

QString TimeRating(int seconds)
{
    if (seconds <= 20)
        return QStringLiteral("Fantasztikusan gyors vagy!");
    if (seconds <= 30)
        return QStringLiteral("Ez igen, ez már gyorsaság!");
    if (seconds <= 40)
        return QStringLiteral("Klassz!");
    if (seconds <= 60)
        return QStringLiteral("Látom, jól boldogulsz a menükkel. Próbáld gyorsabban!");
    return QStringLiteral("Tartsd lazán az egeret, és próbáld gyorsabban mozgatni!");
}

QString ErrorRating(int errors)
{
    if (errors <= 0)
        return QStringLiteral("Hibátlan!");
    if (errors <= 2)
        return QStringLiteral("Egy-két hiba becsúszott, legközelebb hibátlan lesz!");
    if (errors <= 5)
        return QStringLiteral("Egész jó! Próbálj pontosabban kattintani!");
    if (errors <= 9)
        return QStringLiteral("Nemcsak az számít, hogy milyen gyors vagy, hanem a pontosság is!");
    return QStringLiteral("Bizony, ezt még gyakorolnod kell!");
}

QString ResultText(const QString& name, const QString& clock, int seconds, int errors)
{
    return QStringLiteral("Feladat: Összefoglalás - menük <BR>Név: ") + name + QStringLiteral("<BR>Idő: ") + clock
           + QStringLiteral("<BR>Értékelés: ") + TimeRating(seconds) + QStringLiteral("<BR>Hibaszám: ")
           + QString::number(errors) + QStringLiteral(" <BR>Értékelés: ") + ErrorRating(errors)
           + QStringLiteral("<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

} // namespace MenuSearch
