#pragma once

#include "framework/BackAreas.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the selection topic's pages put their controls and texts, in page coordinates; the
// backgrounds are drawn for them: buttons under the click areas, calm light areas under texts.
namespace SelectionPlaces {

// The back button under "Image1": the larger one on the radio and check box pages, the smaller
// one on the spin edit, track bar and progress bar pages.
inline const QRect LessonBack = BackAreas::SelectionLessons;
inline const QRect SettingBack = BackAreas::Usual;

// The scene on the memory quiz introduction: the instruction above it, "Tovább" and the back
// button below it.
inline const QRect SceneText(40, 38, 944, 56);
inline const QRect Scene(12, 104, 1000, 568);

// The quizzes: the help button under "imgCallHelp"; the help panel "pnlHelp" and the close
// button under "imgBeck" in the panel's own coordinates.
inline const QRect HelpButton(136, 128, 169, 49);
inline const QRect HelpPanel(15, 100, 850, 630);
inline const QRect HelpClose(360, 496, 209, 49);
inline const QRect HelpScene(10, 10, 830, 472);

// The check box pages' clip; on the second page the pictures of what to tick on either side of it.
inline const QRect CheckBoxClip(276, 100, 320, 240);
inline const QRect PicturesLeft(40, 184, 290, 236);
inline const QRect PicturesRight(694, 184, 290, 236);

// The spin edit pages' pictures, fields and the bicycle Nóra saves for.
inline const QRect SpinTivadar(135, 65, 219, 408);
inline const QRect SpinField1(528, 288, 161, 70);
inline const QRect SpinNora(185, 65, 316, 377);
inline const QRect SpinField2(552, 232, 185, 70);
inline const QRect Bicycle(600, 420, 260, 170);

// The track bar page's pictures: the cap's picture is wide enough for its peak turned sideways.
inline const QSize HatPicture(280, 240);
inline const QSize FlowerPicture(220, 300);

// The progress bar page: the racers' pictures and the two tracks under the bars.
inline const QSize Nyilacska(84, 118);
inline const QSize Tivadar(104, 113);
inline const QRect NyilacskaBar(112, 448, 600, 25);
inline const QRect TivadarBar(112, 640, 600, 25);

// The radio button look-alikes' round pictures.
inline const QSize RadioPicture(32, 32);

// The cannon game: its pictures, and on the background the grass the cannon stands on with the
// calm strip for the shot pictures and the hits label.
inline const QSize CannonPicture(158, 152);
inline const QPoint CannonAt(90, 504);
inline const QPoint CannonPivot(89, 85); // in the cannon picture; the barrel turns about it
inline const QSize Ball(30, 30);
inline const QSize Cloud(198, 114);
inline const QSize StartPicture(285, 80);
inline const QRect CannonInfo(110, 110, 800, 320);
inline const QRect ShotStrip(24, 722, 520, 44);
inline const QRect HitsLabel(660, 704, 220, 40);

} // namespace SelectionPlaces
