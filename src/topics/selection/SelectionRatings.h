#pragma once

#include <QString>

// The words and evaluation texts of the topic's two memory quizzes and the cannon game.
namespace SelectionRatings {

// The radio quiz's word for right answers of 6.
QString RadioScore(int right);
// The check box quiz's word for right states of 10.
QString CheckBoxScore(int right);
// Both quizzes' word for how often the help was opened.
QString HelpWord(int helps);
// A memory quiz's evaluation: `questions` is 6 or 10, `score` the word for `right`.
QString QuizText(const QString& name, int questions, int right, const QString& score, int helps);
QString CannonWord(int hits);
QString CannonText(const QString& name, int hits);

} // namespace SelectionRatings
