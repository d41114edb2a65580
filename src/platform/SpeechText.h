#pragma once

#include <QString>

// What the voice says for a text the learner reads: one line of plain words a Hungarian teacher
// would say aloud. "<BR>" and line ends become pauses (a sentence end where the line had none),
// "&" access-key marks go, results like "10 / 3" become "10-ből 3", times like "01:25" become
// minutes and seconds, key names and the guides' names are spelt as they are said.
namespace SpeechText {

QString Prepare(const QString& text);

} // namespace SpeechText
