// The buttons topic's pictures and clips: the lesson, tool-bar, shapes, puzzle, English and quiz
// backgrounds, the picture buttons, the tool-bar pictures, the puzzle pictures and the guides'
// clips. The back and end pictures come from the mouse topic's game buttons.

#include "ButtonsClipsArt.h"
#include "ButtonsPicturesArt.h"
#include "ButtonsScreensArt.h"
#include "PuzzleArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer buttons("buttons", [](TMediaKit& kit) {
    kit.WritePicture("gombok\\GombGombForm.jpg", ButtonsScreensArt::LessonScreen(), 92);
    kit.WritePicture("gombok\\GombEszkoztarakForm.jpg", ButtonsScreensArt::ToolBarScreen(), 92);
    kit.WritePicture("gombok\\GombSokfalytaForm.jpg", ButtonsScreensArt::ShapesScreen(), 92);
    kit.WritePicture("gombok\\GombKirakoForm.jpg", ButtonsScreensArt::PuzzleScreen(), 92);
    kit.WritePicture("gombok\\GombAngolForm.jpg", ButtonsScreensArt::EnglishScreen(), 92);
    kit.WritePicture("gombok\\GombKerdesekForm.jpg", ButtonsScreensArt::QuizScreen(), 92);
    kit.WritePicture("gombok\\GombKerdesekForm_help.png", ButtonsScreensArt::HelpPanel());
    kit.WritePicture("gombok\\GombKerdesekForm_pipa.png", ButtonsPicturesArt::CheckMark());

    kit.WritePicture("gombok\\GombSokfalytaForm_roundBtn.png", ButtonsPicturesArt::RoundButton());
    kit.WritePicture("gombok\\GombSokfalytaForm_ellipseBtn.png", ButtonsPicturesArt::EllipseButton());
    kit.WritePicture("gombok\\GombSokfalytaForm_noraBtn.png", ButtonsPicturesArt::NoraButton());
    kit.WritePicture("gombok\\GombTabulatorForm_mini_nora.png", ButtonsPicturesArt::MiniNora());
    for (const auto& picture : ButtonsPicturesArt::LargePictures())
        kit.WritePicture("gombok\\GombEszkoztarakForm" + picture.suffix, picture.image);
    for (const auto& glyph : ButtonsPicturesArt::Glyphs())
        kit.WritePicture("gombok\\GombEszkoztarakForm" + glyph.suffix, glyph.image);

    for (int n = 1; n <= 2; ++n) {
        kit.WritePicture(QStringLiteral("gombok\\GombKirakoForm_nagy%1.bmp").arg(n), PuzzleArt::Picture(n));
        kit.WritePicture(QStringLiteral("gombok\\GombKirakoForm_valaszt%1.png").arg(n), PuzzleArt::Thumbnail(n));
    }

    using namespace ButtonsClipsArt;
    kit.WriteClip("gombok\\03_gomb_fajtak_meghajlas.avi", Bowing(), Rate);
    kit.WriteClip("gombok\\03_gomb_fajtak_gugolas.avi", Squatting(), Rate);
    kit.WriteClip("gombok\\03_gomb_fajtak_forgas.avi", Spinning(), Rate);
    kit.WriteClip("gombok\\03_gomb_fajtak_integetes.avi", Waving(), Rate);
    kit.WriteClip("gombok\\03_gomb_fajtak_cigany.avi", Cartwheel(), Rate);
    kit.WriteClip("gombok\\fokuszalas.avi", FocusPress(), Rate);
    kit.WriteClip("gombok\\06_aktiv_inaktiv_bal.avi", ActiveHead(), Rate);
    kit.WriteClip("gombok\\06_aktiv_inaktiv_jobb.avi", InactiveHead(), Rate);
    kit.WriteClip("gombok/08_kirakos.avi", PuzzleSolved(), Rate);
});

} // namespace
