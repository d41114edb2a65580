#include "PageSamples.h"

namespace PageSamples {

const std::vector<TModulePages>& Modules()
{
    static const std::vector<TModulePages> modules = {
        {QStringLiteral("RETURN_TO_MAIN"), Home},   {QStringLiteral("BILLENTYU"), Keyboard},
        {QStringLiteral("EGEREZES"), Mouse},        {QStringLiteral("GOMBOK"), Buttons},
        {QStringLiteral("JELOLESEK"), Selection},   {QStringLiteral("LISTADOBOZOK"), Lists},
        {QStringLiteral("PANELEK"), Panels},        {QStringLiteral("ABLAKOK"), Windows},
        {QStringLiteral("MENUK"), Menus},           {QStringLiteral("PROGRAMOK"), Programs},
        {QStringLiteral("OSSZEFOGL"), Summary},
    };
    return modules;
}

std::vector<TPageSample> Of(const QString& value)
{
    for (const TModulePages& module : Modules())
        if (module.value == value)
            return module.pages();
    return {};
}

} // namespace PageSamples
