#pragma once

#include <vector>

class TCheckBox;

// Check boxes that carry their right answer in their tag (1: to be checked, 0: to stay empty).
namespace CheckBoxTally {

bool InRightState(const TCheckBox& box);
int RightStates(const std::vector<TCheckBox*>& boxes);

} // namespace CheckBoxTally
