#pragma once

#include <QImage>

class TMediaKit;

// The backgrounds of the name page, the topic chooser with its greeting panel, and the grade
// page. Every drawn key, sign and strip lies exactly under the page's control of the same size.
namespace HomeMedia {

QImage NameInputScreen();   // "alap_screen_name_input.jpg", 1024 x 768
QImage ChooserScreen();     // "modul_valaszto.jpg", 1024 x 768
QImage GreetingPanel();     // "empty_screen.jpg", 800 x 600, shown at (35, 120) on the chooser
QImage GradeScreen();       // "osztaly_input.jpg", 1024 x 768

// Writes the four pictures into the kit.
void Produce(TMediaKit& kit);

} // namespace HomeMedia
