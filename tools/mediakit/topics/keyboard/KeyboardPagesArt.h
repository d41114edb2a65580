#pragma once

#include "framework/BackAreas.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// The backgrounds of the letter hunt, the typing page, the evaluation page and the keyboard info
// page. Each one draws its panels, strips and buttons exactly under the page's controls of the
// same place and size, and keeps the areas that get blue text calm and light.
namespace KeyboardPagesArt {

// Controls of the pages, in page coordinates, that the pictures are drawn for.
namespace Places {
inline const QRect BackArea = BackAreas::Keyboard;
inline const QRect PracticeTask(24, 488, 825, 257);    // `feladat` of the keyboard practice page
inline const QRect HuntTask(24, 384, 825, 361);        // `feladat` of the letter hunt and typing pages
inline const QRect HuntTarget(208, 168, 121, 137);     // `txtBetuMutat`
inline const QRect HuntWrong(544, 168, 121, 137);      // `txtBeirMutat`
inline const QRect HuntClock(24, 208, 145, 65);        // `txtIdo`
inline const QRect OdonClip(862, 106, 160, 320);       // `odonOk`, `odonNem`, and the evaluation's `odon`
inline const QRect TypingWord(80, 176, 713, 65);       // `txtSzoKi`
inline const QRect TypingEdit(74, 272, 729, 66);       // `szoBe`
inline const int TypingPictureTop = -8;                // the typing page shows its picture 8 px higher
inline const QRect EvaluationRead(895, 552, 97, 53);   // `lattam`
inline const QRect EvaluationBack = BackAreas::Evaluation;
inline const QRect EvaluationText(50, 160, 774, 508);  // where the text writer's margins leave the text
inline const QRect InfoText(24, 96, 801, 345);         // `info`
inline const QRect InfoPictures[3] = {{24, 472, 190, 190}, {328, 480, 190, 190}, {632, 480, 190, 190}};
inline const QRect InfoClip(350, 525, 190, 190);       // `animUtes`
} // namespace Places

QImage LetterHuntScreen(); // "betuvadaszat.jpg", 1024 x 768
// "szogepeles.jpg", 1024 x 768, drawn for a picture shown at top -8: everything lies 8 px lower
// in the picture than the control it belongs to.
QImage TypingScreen();
QImage EvaluationScreen(); // "ertekeles.jpg", 1024 x 768
QImage InfoScreen();       // "BillInfo.jpg", 1024 x 768

// The evaluation page's read-it button: an L key and the word "Láttam", filling rect.
void DrawReadButton(QPainter& painter, QRect rect);

} // namespace KeyboardPagesArt
