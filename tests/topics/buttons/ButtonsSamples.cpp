#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/buttons/ButtonsRoad.h"
#include "topics/buttons/GombAcceleratedForm.h"
#include "topics/buttons/GombAngolForm.h"
#include "topics/buttons/GombEszkoztarakForm.h"
#include "topics/buttons/GombFokuszosForm.h"
#include "topics/buttons/GombGombForm.h"
#include "topics/buttons/GombInaktivForm.h"
#include "topics/buttons/GombKerdesekForm.h"
#include "topics/buttons/GombKirakoForm.h"
#include "topics/buttons/GombSokfalytaForm.h"
#include "topics/buttons/GombTabulatorForm.h"
#include "topics/buttons/QuizResult.h"

namespace PageSamples {

// The buttons road's pages in their order, with the quiz's evaluation and the closing text.
std::vector<TPageSample> Buttons()
{
    const QString result = QStringLiteral("ERTEKEL");
    const QString name = QStringLiteral("Anna");
    return {
        Sample<TGombGombForm>(QStringLiteral("GombGombForm")),
        Sample<TGombSokfalytaForm>(QStringLiteral("GombSokfalytaForm")),
        Sample<TGombFokuszosForm>(QStringLiteral("GombFokuszosForm")),
        Sample<TGombTabulatorForm>(QStringLiteral("GombTabulatorForm")),
        Sample<TGombInaktivForm>(QStringLiteral("GombInaktivForm")),
        Sample<TGombAcceleratedForm>(QStringLiteral("GombAcceleratedForm")),
        Sample<TGombEszkoztarakForm>(QStringLiteral("GombEszkoztarakForm")),
        Sample<TGombKirakoForm>(QStringLiteral("GombKirakoForm")),
        Sample<TGombAngolForm>(QStringLiteral("GombAngolForm")),
        Sample<TGombKerdesekForm>(QStringLiteral("GombKerdesekForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_KERDESEK"), result, QuizResult::EvaluationText(name, 10)),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_ZARAS"), result, ButtonsRoad::ClosingText(name)),
    };
}

} // namespace PageSamples
