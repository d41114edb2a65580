#include "support/PageSamples.h"

#include "home/ModulValaszt.h"
#include "home/NavBeker.h"

namespace PageSamples {

std::vector<TPageSample> Home()
{
    const QString mode = QStringLiteral("MODULVALASZT");
    return {
        Sample<TNavBeker>(QStringLiteral("NavBeker")),
        Sample<TModulValaszt>(QStringLiteral("ModulValaszt_BEVEZETO"), mode, QStringLiteral("BEVEZETO")),
        Sample<TModulValaszt>(QStringLiteral("ModulValaszt_VALASZT"), mode, QStringLiteral("VALASZT")),
    };
}

} // namespace PageSamples
