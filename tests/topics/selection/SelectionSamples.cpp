#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/selection/JelAgyuzasForm.h"
#include "topics/selection/JelChkBox2Form.h"
#include "topics/selection/JelChkBoxForm.h"
#include "topics/selection/JelChkBoxQuizForm.h"
#include "topics/selection/JelMemIntroForm.h"
#include "topics/selection/JelMemRdQuizForm.h"
#include "topics/selection/JelProgressBarForm.h"
#include "topics/selection/JelRdBtnForm.h"
#include "topics/selection/JelRdCsopForm.h"
#include "topics/selection/JelSpinEdit1Form.h"
#include "topics/selection/JelSpinEdit2Form.h"
#include "topics/selection/JelTreckBarForm.h"
#include "topics/selection/SelectionRatings.h"
#include "topics/selection/SelectionRoad.h"

namespace PageSamples {

// The selection road's pages in their order, with the quizzes' and a game's evaluations and the
// closing text.
std::vector<TPageSample> Selection()
{
    using namespace SelectionRatings;
    const QString result = QStringLiteral("ERTEKEL");
    const QString name = QStringLiteral("Anna");
    return {
        Sample<TJelRdBtnForm>(QStringLiteral("JelRdBtnForm")),
        Sample<TJelRdCsopForm>(QStringLiteral("JelRdCsopForm")),
        Sample<TJelMemIntroForm>(QStringLiteral("JelMemIntroForm")),
        Sample<TJelMemRdQuizForm>(QStringLiteral("JelMemRdQuizForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_RDBUTTON"), result, QuizText(name, 6, 5, RadioScore(5), 1)),
        Sample<TJelChkBoxForm>(QStringLiteral("JelChkBoxForm")),
        Sample<TJelChkBox2Form>(QStringLiteral("JelChkBox2Form")),
        Sample<TJelChkBoxQuizForm>(QStringLiteral("JelChkBoxQuizForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_CHKBOX"), result, QuizText(name, 10, 8, CheckBoxScore(8), 0)),
        Sample<TJelSpinEdit1Form>(QStringLiteral("JelSpinEdit1Form")),
        Sample<TJelSpinEdit2Form>(QStringLiteral("JelSpinEdit2Form")),
        Sample<TJelTreckBarForm>(QStringLiteral("JelTreckBarForm")),
        Sample<TJelProgressBarForm>(QStringLiteral("JelProgressBarForm")),
        Sample<TJelAgyuzasForm>(QStringLiteral("JelAgyuzasForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_AGYUZAS"), result, CannonText(name, 7)),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_FINITO"), result, SelectionRoad::ClosingText()),
    };
}

} // namespace PageSamples
