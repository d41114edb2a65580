#pragma once

#include "MouseLessonsDevicesArt.h"

#include <QImage>

// The mouse topic's five opening pages and their pictures. The pages write their texts into
// the backgrounds' light panels and put their keys' click areas over the keys drawn here.
namespace MouseLessonsIntroArt {

QImage MiceScreen();    // "EgerekForm.jpg": real mice on the left, computer mice on the right, Enter
QImage KindsScreen();   // "EgerTipusForm.jpg": a ball mouse and an optical mouse turned over, Backspace
QImage CursorScreen();  // "EgerKurzorForm.jpg": five cursor shapes under their areas, Escape
QImage ClickScreen();   // "EgerKattInfoForm.jpg": the clip's stage and a calm band for the hands
QImage HeadsScreen();   // "14_egerezes_kisebb_kurzorok.jpg": the clip's stage and a calm band for the heads

// The hand pictures composed over the clicking page, transparent around the hand and in their
// caption band: "EgerKattInfoForm_jobbkatt.png" 193 × 145, "_helyes.png" (the left hand)
// 200 × 145, "_helytelen.png" 185 × 193.
QImage HandPicture(MouseLessonsDevicesArt::THold hold);

// "norafejkatt.png", 125 × 70: Digit Nóra's head, drawn bold enough to know at 13 × 8.
QImage NoraHead();

} // namespace MouseLessonsIntroArt
