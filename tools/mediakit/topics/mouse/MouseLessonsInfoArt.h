#pragma once

#include <QImage>

// The last pages of the mouse lessons: the rules with the mouse pad to double-click, the
// special mice with the trackball to double-click, and the game chooser with its four titles,
// each drawn under the page's area of the same place and size.
namespace MouseLessonsInfoArt {

QImage RulesScreen();       // "EgerSzabalyokForm.jpg"
QImage KindsOfMiceScreen(); // "EgerEgerfajtakForm.jpg"
QImage ChooserScreen();     // "EgerJatekvalasztasForm.jpg"

} // namespace MouseLessonsInfoArt
