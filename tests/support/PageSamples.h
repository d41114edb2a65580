#pragma once

#include "shell/Board.h"
#include "shell/IModuleController.h"
#include "shell/IModuleElement.h"

#include <QString>
#include <functional>
#include <vector>

// Every page of every module, each as the road shows it, so that benchmarks and soaks reach every
// page without walking the road to it. The samples live beside each topic's learner moves
// (tests/home, tests/topics/<topic>/<Topic>Samples.cpp); the course itself carries none of them.
struct TPageSample {
    QString label; // the page's name and the step word it is shown with, as "Betuvadaszat_R2"
    // What the road has put on the board when the module shows the page.
    std::function<void(IModuleController&)> prepare;
    // A new page, not yet shown.
    std::function<IModuleElement*()> make;
};

namespace PageSamples {

// A page shown with one text on the board under key; no key, nothing stored.
template <class Page> TPageSample Sample(const QString& label, const QString& key = {}, const QString& text = {})
{
    return {label,
            [key, text](IModuleController& controller) {
                if (!key.isEmpty())
                    Board::PutText(controller, key, text);
            },
            [] { return new Page(); }};
}

// A page the module shows for a step word under "STEP".
template <class Page> TPageSample Step(const QString& page, const QString& step)
{
    return Sample<Page>(page + '_' + step, QStringLiteral("STEP"), step);
}

struct TModulePages {
    QString value; // the module's "CHANGE_MODUL" value
    std::vector<TPageSample> (*pages)();
};

// One row per module of the course, the home first; a topic that lands adds its row here.
const std::vector<TModulePages>& Modules();

// The samples of the module with this value; none for a value without a row.
std::vector<TPageSample> Of(const QString& value);

// Each module's samples, defined beside its moves.
std::vector<TPageSample> Home();
std::vector<TPageSample> Keyboard();
std::vector<TPageSample> Mouse();
std::vector<TPageSample> Buttons();
std::vector<TPageSample> Selection();
std::vector<TPageSample> Lists();
std::vector<TPageSample> Panels();
std::vector<TPageSample> Windows();
std::vector<TPageSample> Menus();
std::vector<TPageSample> Programs();
std::vector<TPageSample> Summary();

} // namespace PageSamples
