#include "LearnerMoves.h"

#include "Learner.h"
#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "home/ModulValaszt.h"
#include "home/NavBeker.h"
#include "topics/buttons/ButtonsMoves.h"
#include "topics/keyboard/KeyboardMoves.h"
#include "topics/mouse/MouseGamesMoves.h"
#include "topics/mouse/MouseMoves.h"
#include "topics/selection/SelectionMoves.h"
#include "topics/summary/SummaryMoves.h"
#include "topics/lists/ListsMoves.h"
#include "topics/menus/MenusMoves.h"
#include "topics/panels/PanelsMoves.h"
#include "topics/programs/ProgramsMoves.h"
#include "topics/windows/WindowsMoves.h"

#include <QLineEdit>

namespace LearnerMoves {

const std::vector<TTopicMove>& Topics()
{
    // The summary first: it plays the other topics' games its own way.
    static const std::vector<TTopicMove> topics = {SummaryMoves::Helpful,   KeyboardMoves::Helpful,  MouseMoves::Helpful,
                                                   MouseGamesMoves::Helpful, ButtonsMoves::Helpful,
                                                   SelectionMoves::Helpful, ListsMoves::Helpful,
                                                   PanelsMoves::Helpful,    WindowsMoves::Helpful,
                                                   MenusMoves::Helpful,     ProgramsMoves::Helpful};
    return topics;
}

bool Choose(TLearner& learner, const QString& topic)
{
    auto* chooser = learner.CurrentPageAs<TModulValaszt>();
    if (!chooser || chooser->Mode() != TModulValaszt::TMode::Chooser)
        return false;
    for (int row = 1; row <= TModulValaszt::Rows; ++row)
        for (int column = 1; column <= TModulValaszt::Columns; ++column) {
            learner.MoveMouse(chooser->Tile(row, column));
            if (chooser->SelectedTopic() == topic) {
                learner.Click(chooser->Tile(row, column));
                return true;
            }
        }
    return false;
}

bool Leave(TLearner& learner)
{
    for (const QPoint back : {QPoint(944, 672), QPoint(956, 720)}) {
        TBaseForm* page = learner.CurrentPage();
        if (!page || learner.CurrentPageAs<TModulValaszt>())
            break;
        QWidget* area = page->childAt(back) ? page->childAt(back) : page;
        learner.Click(area, area->mapFrom(page, back));
    }
    return learner.CurrentPageAs<TModulValaszt>() != nullptr;
}

bool Helpful(TLearner& learner)
{
    if (auto* name = learner.CurrentPageAs<TNavBeker>()) {
        name->username()->clear();
        learner.TypeText(QStringLiteral("Anna"));
        learner.PressKey(Qt::Key_Return);
        return true;
    }
    if (auto* chooser = learner.CurrentPageAs<TModulValaszt>()) {
        if (chooser->Mode() != TModulValaszt::TMode::Intro)
            return false; // which topic is the caller's choice
        learner.TypeText(QStringLiteral("t"));
        return true;
    }
    if (learner.CurrentPageAs<TErtekeles>()) {
        learner.TypeText(QStringLiteral("l"));
        return true;
    }
    for (TTopicMove move : Topics())
        if (move(learner))
            return true;
    return false;
}

} // namespace LearnerMoves
