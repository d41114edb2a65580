#include "MouseResults.h"

#include "framework/MediaAccess.h"

#include <algorithm>

namespace MouseResults {

namespace {
const QString NextLevelLine = QStringLiteral("Ha elolvastad, akkor az L billentyűvel kezdődik a következő fokozat.");
const QString LastLine = QStringLiteral("Ha elolvastad, akkor nyomd meg az L billentyűt!");
constexpr int LongestSeconds = 255 * 60 + 59;
} // namespace

QString LevelName(int level)
{
    static const QString names[] = {QStringLiteral("lassú"), QStringLiteral("normál"), QStringLiteral("fürge"),
                                    QStringLiteral("gyors"), QStringLiteral("villám")};
    return names[std::clamp(level, 1, 5) - 1];
}

QString LevelLine(int level)
{
    return QStringLiteral("Fokozat: ") + LevelName(level);
}

QString ButterflyRating(int caught)
{
    if (caught <= 0)
        return QStringLiteral("Ne gyönyörködj a lepkékben, hanem klikkelj rájuk!");
    if (caught <= 2)
        return QStringLiteral("Gyakorolnod kell, mert így csak a karod fárad el!");
    if (caught <= 4)
        return QStringLiteral("Próbálj jobban célozni!");
    if (caught <= 6)
        return QStringLiteral("Körülbelül a felét eltaláltad. Lesz ez jobb is!");
    if (caught <= 8)
        return QStringLiteral("Alakul a célzókád, egész ügyesen bánsz az egérrel!");
    if (caught == 9)
        return QStringLiteral("Óriási, csak egy szökött meg!");
    return QStringLiteral("Fantasztikus, igazi lepkevadász vagy!");
}

QString ButterflyResult(int level, const QString& name, int caught)
{
    return QStringLiteral("Feladat: Lepkevadászat<BR>") + LevelLine(level) + QStringLiteral("<BR>Név: ") +
           name + QStringLiteral("<BR>Teljesítmény: 10 / ") + QString::number(caught) +
           QStringLiteral("<BR>Értékelés:") + ButterflyRating(caught) + QStringLiteral("<BR><BR>") + LastLine;
}

QString HuntHitRating(int hits)
{
    if (hits <= 2)
        return QStringLiteral("Sokkal pontosabban célozz!");
    if (hits <= 4)
        return QStringLiteral("Próbálj pontosabban kattintani!");
    if (hits == 5)
        return QStringLiteral("Fele-fele, ennél jobbat is tudsz!");
    if (hits == 6)
        return QStringLiteral("Jó, bár még érezhető egy kis bizonytalanság!");
    if (hits <= 8)
        return QStringLiteral("Alakul a célzókád, egész ügyesen bánsz az egérrel!");
    if (hits == 9)
        return QStringLiteral("Óriási, csak egy szökött meg! Legközelebb az is meg lesz!");
    return QStringLiteral("Fantasztikus, profi vagy!");
}

QString HuntMissRating(int misses)
{
    if (misses <= 0)
        return QStringLiteral("Ez igen! Nem kattintottál mellé!");
    if (misses == 1)
        return QStringLiteral("Szuper, csak egy mellékattintásod volt!");
    if (misses == 2)
        return QStringLiteral("Egész jó! Ismered a bal és jobb egérgombot!");
    if (misses == 3)
        return QStringLiteral("3 mellékattintás nem rossz, de jobb is lehetnél!");
    if (misses <= 5)
        return QStringLiteral("Figyelj jobban a mellékattintásokra!");
    if (misses <= 7)
        return QStringLiteral("Sokat kattintasz mellé, ezen javíts!");
    if (misses <= 9)
        return QStringLiteral("Hűha, kevered a bal- és a jobbgombot!");
    return QStringLiteral("10-ből 10 mellé, ugye csak szórakozol!?");
}

QString HuntResult(int level, const QString& name, int hits, int misses)
{
    const bool last = hits >= 10 && level >= 5;
    return QStringLiteral("Feladat: Jobbra vagy balra<BR>") + LevelLine(level) + QStringLiteral("<BR>Név: ") +
           name + QStringLiteral("<BR>Találatok: 10/") + QString::number(hits) + QStringLiteral("<BR>Értékelés: ") +
           HuntHitRating(hits) + QStringLiteral("<BR>Mellékattintások: ") + QString::number(misses) +
           QStringLiteral("<BR>Értékelés: ") + HuntMissRating(misses) + QStringLiteral("<BR><BR>") +
           (last ? LastLine : NextLevelLine);
}

QString BalloonRating(int popped)
{
    static const QString ratings[] = {
        QStringLiteral("Látom, annyira szereted a lufikat, hogy egyet sem bántottál!"),
        QStringLiteral("No, azért a becsületlufi megvan!"),
        QStringLiteral("Ez kicsit kevés!"),
        QStringLiteral("Fele-fele, egyik szemem sír, a másik nevet!"),
        QStringLiteral("Kettő párocska elszökött!"),
        QStringLiteral("Egynek csak sikerült elrepülnie!"),
        QStringLiteral("Ez igen! Jó a technikád!"),
    };
    return ratings[std::clamp(popped, 0, 6)];
}

QString BalloonResult(int level, const QString& name, int popped)
{
    QString closing;
    if (popped < 6)
        closing = QStringLiteral("Na még egyszer indulj neki, most biztos sikerül...<BR>Ha elolvastad, akkor az L "
                                 "billentyűvel újrajátszhatod a kört!");
    else
        closing = level >= 5 ? LastLine : NextLevelLine;
    return QStringLiteral("Feladat: Lufilövöldözés<BR>") + LevelLine(level) + QStringLiteral("<BR>Név: ") +
           name + QStringLiteral("<BR>Teljesítmény: 6/") + QString::number(popped) +
           QStringLiteral("<BR>Értékelés: ") + BalloonRating(popped) + QStringLiteral("<BR><BR>") + closing;
}

QString TimeText(int milliseconds)
{
    const TSplitTime time = SplitSeconds(std::clamp(milliseconds / 1000, 0, LongestSeconds));
    return QString::number(time.minutes) + QLatin1Char(':') + QString::number(time.seconds);
}

QString BasketRating(int milliseconds)
{
    const int seconds = milliseconds / 1000;
    if (seconds <= 15)
        return QStringLiteral("Vérbeli kosaras és egeres vagy!");
    if (seconds <= 20)
        return QStringLiteral("Bravó, te aztán ügyes vagy, nagyon gyors a kezed!");
    if (seconds <= 26)
        return QStringLiteral("Talán kosarazol, hogy ilyen jól megy?!");
    if (seconds <= 34)
        return QStringLiteral("Ez már alakul.");
    if (seconds <= 42)
        return QStringLiteral("Próbáld gyorsabban!");
    if (seconds <= 49)
        return QStringLiteral("Legyél igazi kosaras!");
    return QStringLiteral("Biztosan laposak voltak a lasztik, pörögj fel!");
}

QString BasketResult(const QString& name, const QString& recordText, int milliseconds)
{
    return QStringLiteral("Feladat: Kosárlabda<BR>Név: ") + name + QStringLiteral("<BR>Legjobb idő: ") + recordText +
           QStringLiteral("<BR>Játék idő: ") + TimeText(milliseconds) + QStringLiteral("<BR>Értékelés: ") +
           BasketRating(milliseconds) + QStringLiteral("<BR><BR>") + NextLevelLine;
}

} // namespace MouseResults
