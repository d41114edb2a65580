#pragma once

#include <QImage>

// The buttons topic's backgrounds, each 1024 × 768, and the quiz's help panel. Painted buttons
// lie exactly under the pages' click areas; the areas that get text stay calm: light where the
// text is blue, dark where it is yellow.
namespace ButtonsScreensArt {

QImage LessonScreen();  // "gombok\GombGombForm.jpg", which five lesson pages share
QImage ToolBarScreen(); // "gombok\GombEszkoztarakForm.jpg": the lesson screen, a dark band under the yellow captions
QImage ShapesScreen();  // "gombok\GombSokfalytaForm.jpg": the button board and a little stage for the clips
QImage PuzzleScreen();  // "gombok\GombKirakoForm.jpg": the tile tray, painted Keverés and Tovább
QImage EnglishScreen(); // "gombok\GombAngolForm.jpg": a blackboard for the yellow explanations
QImage QuizScreen();    // "gombok\GombKerdesekForm.jpg": the painted help button and the question rows
QImage HelpPanel();     // "gombok\GombKerdesekForm_help.png", 837 × 537: light paper for the help text

// The painted buttons, each filling its rect.
void DrawShuffleButton(QPainter& painter, QRect rect);
void DrawNextButton(QPainter& painter, QRect rect);
void DrawHelpButton(QPainter& painter, QRect rect);

} // namespace ButtonsScreensArt
