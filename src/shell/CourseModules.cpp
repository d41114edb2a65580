#include "CourseModules.h"

#include "home/FooldalModul.h"
#include "topics/buttons/GombModul.h"
#include "topics/keyboard/BillentyuModul.h"

TModuleTable CourseModules()
{
    TModuleTable table;
    table.Add(QStringLiteral("RETURN_TO_MAIN"), [] { return std::make_shared<TFooldalModul>(); });
    table.Add(QStringLiteral("BILLENTYU"), [] { return std::make_shared<TBillentyuModul>(); });
    table.Add(QStringLiteral("GOMBOK"), [] { return std::make_shared<TGombModul>(); });
    return table;
}
