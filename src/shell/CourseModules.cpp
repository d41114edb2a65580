#include "CourseModules.h"

TModuleTable CourseModules()
{
    TModuleTable table;
    return table;
}
