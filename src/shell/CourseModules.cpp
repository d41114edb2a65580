#include "CourseModules.h"

#include "framework/Ertekeles.h"
#include "home/FooldalModul.h"
#include "home/ModulValaszt.h"
#include "home/NavBeker.h"
#include "shell/Board.h"
#include "topics/keyboard/Betuvadaszat.h"
#include "topics/keyboard/BillInfo.h"
#include "topics/keyboard/BillentyuModul.h"
#include "topics/keyboard/Billentyuzet.h"
#include "topics/keyboard/KeyboardResults.h"
#include "topics/keyboard/KeyboardRoad.h"
#include "topics/keyboard/OsztalyBe.h"
#include "topics/keyboard/Szogepeles.h"

namespace {

using TSample = TModuleTable::TPageSample;

// A page shown with one text on the board under key; no key, nothing stored.
template <class Page> TSample Sample(const QString& label, const QString& key = {}, const QString& text = {})
{
    return {label,
            [key, text](IModuleController& controller) {
                if (!key.isEmpty())
                    Board::PutText(controller, key, text);
            },
            [] { return new Page(); }};
}

// A page the module shows for a step word under "STEP".
template <class Page> TSample Step(const QString& page, const QString& step)
{
    return Sample<Page>(page + '_' + step, QStringLiteral("STEP"), step);
}

std::vector<TSample> HomePages()
{
    const QString mode = QStringLiteral("MODULVALASZT");
    return {
        Sample<TNavBeker>(QStringLiteral("NavBeker")),
        Sample<TModulValaszt>(QStringLiteral("ModulValaszt_BEVEZETO"), mode, QStringLiteral("BEVEZETO")),
        Sample<TModulValaszt>(QStringLiteral("ModulValaszt_VALASZT"), mode, QStringLiteral("VALASZT")),
    };
}

// The keyboard road's pages in their order, the practice page with each of its steps.
std::vector<TSample> KeyboardPages()
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

} // namespace

TModuleTable CourseModules()
{
    TModuleTable table;
    table.Add(QStringLiteral("RETURN_TO_MAIN"), [] { return std::make_shared<TFooldalModul>(); }, HomePages);
    table.Add(QStringLiteral("BILLENTYU"), [] { return std::make_shared<TBillentyuModul>(); }, KeyboardPages);
    return table;
}
