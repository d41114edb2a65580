#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/panels/ExamAnswers.h"
#include "topics/panels/PnlAutosForm.h"
#include "topics/panels/PnlFulesPanelForm.h"
#include "topics/panels/PnlKonyvJelzForm.h"
#include "topics/panels/PnlMemJatekForm.h"
#include "topics/panels/PnlMiniVizsgaForm.h"
#include "topics/panels/PnlMiniVizsgaIntroForm.h"
#include "topics/panels/PnlNyomtatForm.h"
#include "topics/panels/PnlPanelForm.h"

namespace PageSamples {

std::vector<TPageSample> Panels()
{
    return {
        Sample<TPnlNyomtatForm>(QStringLiteral("PnlNyomtatForm")),
        Sample<TPnlPanelForm>(QStringLiteral("PnlPanelForm")),
        Sample<TPnlAutosForm>(QStringLiteral("PnlAutosForm")),
        Sample<TPnlMemJatekForm>(QStringLiteral("PnlMemJatekForm")),
        Sample<TPnlKonyvJelzForm>(QStringLiteral("PnlKonyvJelzForm")),
        Sample<TPnlFulesPanelForm>(QStringLiteral("PnlFulesPanelForm")),
        Sample<TPnlMiniVizsgaIntroForm>(QStringLiteral("PnlMiniVizsgaIntroForm")),
        Sample<TPnlMiniVizsgaForm>(QStringLiteral("PnlMiniVizsgaForm")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_MINIVIZSGA"), QStringLiteral("ERTEKEL"),
                           TExamAnswers::ResultText(QStringLiteral("Anna"), 65000, 29)),
        Sample<TPnlMemJatekForm>(QStringLiteral("PnlMemJatekForm_NEXTFORM"), QStringLiteral("ACTION"),
                                 QStringLiteral("NEXTFORM")),
    };
}

} // namespace PageSamples
