#pragma once

#include "framework/BackAreas.h"

#include <QRect>

// Where the buttons topic's pages put their controls and write their texts, in page coordinates;
// the pictures are drawn for them.
namespace ButtonsPlaces {

// The shared lesson background "GombGombForm.jpg": blue instructions from the top 215 down to
// about 400. The tool-bar page's own copy of it, "GombEszkoztarakForm.jpg", adds a dark band for
// its two yellow captions at top 420.
inline const QRect LessonText(60, 205, 904, 192);
inline const QRect CaptionBand(40, 410, 944, 36);

// The shapes page.
inline const QRect ShapesText(60, 205, 904, 95);
inline const QRect NormalButton(120, 312, 121, 41);
inline const QRect ColouredButton(120, 368, 121, 41);
inline const QRect RoundButton(136, 432, 70, 70);
inline const QRect EllipseButton(120, 520, 96, 37);
inline const QRect NoraButton(104, 568, 135, 75);
inline const QRect ShapesClip(540, 324, 240, 320);

// The focus and accelerator pages' clip, the active/inactive clips and the tab page's guide.
inline const QRect FocusClip(600, 450, 190, 220);
inline const QRect ActiveClip(128, 454, 138, 79);
inline const QRect InactiveClip(564, 454, 138, 79);
inline const QSize MiniNora(73, 75);

// The tool-bar page: the large pictures of the tools and houses, and the speed buttons' glyphs.
inline const QRect ToolPicture(88, 536, 292, 217);
inline const QRect HousePicture(544, 520, 241, 241);
inline const QSize SpeedButton(75, 75);
inline const QSize Glyph(48, 48);

// The puzzle page.
inline const QRect PuzzleGrid(37, 117, 267, 267); // nine 89 px slots
inline const QRect PuzzleChoice1(328, 120, 127, 127);
inline const QRect PuzzleChoice2(328, 264, 127, 127);
inline const QRect ShuffleArea(120, 416, 100, 40);
inline const QRect PuzzleNextArea(400, 672, 100, 35);
inline const QRect PuzzleClip(598, 138, 190, 220);
inline const QRect PuzzleText(30, 480, 904, 170);
inline const QSize PuzzlePicture(255, 255);

// The English words page: blue lead-in text above, yellow explanations on the board from 216 to
// about 650, the last blue line at top 680.
inline const QRect EnglishLead(30, 100, 964, 100);
inline const QRect EnglishBoard(24, 206, 976, 454);
inline const QRect EnglishLast(30, 672, 850, 40);

// The quiz page: the help button, the question rows and the help panel shown over them. The rows
// end left of the back picture, which stands beside the last two.
inline const QRect HelpArea(224, 120, 169, 57);
inline const QRect QuizRows(30, 196, 846, 548);
inline const QRect HelpPanel(24, 200, 837, 537);
inline const QSize CheckMark(40, 40);

// The back picture every page but the tab page shows over its background.
inline const QRect BackPicture = BackAreas::Games;

} // namespace ButtonsPlaces
