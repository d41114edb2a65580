#include "ReflexRules.h"

#include "platform/RandomSource.h"

#include <algorithm>

namespace ReflexRules {

QList<int> DrawWords(int wordCount, IRandomSource& random)
{
    QList<int> drawn;
    while (drawn.size() < ListSize) {
        int number = random.Random(wordCount) + 1;
        for (int redraw = 0; drawn.contains(number) && redraw < MaxRedraws; ++redraw)
            number = random.Random(wordCount) + 1;
        // A source stuck on taken numbers (a test's fixed sequence) must not hang the course.
        while (drawn.contains(number))
            number = number % wordCount + 1;
        drawn << number;
    }
    return drawn;
}

QList<int> Targets(int step, int p)
{
    if (step <= 4)
        return {p};
    if (step <= 7) {
        const int middle = std::clamp(p, 2, 9);
        return {middle - 1, middle, middle + 1};
    }
    const int middle = p <= 2 ? 3 : p == 9 ? 7 : p == 10 ? 8 : p;
    return {middle - 2, middle, middle + 2};
}

bool RightMove(int step, const QString& current, const QStringList& selected, const QStringList& targets)
{
    if (step <= 4)
        return !targets.isEmpty() && current == targets.first();
    if (selected.size() != 3)
        return false;
    return std::all_of(selected.begin(), selected.end(),
                       [&targets](const QString& word) { return targets.contains(word); });
}

QString TimeWord(int seconds)
{
    if (seconds <= 60)
        return QStringLiteral("Fantasztikus, géppuska kezed van!");
    if (seconds <= 80)
        return QStringLiteral("Óriási, nagyon jól bánsz az egérrel!");
    if (seconds <= 120)
        return QStringLiteral("Egészen jó, ügyesen mozgatod a kurzort!");
    if (seconds <= 150)
        return QStringLiteral("Ez nem volt túl gyors, de még elfogadható!");
    return QStringLiteral("Ez nagyon lassú volt. Egy kicsit szedd össze magad!");
}

QString ErrorWord(int errors)
{
    switch (errors) {
    case 0: return QStringLiteral("Hibátlan, nagyon ügyes vagy!");
    case 1: return QStringLiteral("Egy-két hiba nem számít, jól dolgoztál!");
    case 2: return QStringLiteral("Néha nem a megfelelő szavakat húztad át. Erre ügyelj legközelebb!");
    case 3: return QStringLiteral("Vigyázz, mert sokszor nem a megfelelő szavakat húztad át!");
    default: return QStringLiteral("Nemcsak az idő számít. Figyelj jobban legközelebb!");
    }
}

QString EvaluationText(const QString& name, const QString& clock, int seconds, int errors)
{
    return QStringLiteral("Feladat: Szóáthúzás<BR>Név: ") + name + QStringLiteral("<BR>Idő: ") + clock
           + QStringLiteral("<BR>Értékelés: ") + TimeWord(seconds) + QStringLiteral("<BR>Hibaszám: ")
           + QString::number(errors) + QStringLiteral(" <BR>Értékelés: ") + ErrorWord(errors)
           + QStringLiteral("<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

} // namespace ReflexRules
