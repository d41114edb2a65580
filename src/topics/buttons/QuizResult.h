#pragma once

#include <QString>

// The button quiz's answers and its evaluation.
namespace QuizResult {

inline constexpr int Questions = 12;

// The right answer of question q (1 to 12): the button's number in its row, from 0 on the left.
int RightAnswer(int question);
// The rating word for the number of wrong answers.
QString Rating(int wrong);
// The text the evaluation page shows.
QString EvaluationText(const QString& name, int right);

} // namespace QuizResult
