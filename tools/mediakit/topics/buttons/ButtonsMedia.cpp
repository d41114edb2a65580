// The buttons topic's pictures and clips: the lesson, shapes, puzzle, English and quiz
// backgrounds, the picture buttons, the tool-bar pictures, the puzzle pictures and the guides'
// clips. The back and end pictures come from the mouse topic's game buttons.

#include "ButtonsScreensArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer buttons("buttons", [](TMediaKit& kit) {
    kit.WritePicture("gombok\\GombGombForm.jpg", ButtonsScreensArt::LessonScreen(), 92);
    kit.WritePicture("gombok\\GombSokfalytaForm.jpg", ButtonsScreensArt::ShapesScreen(), 92);
    kit.WritePicture("gombok\\GombKirakoForm.jpg", ButtonsScreensArt::PuzzleScreen(), 92);
    kit.WritePicture("gombok\\GombAngolForm.jpg", ButtonsScreensArt::EnglishScreen(), 92);
    kit.WritePicture("gombok\\GombKerdesekForm.jpg", ButtonsScreensArt::QuizScreen(), 92);
    kit.WritePicture("gombok\\GombKerdesekForm_help.png", ButtonsScreensArt::HelpPanel());
});

} // namespace
