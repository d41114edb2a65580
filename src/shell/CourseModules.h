#pragma once

#include "ModuleTable.h"

// The course's module table: the home and every topic that is built.
TModuleTable CourseModules();
