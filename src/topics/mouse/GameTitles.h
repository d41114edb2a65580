#pragma once

#include <QString>

// The titles the games' intro pictures and the colouring pages' backgrounds show: the kit letters
// them into the pictures, and the pages note them on the picture so that the voice reads what the
// learner sees.
namespace GameTitles {

inline const QString Butterflies = QStringLiteral("Lepkevadászat");
inline const QString LeftRight = QStringLiteral("Jobbra vagy balra");
inline const QString Balloons = QStringLiteral("Lufilövöldözés");
inline const QString Basketball = QStringLiteral("Kosárlabda");
inline const QString ColourDress = QStringLiteral("Húzd a festéket Nóra ruhájára!");
inline const QString ColourCar = QStringLiteral("Húzd a festéket az autóra!");

} // namespace GameTitles
