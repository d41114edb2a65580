#include "QuizResult.h"

#include <array>

namespace QuizResult {

int RightAnswer(int question)
{
    // Yes, No, Cancel, No, Yes, Abort, No, Yes, Close, No, Yes, Yes
    static constexpr std::array<int, Questions> Answers = {0, 1, 2, 1, 0, 1, 1, 0, 2, 1, 0, 0};
    if (question < 1 || question > Questions)
        return -1;
    return Answers[static_cast<std::size_t>(question - 1)];
}

QString Rating(int wrong)
{
    if (wrong <= 0)
        return QStringLiteral("Hibátlan, szuper vagy!");
    if (wrong <= 2)
        return QStringLiteral("Egy-két hiba nem a világ, jó vagy!");
    if (wrong <= 4)
        return QStringLiteral("Pár választ elrontottál, de még így is elégedett lehetsz!");
    if (wrong <= 8)
        return QStringLiteral("Kicsit jobban figyelj oda!");
    return QStringLiteral("Sok a hibád, szerintem szórakoztál a gombokkal!");
}

QString EvaluationText(const QString& name, int right)
{
    return QStringLiteral("Feladat: Teszt <BR>Név: ") + name + QStringLiteral("<BR>Teljesítmény: 12/")
           + QString::number(right) + QStringLiteral(" <BR>Értékelés: ") + Rating(Questions - right)
           + QStringLiteral("<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

} // namespace QuizResult
