#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/mouse/DuplaKattForm.h"
#include "topics/mouse/EgerAHazbaBeForm.h"
#include "topics/mouse/EgerBallJobbForm.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/mouse/EgerDragDropForm.h"
#include "topics/mouse/EgerEgerfajtakForm.h"
#include "topics/mouse/EgerJatekvalasztasForm.h"
#include "topics/mouse/EgerKattInfoForm.h"
#include "topics/mouse/EgerKattintForm.h"
#include "topics/mouse/EgerKurzorForm.h"
#include "topics/mouse/EgerLufipukkForm.h"
#include "topics/mouse/EgerNoraSzinezForm.h"
#include "topics/mouse/EgerSzabalyokForm.h"
#include "topics/mouse/EgerSzinezoInfoForm.h"
#include "topics/mouse/EgerTipusForm.h"
#include "topics/mouse/EgerekForm.h"
#include "topics/mouse/EgervadaszatForm.h"
#include "topics/mouse/LepkevadaszForm.h"
#include "topics/mouse/MouseResults.h"
#include "topics/mouse/MouseRoad.h"

namespace {

// The butterfly hunt as the road shows it: "STEP" and the "ACTION" of a first or a next round.
TPageSample Butterflies(const QString& action)
{
    return {QStringLiteral("LepkevadaszForm_") + action,
            [action](IModuleController& controller) {
                Board::PutText(controller, QStringLiteral("STEP"), MouseRoad::Lepkevadasz);
                Board::PutText(controller, QStringLiteral("ACTION"), action);
            },
            [] { return new TLepkevadaszForm(); }};
}

} // namespace

namespace PageSamples {

// The mouse road's pages in their order: the games with a round's evaluation each, the colouring
// page with either task, the closing text and the game chooser.
std::vector<TPageSample> Mouse()
{
    const QString action = QStringLiteral("ACTION");
    const QString result = QStringLiteral("ERTEKEL");
    const QString name = QStringLiteral("Anna");
    const QString colouring = QStringLiteral("EgerNoraSzinezForm");
    return {
        Sample<TEgerekForm>(QStringLiteral("EgerekForm")),
        Sample<TEgerTipusForm>(QStringLiteral("EgerTipusForm")),
        Sample<TEgerKurzorForm>(QStringLiteral("EgerKurzorForm")),
        Sample<TEgerKattInfoForm>(QStringLiteral("EgerKattInfoForm")),
        Sample<TEgerKattintForm>(QStringLiteral("EgerKattintForm")),
        Butterflies(MouseRoad::Start),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_LEPKEVADASZ"), result, MouseResults::ButterflyResult(1, name, 8)),
        Butterflies(MouseRoad::LepkevadaszContinue),
        Sample<TEgerBallJobbForm>(QStringLiteral("EgerBallJobbForm")),
        Sample<TEgervadaszatForm>(QStringLiteral("EgervadaszatForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_EGERVADASZATFORM"), result,
                           MouseResults::HuntResult(1, name, 9, 2)),
        Sample<TDuplaKattForm>(QStringLiteral("DuplaKattForm")),
        Sample<TEgerLufipukkForm>(QStringLiteral("EgerLufipukkForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_EGERLUFIPUKKFORM"), result,
                           MouseResults::BalloonResult(1, name, 20)),
        Sample<TEgerDragDropForm>(QStringLiteral("EgerDragDropForm")),
        Sample<TEgerAHazbaBeForm>(QStringLiteral("EgerAHazbaBeForm")),
        Sample<TEgerBasketBallForm>(QStringLiteral("EgerBasketBallForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_EGERBASKETBALLFORM"), result,
                           MouseResults::BasketResult(name, QStringLiteral("1:05"), 63000)),
        Sample<TEgerSzinezoInfoForm>(QStringLiteral("EgerSzinezoInfoForm")),
        Sample<TEgerNoraSzinezForm>(colouring + QStringLiteral("_AUTO"), action, MouseRoad::Auto),
        Sample<TEgerNoraSzinezForm>(colouring + QStringLiteral("_RUHA"), action, MouseRoad::Ruha),
        Sample<TEgerSzabalyokForm>(QStringLiteral("EgerSzabalyokForm")),
        Sample<TEgerEgerfajtakForm>(QStringLiteral("EgerEgerfajtakForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_ZARAS"), result, MouseRoad::ClosingText(name)),
        Sample<TEgerJatekvalasztasForm>(QStringLiteral("EgerJatekvalasztasForm")),
    };
}

} // namespace PageSamples
