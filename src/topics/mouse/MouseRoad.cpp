#include "MouseRoad.h"

namespace MouseRoad {

namespace {

// The shared move to a page, none of this road's own flags set.
TAction Show(TPage page, const QString& stepReady = QString())
{
    return {RoadTo(page, stepReady)};
}

TAction Butterflies(const QString& actionText)
{
    TAction action = Show(TPage::Lepkevadasz);
    action.step = Lepkevadasz;
    action.putAction = actionText;
    return action;
}

// A game left by its own way out: back to the chooser when it was chosen there, else on.
TAction ChooserOr(const TBoard& board, TPage next)
{
    if (!board.choice)
        return Show(next);
    TAction back = Show(TPage::EgerJatekvalasztas);
    back.removeChoice = true;
    return back;
}

TAction Evaluation(const QString& stepReady)
{
    return Show(TPage::Ertekeles, stepReady);
}

TAction Stay()
{
    TAction action;
    action.stay = true;
    return action;
}

// A game with rounds: "NEXTFORM" leaves it, anything else was a finished round to evaluate.
TAction GameLeft(const QString& pageName, const TBoard& board, TPage next)
{
    if (board.action != NextForm)
        return Evaluation(pageName);
    TAction action = ChooserOr(board, next);
    action.takeAction = true;
    return action;
}

TAction FromChooser(const TBoard& board)
{
    if (!board.choice) {
        TAction action;
        action.noChoice = true;
        return action;
    }
    const QString& game = *board.choice;
    if (game == QLatin1String("LEPKE"))
        return Butterflies(Start);
    if (game == QLatin1String("LUFI"))
        return Show(TPage::EgerLufipukk);
    if (game == QLatin1String("EGERVADASZ"))
        return Show(TPage::Egervadaszat);
    if (game == QLatin1String("KOSAR"))
        return Show(TPage::EgerBasketBall);
    return Stay();
}

TAction FromEvaluation(const TBoard& board)
{
    const QString& ready = board.stepReady;
    if (ready == Lepkevadasz)
        return Butterflies(LepkevadaszContinue);
    if (ready == QLatin1String("EGERVADASZATFORM"))
        return board.round ? Show(TPage::Egervadaszat) : ChooserOr(board, TPage::DuplaKatt);
    if (ready == QLatin1String("EGERLUFIPUKKFORM"))
        return board.round ? Show(TPage::EgerLufipukk) : ChooserOr(board, TPage::EgerDragDrop);
    if (ready == QLatin1String("EGERBASKETBALLFORM"))
        return Show(TPage::EgerBasketBall);
    return Show(TPage::EgerJatekvalasztas);
}

} // namespace

TAction Next(const QString& pageName, const TBoard& board)
{
    if (pageName == QLatin1String("EGEREKFORM"))
        return Show(TPage::EgerTipus);
    if (pageName == QLatin1String("EGERTIPUSFORM"))
        return Show(TPage::EgerKurzor);
    if (pageName == QLatin1String("EGERKURZORFORM"))
        return Show(TPage::EgerKattInfo);
    if (pageName == QLatin1String("EGERKATTINFOFORM"))
        return Show(TPage::EgerKattint);
    if (pageName == QLatin1String("EGERKATTINTFORM"))
        return Butterflies(Start);
    if (pageName == QLatin1String("LEPKEVADASZFORM")) {
        if (board.stepReady == Result) {
            TAction action = Evaluation(Lepkevadasz);
            action.removeStep = true;
            return action;
        }
        if (board.stepReady == Lepkevadasz) {
            // The hunt's own "START" or "CONTINUE" means nothing to the page after it.
            TAction action = ChooserOr(board, TPage::EgerBallJobb);
            action.takeAction = true;
            return action;
        }
    }
    if (pageName == QLatin1String("ERTEKELES"))
        return FromEvaluation(board);
    if (pageName == QLatin1String("EGERBALLJOBBFORM"))
        return Show(TPage::Egervadaszat);
    if (pageName == QLatin1String("EGERVADASZATFORM"))
        return GameLeft(pageName, board, TPage::DuplaKatt);
    if (pageName == QLatin1String("DUPLAKATTFORM"))
        return Show(TPage::EgerLufipukk);
    if (pageName == QLatin1String("EGERLUFIPUKKFORM"))
        return GameLeft(pageName, board, TPage::EgerDragDrop);
    if (pageName == QLatin1String("EGERDRAGDROPFORM"))
        return Show(TPage::EgerAHazbaBe);
    if (pageName == QLatin1String("EGERAHAZBABEFORM"))
        return Show(TPage::EgerBasketBall);
    if (pageName == QLatin1String("EGERBASKETBALLFORM"))
        return GameLeft(pageName, board, TPage::EgerSzinezoInfo);
    if (pageName == QLatin1String("EGERSZINEZOINFOFORM"))
        return board.action == Auto || board.action == Ruha ? Show(TPage::EgerNoraSzinez) : Stay();
    if (pageName == QLatin1String("EGERNORASZINEZFORM")) {
        // The colouring task was that page's alone.
        TAction action = Show(TPage::EgerSzabalyok);
        action.takeAction = true;
        return action;
    }
    if (pageName == QLatin1String("EGERSZABALYOKFORM"))
        return Show(TPage::EgerEgerfajtak);
    if (pageName == QLatin1String("EGEREGERFAJTAKFORM")) {
        TAction action = Show(TPage::Ertekeles);
        action.closing = true;
        return action;
    }
    if (pageName == QLatin1String("EGERJATEKVALASZTASFORM"))
        return FromChooser(board);
    return {};
}

QString ClosingText(const QString& userName)
{
    return QStringLiteral("Kedves ") + userName +
           QStringLiteral(" <BR><BR>Sikeresen befejezted ezt a témakört is, megtanultál dolgozni az egérrel.<BR>"
                          "Ismered a jobb- és a balkattintást, sőt, a duplakattintást is gyakoroltad.<BR>"
                          "Tudsz cipelni dolgokat, és közben megismerted az egerek fajtáit is.<BR>"
                          "A többi témakörben a legtöbb munkát már egérrel végzed. Sok sikert hozzá!");
}

} // namespace MouseRoad
