#include "SelectionRatings.h"

namespace SelectionRatings {

namespace {
const QString Closing = QStringLiteral("Ha elolvastad, akkor nyomd meg az L billentyűt!");
} // namespace

QString RadioScore(int right)
{
    if (right <= 1)
        return QStringLiteral("Még gyakorolnod kell!");
    if (right <= 3)
        return QStringLiteral("Legközelebb koncentrálj egy picit erősebben!");
    if (right == 4)
        return QStringLiteral("Egész jó, több mint a fele megvolt!");
    if (right == 5)
        return QStringLiteral("Óriási, csak egyet hibáztál!");
    return QStringLiteral("Hibátlan, jó megfigyelő vagy!");
}

QString CheckBoxScore(int right)
{
    if (right <= 3)
        return QStringLiteral("Ahhoz, hogy nyomozó lehess, még gyakorolnod kell!");
    if (right <= 5)
        return QStringLiteral("Legközelebb koncentrálj egy picit erősebben!");
    if (right <= 7)
        return QStringLiteral("Több, mint fele megvolt! Egész jó!");
    if (right <= 9)
        return QStringLiteral("Óriási, nagyon jó megfigyelő vagy!");
    return QStringLiteral("Hibátlan, fantasztikusan jó megfigyelő vagy!");
}

QString HelpWord(int helps)
{
    if (helps <= 0)
        return QStringLiteral("Ez igen, nem kellett segítség!");
    if (helps <= 2)
        return QStringLiteral("Egy pici súgás nem számít!");
    if (helps <= 5)
        return QStringLiteral("Ennyi segítség még belefér!");
    if (helps <= 8)
        return QStringLiteral("Alakul, később már ennyi segítség sem kell!");
    return QStringLiteral("Legközelebb próbáld kevesebb segítséggel!");
}

QString QuizText(const QString& name, int questions, int right, const QString& score, int helps)
{
    return QStringLiteral("Feladat: Memória teszt<BR>Név: ") + name + QStringLiteral("<BR>Teljesítmény: ")
           + QString::number(questions) + QStringLiteral(" / ") + QString::number(right)
           + QStringLiteral(" <BR>Értékelés: ") + score + QStringLiteral("<BR>Igénybevett segítség: ")
           + QString::number(helps) + QStringLiteral("<BR>Értékelés: ") + HelpWord(helps)
           + QStringLiteral("<BR><BR>") + Closing;
}

QString CannonWord(int hits)
{
    if (hits >= 10)
        return QStringLiteral("Egy tüzérezredes sem csinálta volna jobban!");
    if (hits >= 8)
        return QStringLiteral("Már majdnem tökéletes!");
    if (hits >= 4)
        return QStringLiteral("Célozz kicsit pontosabban!");
    return QStringLiteral("Így bizony nem leszel tüzértiszt, gyakorolj!");
}

QString CannonText(const QString& name, int hits)
{
    return QStringLiteral("Feladat: Tüzérségi gyakorlat<BR>Név: ") + name
           + QStringLiteral("<BR>Találataid száma 10 lövésből : ") + QString::number(hits)
           + QStringLiteral(" <BR>Értékelés: ") + CannonWord(hits) + QStringLiteral("<BR><BR>") + Closing;
}

} // namespace SelectionRatings
