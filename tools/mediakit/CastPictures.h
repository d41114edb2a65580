#pragma once

#include <QImage>
#include <vector>

// The pictures and clip frames the kit makes of the guide cast.
namespace CastPictures {

QImage Together();    // "egyutt_kicsi.png": the whole cast greeting, 430 × 321, transparent
QImage NoraHead();    // "nora_feje.png": the chooser's cursor, 131 × 75, transparent
QImage OdonGreeting(); // "osszefoglal/odon.png": Kábel Ödön introducing himself, 234 × 261
QImage Sheet();       // every guide in every pose, labelled, for review

// Clip frames of Kábel Ödön, 160 × 320 on the page colour, whose top-left pixel is the key
// colour the clip player makes transparent. The last frame repeats the first.
std::vector<QImage> OdonNodding();
std::vector<QImage> OdonShakingHead();
std::vector<QImage> OdonWaving();
QImage ContactSheet(const std::vector<QImage>& frames, int columns);

} // namespace CastPictures
