#include "CourseModules.h"

#include "home/FooldalModul.h"
#include "topics/buttons/GombModul.h"
#include "topics/keyboard/BillentyuModul.h"
#include "topics/lists/ListaModul.h"
#include "topics/menus/MenuModul.h"
#include "topics/mouse/EgerModul.h"
#include "topics/panels/PanelModul.h"
#include "topics/programs/PrgModul.h"
#include "topics/selection/JelModul.h"
#include "topics/summary/OszzeFoglModul.h"
#include "topics/windows/WindowsModul.h"

TModuleTable CourseModules()
{
    TModuleTable table;
    table.Add(QStringLiteral("RETURN_TO_MAIN"), [] { return std::make_shared<TFooldalModul>(); });
    table.Add(QStringLiteral("BILLENTYU"), [] { return std::make_shared<TBillentyuModul>(); });
    table.Add(QStringLiteral("EGEREZES"), [] { return std::make_shared<TEgerModul>(); });
    table.Add(QStringLiteral("GOMBOK"), [] { return std::make_shared<TGombModul>(); });
    table.Add(QStringLiteral("JELOLESEK"), [] { return std::make_shared<TJelModul>(); });
    table.Add(QStringLiteral("LISTADOBOZOK"), [] { return std::make_shared<TListaModul>(); });
    table.Add(QStringLiteral("PANELEK"), [] { return std::make_shared<TPanelModul>(); });
    table.Add(QStringLiteral("ABLAKOK"), [] { return std::make_shared<TWindowsModul>(); });
    table.Add(QStringLiteral("MENUK"), [] { return std::make_shared<TMenuModul>(); });
    table.Add(QStringLiteral("PROGRAMOK"), [] { return std::make_shared<TPrgModul>(); });
    table.Add(QStringLiteral("OSSZEFOGL"), [] { return std::make_shared<TOszzeFoglModul>(); });
    return table;
}
