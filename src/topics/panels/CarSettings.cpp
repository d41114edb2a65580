#include "CarSettings.h"

bool TCarSettings::Right() const
{
    // Lemezke did lose the way, so "nem tévedt el" must stay unchecked.
    return tank == 40 && colour.isValid() && colour.red() == 255 && colour.green() == 0 && colour.blue() == 0
        && raceNumber == 12 && travellers == 0 && !notLost && openTop && sportsCar;
}
