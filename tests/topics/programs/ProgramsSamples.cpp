#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/programs/PrgKezelForm.h"
#include "topics/programs/ProgramsRoad.h"

namespace PageSamples {

// The programs road: the imitated desktop and the course's closing words.
std::vector<TPageSample> Programs()
{
    return {
        Sample<TPrgKezelForm>(QStringLiteral("PrgKezelForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_FINITO"), QStringLiteral("ERTEKEL"), ProgramsRoad::ClosingText()),
    };
}

} // namespace PageSamples
