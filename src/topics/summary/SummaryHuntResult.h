#pragma once

#include <QString>

// What the summary's letter hunt hands to the evaluation page, and its ratings.
namespace SummaryHuntResult {

// Rating of the characters hit in the half minute.
QString SpeedRating(int hits);
// Rating of the wrong characters.
QString ErrorRating(int errors);
QString Text(const QString& name, int hits, int errors);

} // namespace SummaryHuntResult
