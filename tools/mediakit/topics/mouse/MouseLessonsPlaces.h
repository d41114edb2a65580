#pragma once

#include "framework/BackAreas.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <array>

// Where the mouse lessons' pages put their controls and texts, in page coordinates; the
// backgrounds are drawn for them: signs and drawings under the click areas, calm light areas
// where the text writer writes, and nothing under the pictures the pages show themselves.
namespace MouseLessonsPlaces {

// The lesson pages' `vissza`: where the page base puts it, and moved down on the Backspace and
// Escape pages.
inline const QRect Back = BackAreas::Keyboard;
inline const QRect BackLower(892, 660, 100, 55);

// "Ezek igazi egerek!" and "Ezek számítógépes egerek!": the two columns the writer fills.
inline const QRect RealMiceText(50, 210, 274, 230);
inline const QRect ComputerMiceText(480, 210, 384, 230);
inline const QRect RealMice(40, 450, 300, 180);
inline const QRect ComputerMice(470, 460, 400, 170);
inline const QRect EnterKey(882, 440, 115, 130);
inline const QRect EnterLabel(880, 408, 121, 33);

// The kinds of mice.
inline const QRect KindsText(100, 280, 724, 170);
inline const QRect BackspaceKey(896, 528, 97, 57);
inline const QRect BackspaceLabel(880, 496, 129, 33);

// The cursor page: its text, the Escape key and the five cursor areas.
inline const QRect CursorText(70, 280, 754, 170);
inline const QRect EscapeKey(914, 547, 57, 55);
inline const QRect EscapeLabel(880, 512, 129, 33);
enum class TCursorShape { Arrow, HourGlass, Move, SizeNS, NoDrop };
struct TCursorArea {
    TCursorShape shape;
    QRect area;
};
inline const std::array<TCursorArea, 5> CursorAreas = {{
    {TCursorShape::Arrow, {40, 496, 145, 161}},
    {TCursorShape::HourGlass, {184, 496, 161, 161}},
    {TCursorShape::Move, {344, 496, 161, 161}},
    {TCursorShape::SizeNS, {504, 496, 161, 161}},
    {TCursorShape::NoDrop, {664, 496, 145, 161}},
}};

// The clicking page: its text, the clip, and the three hand pictures composed over the page.
inline const QRect ClickInfoText(100, 280, 724, 90);
inline const QRect ClickClip(320, 380, 232, 160);
inline const QRect RightHand(80, 568, 193, 145);
inline const QRect LeftHand(344, 568, 200, 145);
inline const QRect WrongHold(616, 536, 185, 193);
inline constexpr int CaptionBand = 16;      // the caption written into a hand picture's bottom
inline constexpr int WrongCaptionBand = 32; // two lines under the wrong hold

// The clicking exercise: its text, the clip, and the row of thirteen heads the page shows and
// frames in blue.
inline const QRect HeadsText(100, 240, 724, 120);
inline const QRect HeadsClip(320, 380, 230, 160);
inline const QRect HeadsRow(40, 568, 790, 86);
inline const QSize HeadPicture(125, 70);

// The drag and drop explanation: its text, the clip and Nyilacska's picture.
inline const QRect DragText(160, 90, 734, 240);
inline const QRect DragClip(125, 346, 320, 240);
inline const QRect Nyilacska(645, 335, 168, 251);
inline const QRect EndGame(888, 576, 104, 61);
inline const QRect ToMenu = BackAreas::Games;

// The house exercise: the house where the page tests it, the flower and START the page shows.
inline const QRect House(40, 530, 154, 236);
inline const QRect Flower(488, 464, 198, 305);

// The colouring choice: the text and the two pictures to click.
inline const QRect ChoiceText(100, 100, 794, 330);
inline const QRect ChoiceTivadar(105, 455, 187, 187);
inline const QRect ChoiceNora(554, 467, 255, 174);

// The colouring page: the three tinted pictures and the sixteen paint pots.
inline const QRect Shirt(379, 268, 123, 108);
inline const QRect Skirt(386, 368, 103, 33);
inline const QRect Car(223, 207, 486, 114);
struct TPot {
    int left;
    int width;
    QColor colour;
};
inline constexpr int PotTop = 600;
inline constexpr int PotHeight = 49;
inline const std::array<TPot, 16> Pots = {{
    {16, 49, {255, 5, 5}},     {72, 49, {255, 69, 5}},    {128, 49, {255, 129, 5}},  {184, 41, {255, 188, 5}},
    {232, 49, {255, 255, 5}},  {288, 41, {172, 255, 5}},  {336, 49, {5, 255, 69}},   {392, 41, {128, 210, 102}},
    {440, 49, {19, 255, 5}},   {496, 41, {5, 255, 188}},  {544, 41, {5, 206, 255}},  {592, 49, {5, 167, 255}},
    {648, 49, {5, 129, 255}},  {704, 49, {5, 91, 255}},   {760, 41, {5, 44, 255}},   {808, 49, {206, 5, 255}},
}};

// The two information pages: their texts and the pictures to double-click.
inline const QRect RulesText(140, 90, 744, 230);
inline const QRect MousePad(295, 340, 395, 302);
inline const QRect KindsOfMiceText(100, 120, 824, 220);
inline const QRect Trackball(591, 463, 238, 163);

// The game chooser: its text and the four titles.
inline const QRect ChooserText(75, 95, 789, 200);
inline const QRect ButterflyTitle(80, 310, 295, 100);
inline const QRect BalloonTitle(480, 310, 315, 105);
inline const QRect MouseHuntTitle(60, 480, 365, 75);
inline const QRect BasketTitle(500, 480, 260, 75);

} // namespace MouseLessonsPlaces
