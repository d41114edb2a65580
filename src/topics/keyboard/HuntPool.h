#pragma once

#include <QString>
#include <optional>

class IRandomSource;

// The characters a letter hunt draws its targets from, and the draw itself.
namespace HuntPool {

// Letters (70), the signs reached with Shift and Alt Gr (22), and all of them with the digits (102).
const QString& Letters();
const QString& Signs();
const QString& Everything();

// The pool of a hunt's step word ("R1", "R2", "R3"); none for another word.
std::optional<QString> ForStep(const QString& step);

// A position from 1 to length. The draw runs over 0..length, and 0 counts as 1, so the first
// character comes twice as often as each other one. An empty pool gives 0.
int DrawPosition(int length, IRandomSource& random);

} // namespace HuntPool
