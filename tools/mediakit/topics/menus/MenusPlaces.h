#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the menus topic's pages and practice windows show its pictures, in page coordinates
// unless told, and the sizes the pictures are drawn at.
namespace MenusPlaces {

// Every page: the to-main area over the painted back sign.
inline const QRect BackArea(896, 648, 97, 49);

// The background keeps calm, light wall where pages put things over it: the practice windows in
// the middle (about x 170-720, y 170-760), the favourites' labels and lists at (24, 272)-(169, 481)
// and (824, 272)-(961, 481), the sentence page's clock at (824, 192) and its exit sign, and the
// pop-up page's hiding guide.
inline const QRect ExitGame(888, 560, 104, 61);
inline const QRect HidingPanel(56, 202, 353, 297);

// The check-mark page: the guide, the table and the three plate slots standing on it.
inline const QRect GuideOnPage(46, 382, 194, 306);
inline const QRect Table(568, 440, 318, 252);
inline const QRect PlateSlots[] = {QRect(552, 352, 134, 134), QRect(656, 352, 134, 134), QRect(768, 352, 134, 134)};
// Where the floor meets the wall: the guide's feet and the table's legs stand below it.
inline constexpr int FloorLine = 676;

// Picture sizes. The window pictures sit in their windows' picture areas (top, 330 px high in the
// menu windows, 241 px in the sentence window) and are centred there.
inline const QSize Page(1024, 768);
inline const QSize Explaining(300, 330);   // menu_j_f: in the menu and submenu windows
inline const QSize Hungry(440, 330);       // menu_j_a
inline const QSize Standing(194, 306);     // menu_j_h: on the check-mark page and in the shortcut window
inline const QSize Armchair(273, 273);     // menu_j_fot
inline const QSize WordCards(460, 241);    // menu_j_o
inline const QSize Favourites(520, 330);   // menu_v_tval
inline const QSize Found(400, 330);        // almenu_2, _4, _8
inline const QSize Wish(120, 170);         // menu_v2, menu_flo, menu_e
inline const QSize Portrait(200, 200);     // odon.jpg, tivadar.jpg, nora.jpg and their clips
inline const QSize Hiding(353, 297);       // Tivadar_kem_01 .. 03
inline const QSize Plate(134, 134);
inline const QSize Clip(200, 200);

// The shortcut window shows the standing guide from 24 px above its client area (the picture
// control's top is -24 and it takes the picture's size): the guide's head starts below that.
inline constexpr int ShortcutPictureTop = -24;

} // namespace MenusPlaces
