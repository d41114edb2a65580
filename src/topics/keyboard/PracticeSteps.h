#pragma once

#include <QChar>
#include <QPoint>
#include <QString>
#include <vector>

class TGraphObj;

// The steps of the keyboard practice page: where the hands go and which key completes each step.
namespace PracticeSteps {

enum class THand { Left, Right };

struct TPlacement {
    THand hand;
    QPoint topLeft;
};

// The hands of a step in the order they are placed; a hand not listed is taken off the keyboard
// (only "ESC" leaves one out). An unknown step places nothing.
std::vector<TPlacement> Hands(const QString& step);

// Takes the drawn hands off in the reverse of the order they went on (each put back what it saved
// when it was drawn, so another order would leave pieces of one hand in the other's place), then
// draws the placements in their order. drawn keeps that order for the next call.
void PlaceHands(TGraphObj& left, TGraphObj& right, const std::vector<TPlacement>& placements,
                std::vector<TGraphObj*>& drawn);

// True when the key (a virtual-key code) pressed down completes the step.
bool CompletedByKeyDown(const QString& step, int key);
// True when the typed character completes the step; shiftHeld tells whether a Shift key is down.
bool CompletedByCharacter(const QString& step, QChar character, bool shiftHeld);

} // namespace PracticeSteps
