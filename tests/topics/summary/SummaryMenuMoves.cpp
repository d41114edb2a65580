#include "SummaryMenuMoves.h"

#include "framework/Menu.h"
#include "framework/PushButton.h"
#include "platform/HungarianText.h"
#include "support/Learner.h"
#include "topics/menus/MenusMoves.h"
#include "topics/summary/OsszefoglMenuForm.h"
#include "topics/summary/OsszefoglMenuFrmForm.h"

#include <QStringList>

namespace SummaryMenuMoves {

std::vector<int> Rows(const TOsszefoglMenuFrmForm& window, const QString& path)
{
    std::vector<int> rows;
    const TMenuItem* level = &window.mMenu()->Root();
    for (const QString& caption : path.split(QStringLiteral(" \\ "))) {
        int found = -1;
        for (int i = 0; i < level->Count() && found < 0; ++i)
            if (HungarianText::Upper(level->Item(i).Text()) == HungarianText::Upper(caption))
                found = i;
        if (found < 0)
            return {};
        rows.push_back(found);
        level = &level->Item(found);
    }
    return rows;
}

bool Helpful(TLearner& learner)
{
    auto* page = learner.CurrentPageAs<TOsszefoglMenuForm>();
    if (!page)
        return false;
    TOsszefoglMenuFrmForm* window = page->Window();
    if (page->MenuStep() == 1)
        learner.Click(window->btnTovabb());
    else if (page->MenuStep() == 2)
        learner.Click(page->FirstMenuVisit() ? window->btnStart() : window->btnTovabb());
    else if (const std::vector<int> rows = Rows(*window, page->Target()); !rows.empty())
        MenusMoves::ChooseByMouse(learner, *window, rows);
    else
        return false;
    return true;
}

} // namespace SummaryMenuMoves
