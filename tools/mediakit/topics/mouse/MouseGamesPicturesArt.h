#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// The mouse games' own pictures: what flies, rises and is carried over the backgrounds, and the
// games' titles. Everything is transparent around what it shows.
namespace MouseGamesPicturesArt {

// "LepkevadaszForm_felho1".."5", 170 × 100: a white cloud, its middle left light for the blue
// caption; the higher the number the faster it looks (wind streaks, at 5 a lightning bolt).
QImage Cloud(int number);
// "LepkevadaszForm_pillango_<colour>", 64 × 56, colour one of "lila", "piros", "kek", "sarga",
// "zold": a butterfly seen from above, wings spread.
QImage Butterfly(const QString& colour);
// "LepkevadaszForm_lepkvad_txt", 713 × 105: the title "Lepkevadászat" with two butterflies.
QImage ButterflyTitle();

// "EgervadaszatForm_nyilacska_jobb" / "_bal", 162 × 215: Nyilacska pointing that way with its
// tip and its arm.
QImage NyilacskaPointing(bool right);
// "EgervadaszatForm_jobbra_balra_felirat", 720 × 150: "Jobbra vagy balra" between two arrows.
QImage LeftRightTitle();
// "egerezes\START.png", 337 × 65: the green START button.
QImage StartButton();

// "EgerLufipukkForm_lufi_<colour>", 100 × 227, colour one of "lila", "piros", "narancs", "zold",
// "kek", "vkek": a balloon with its knot and string.
QImage Balloon(const QString& colour);
// "EgerLufipukkForm_lufi_felirat", 720 × 150: "Lufilövöldözés" with balloons.
QImage BalloonTitle();

// "EgerBasketBallForm_ball", 103 × 103: a basketball filling the picture.
QImage Ball();
// "EgerBasketBallForm_intro", 720 × 150: "Kosárlabda" with a ball.
QImage BasketballTitle();

// Which button of a drawn computer mouse is held down; a held button is painted red.
enum class TMouseButton { None, Left, Right };
// A computer mouse seen from above, its body filling rect below a short cable rising from its
// top edge (a tenth of the rect's height).
void DrawComputerMouse(QPainter& painter, const QRectF& rect, TMouseButton pressed);

} // namespace MouseGamesPicturesArt
