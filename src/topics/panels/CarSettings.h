#pragma once

#include <QColor>

// The settings panel of the car trip as the learner left it; Right() when it matches the trip.
struct TCarSettings {
    int tank = 0;
    QColor colour;
    int raceNumber = 1;
    int travellers = -1; // 0: Lemezke alone, 1: with a friend
    bool openTop = false;
    bool notLost = false;
    bool sportsCar = false;

    bool Right() const;
};
