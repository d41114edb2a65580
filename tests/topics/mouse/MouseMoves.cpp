#include "MouseMoves.h"

#include "MouseGamesMoves.h"
#include "support/Learner.h"

#include "framework/BaseBlueForm.h"
#include "framework/Image.h"
#include "topics/mouse/EgerAHazbaBeForm.h"
#include "topics/mouse/LepkevadaszForm.h"
#include "topics/mouse/RoundGameForm.h"
#include "topics/mouse/EgerDragDropForm.h"
#include "topics/mouse/EgerEgerfajtakForm.h"
#include "topics/mouse/EgerJatekvalasztasForm.h"
#include "topics/mouse/EgerKattInfoForm.h"
#include "topics/mouse/EgerKattintForm.h"
#include "topics/mouse/EgerKurzorForm.h"
#include "topics/mouse/EgerNoraSzinezForm.h"
#include "topics/mouse/EgerSzabalyokForm.h"
#include "topics/mouse/EgerSzinezoInfoForm.h"
#include "topics/mouse/EgerTipusForm.h"
#include "topics/mouse/EgerekForm.h"

#include <QPointer>

namespace MouseMoves {

namespace {

// The game met on the last game pages in a row, and how many of its pages (one per round).
struct TGameVisit {
    QPointer<TBaseForm> page;
    QString game;
    int rounds = 0;
};
TGameVisit visit;
int roundsPerGame = 1;

bool RoundGame(TBaseForm* page)
{
    return dynamic_cast<TLepkevadaszForm*>(page) || dynamic_cast<TRoundGameForm*>(page);
}

// A game's rounds follow each other for ever: the learner plays a round as one move, and after
// the rounds asked for leaves the next one by its end-game picture as soon as it shows it.
bool PlayOrLeaveGame(TLearner& learner, TBaseForm* shown)
{
    if (!RoundGame(shown)) {
        visit = {};
        return false;
    }
    if (visit.page != shown) {
        visit.rounds = visit.game == shown->GetPageName() ? visit.rounds + 1 : 1;
        visit.game = shown->GetPageName();
        visit.page = shown;
    }
    auto* game = static_cast<TBaseBlueForm*>(shown);
    if (visit.rounds <= roundsPerGame) {
        // A round is one page: the games' own steps until the page is gone.
        const QPointer<TBaseForm> alive(shown);
        for (int step = 0; step < 5000 && alive && learner.CurrentPage() == shown; ++step)
            if (!MouseGamesMoves::Helpful(learner))
                break;
        return true;
    }
    // The round after those: left as soon as it shows its end-game picture.
    const QPointer<TBaseForm> alive(shown);
    for (int step = 0; step < 100 && alive && !game->imgEndGame()->isVisible(); ++step)
        MouseGamesMoves::Helpful(learner);
    if (alive && game->imgEndGame()->isVisible())
        learner.Click(game->imgEndGame());
    visit = {};
    return true;
}

} // namespace

void SetRoundsPerGame(int rounds)
{
    roundsPerGame = rounds;
}

void BringHome(TLearner& learner, TEgerAHazbaBeForm& page)
{
    learner.Click(page.imgStart());
    TImage* nyilacska = page.imgNyilacska();
    const QPoint grab = nyilacska->geometry().topLeft() + QPoint(84, 125);
    // Its top-left corner ends at (40, 500): in the house, clear of every margin all the way.
    learner.DragOnPage(nyilacska, grab, QPoint(40, 500) + QPoint(84, 125));
}

void DropPot(TLearner& learner, TEgerNoraSzinezForm& page, const char* pot, TImage& target)
{
    for (TImage* colour : page.ColourPots())
        if (colour->objectName() == QLatin1String(pot)) {
            const QPoint to = colour->mapFrom(&page, target.geometry().center());
            learner.Drag(colour, colour->rect().center(), to);
        }
}

bool Helpful(TLearner& learner)
{
    TBaseForm* shown = learner.CurrentPage();
    const QPointer<TBaseForm> alive(shown);
    if (PlayOrLeaveGame(learner, shown))
        return true;
    if (dynamic_cast<TEgerekForm*>(shown)) {
        learner.PressKey(Qt::Key_Return);
    } else if (dynamic_cast<TEgerTipusForm*>(shown)) {
        learner.PressKey(Qt::Key_Backspace);
    } else if (dynamic_cast<TEgerKurzorForm*>(shown)) {
        learner.PressKey(Qt::Key_Escape);
    } else if (auto* page = dynamic_cast<TEgerKattInfoForm*>(shown)) {
        // The last hand clicked closes the page.
        for (TImage* hand : {page->jobbkez(), page->balkez(), page->rosszultart()})
            if (alive)
                learner.Click(hand);
    } else if (auto* page = dynamic_cast<TEgerKattintForm*>(shown)) {
        for (TImage* head : page->Images())
            if (alive)
                learner.Click(head);
    } else if (auto* page = dynamic_cast<TEgerDragDropForm*>(shown)) {
        learner.Click(page->imgNyilacska());
    } else if (auto* page = dynamic_cast<TEgerAHazbaBeForm*>(shown)) {
        BringHome(learner, *page);
        learner.DoubleClick(page->imgNyilacska());
    } else if (auto* page = dynamic_cast<TEgerSzinezoInfoForm*>(shown)) {
        learner.Click(page->imgTivadar());
    } else if (auto* page = dynamic_cast<TEgerNoraSzinezForm*>(shown)) {
        for (TImage* target : {page->imgAuto(), page->imgPolo(), page->imgSzoknya()})
            if (target->isVisible())
                DropPot(learner, *page, "blue3", *target);
        learner.Click(page->imgEndGame());
    } else if (auto* page = dynamic_cast<TEgerSzabalyokForm*>(shown)) {
        learner.DoubleClick(page->Image1());
    } else if (auto* page = dynamic_cast<TEgerEgerfajtakForm*>(shown)) {
        learner.DoubleClick(page->imgHanyatteger());
    } else if (auto* page = dynamic_cast<TEgerJatekvalasztasForm*>(shown)) {
        learner.Click(page->imgToMenu());
    } else {
        return false;
    }
    return true;
}

} // namespace MouseMoves
