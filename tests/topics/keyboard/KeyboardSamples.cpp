#include "support/PageSamples.h"

#include "framework/Ertekeles.h"
#include "topics/keyboard/Betuvadaszat.h"
#include "topics/keyboard/BillInfo.h"
#include "topics/keyboard/Billentyuzet.h"
#include "topics/keyboard/KeyboardResults.h"
#include "topics/keyboard/KeyboardRoad.h"
#include "topics/keyboard/OsztalyBe.h"
#include "topics/keyboard/Szogepeles.h"

namespace PageSamples {

// The keyboard road's pages in their order, the practice page with each of its steps.
std::vector<TPageSample> Keyboard()
{
    const QString practice = QStringLiteral("Billentyuzet");
    const QString hunt = QStringLiteral("Betuvadaszat");
    const QString typing = QStringLiteral("Szogepeles");
    const QString result = QStringLiteral("ERTEKEL");
    const QString name = QStringLiteral("Anna");
    const QString grade = QStringLiteral("harmadikos");
    return {
        Sample<TOsztalyBe>(QStringLiteral("OsztalyBe")),
        Step<TBillentyuzet>(practice, QStringLiteral("T")),
        Step<TBillentyuzet>(practice, QStringLiteral("CAPSLOCK")),
        Step<TBillentyuzet>(practice, QStringLiteral("SHIFT")),
        Step<TBetuvadaszat>(hunt, QStringLiteral("R1")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_R1"), result,
                           KeyboardResults::HuntResult(QStringLiteral("R1"), name, grade, 1, 20)),
        Step<TBillentyuzet>(practice, QStringLiteral("FELSO")),
        Step<TBillentyuzet>(practice, QStringLiteral("ALSO")),
        Step<TBillentyuzet>(practice, QStringLiteral("HÁROMBILL")),
        Step<TBetuvadaszat>(hunt, QStringLiteral("R2")),
        Step<TBillentyuzet>(practice, QStringLiteral("NUMLOCK")),
        Step<TSzogepeles>(typing, QStringLiteral("SZAMOK")),
        Step<TBetuvadaszat>(hunt, QStringLiteral("R3")),
        Sample<TBillInfo>(QStringLiteral("BillInfo")),
        Step<TSzogepeles>(typing, QStringLiteral("SZAVAK")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_SZAVAK"), result, KeyboardResults::WordsResult(name, grade, 2)),
        Step<TBillentyuzet>(practice, QStringLiteral("ESC")),
        Sample<TErtekeles>(QStringLiteral("Ertekeles_ZARAS"), result, KeyboardRoad::ClosingText()),
    };
}

} // namespace PageSamples
