#include "CourseModules.h"

#include "home/FooldalModul.h"

TModuleTable CourseModules()
{
    TModuleTable table;
    table.Add(QStringLiteral("RETURN_TO_MAIN"), [] { return std::make_shared<TFooldalModul>(); });
    return table;
}
