#include "ExamAnswers.h"

#include "MemoryGame.h"
#include "platform/HungarianText.h"

#include <set>

namespace {
// Each of the wanted texts exactly once among exactly three items (`same` compares two texts).
template <class Same> bool ExactlyThese(const QStringList& items, const QStringList& wanted, Same same)
{
    if (items.size() != wanted.size())
        return false;
    std::set<int> matched;
    for (const QString& item : items) {
        int found = -1;
        for (int i = 0; i < wanted.size(); ++i)
            if (same(item, wanted.at(i)))
                found = i;
        if (found < 0 || !matched.insert(found).second)
            return false;
    }
    return true;
}
} // namespace

int TExamAnswers::Score() const
{
    int score = 0;
    const auto checked = [this](int tag) {
        const auto at = checks.find(tag);
        return at != checks.end() && at->second;
    };
    for (int tag : {11, 14, 15, 42})
        score += checked(tag) ? 0 : 1;
    for (int tag : {12, 13, 21, 22, 31, 32, 33, 41, 61, 62})
        score += checked(tag) ? 1 : 0;
    for (bool flag : {leftClick, rightClick, doubleClick, cancel, buttonsChoice == 1, radioChoice == 1,
                      trackBar == 70, spinEdit == 77})
        score += flag ? 1 : 0;
    // Each fruit once: three lemons are not the list asked for.
    const auto sameFruit = [](const QString& a, const QString& b) {
        return HungarianText::Upper(a) == HungarianText::Upper(b);
    };
    if (ExactlyThese(fruits, {QStringLiteral("CITROM"), QStringLiteral("BANÁN"), QStringLiteral("KIWI")}, sameFruit))
        ++score;
    if (year == 12 && month == 7 && day == 14)
        ++score;
    // A name dragged more than once still counts: the list keeps copies of allowed names only.
    int allowed = 0;
    for (const QString& name : names)
        if (name == QStringLiteral("Digit Nóra") || name == QStringLiteral("Pixeles Tivadar")
            || name == QStringLiteral("Kábel Ödön"))
            ++allowed;
    if (names.size() == 3 && allowed == 3)
        ++score;
    if (emptyListCount == 0)
        ++score;
    for (bool right : {error == 2, warning == 1, info == 0})
        score += right ? 1 : 0;
    return score;
}

QString TExamAnswers::Grade(int score)
{
    if (score <= 6)
        return QStringLiteral("Lesz ez jobb is, csak sokat kell gyakorolnod.");
    if (score <= 12)
        return QStringLiteral("Gyakorlással javíthatsz eredményeden.");
    if (score <= 18)
        return QStringLiteral("Jól teljesítettél, de egy kis gyakorlás nem árt.");
    if (score <= 24)
        return QStringLiteral("Gratulálok, csak egy kicsit kellett volna jobban figyelned.");
    return QStringLiteral("Gratulálok az elért kiváló eredményedhez.");
}

QString TExamAnswers::ResultText(const QString& userName, int elapsedMs, int score)
{
    const QString br = QStringLiteral("<BR>");
    return QStringLiteral("Feladat: Mini vizsga") + br + QStringLiteral("Név: ") + userName + br
        + QStringLiteral("Idő: ") + TMemoryGame::TimeText(elapsedMs) + br + QStringLiteral("Eredmény: 29 / ")
        + QString::number(score) + br + QStringLiteral("Értékelés: ") + Grade(score) + br + br
        + QStringLiteral("Ha elolvastad, akkor nyomd meg az L billentyűt!");
}
