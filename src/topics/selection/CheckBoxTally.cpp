#include "CheckBoxTally.h"

#include "framework/CheckBox.h"

#include <algorithm>

namespace CheckBoxTally {

bool InRightState(const TCheckBox& box)
{
    return box.isChecked() == (box.Tag() == 1);
}

int RightStates(const std::vector<TCheckBox*>& boxes)
{
    return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [](const TCheckBox* box) { return InRightState(*box); }));
}

} // namespace CheckBoxTally
