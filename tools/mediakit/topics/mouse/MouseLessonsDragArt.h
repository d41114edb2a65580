#pragma once

#include <QImage>

// The two drag and drop pages: the explanation with its clip's stage, and the meadow with
// Nyilacska's house in its lower left corner, where the page tests that he has arrived.
namespace MouseLessonsDragArt {

QImage ExplanationScreen(); // "EgerDragDropForm.jpg"
QImage HouseScreen();       // "EgerAHazbaBeForm.jpg"
// Nyilacska as the pages show him, 168 × 251, transparent around him: pointing at the clip on
// the explanation page ("EgerDragDropForm_nyilacska.png"), waving to be carried home on the
// house page ("EgerAHazbaBeForm_nyilacska.png").
QImage ExplainingNyilacska();
QImage WavingNyilacska();

} // namespace MouseLessonsDragArt
