#include "EnglishWords.h"

#include <QStringList>

namespace EnglishWords {

const std::vector<TWord>& Words()
{
    static const std::vector<TWord> words = {
        {220, 100, QStringLiteral("OK  = oké, rendben. Általában parancsvégrehajtásra használjuk."),
         QStringLiteral("OK"), {600, 216}},
        {250, 0,
         QStringLiteral("YES = jesz, azaz igen. Ha a program kérdez valamit, akkor ez az egyik lehetséges válasz."),
         QStringLiteral("&Yes"), {816, 248}},
        {280, 100, QStringLiteral("NO  = nó, azaz nem.  Kérdésnél ezt is válaszolhatod."), QStringLiteral("&No"),
         {512, 280}},
        {310, 0,
         QStringLiteral("CANCEL = kenszöl, azaz mégsem. Ha nem tudod eldönteni, hogy igen vagy nem, <BR>akkor ezt "
                        "választod, és a gép nem hajtja végre az utasítást."),
         QStringLiteral("Cancel"), {752, 320}},
        {370, 100, QStringLiteral("ABORT  = ebort, azaz megszakítás. Valamilyen folyamat idő előtti leállítása."),
         QStringLiteral("Abort"), {704, 368}},
        {400, 0,
         QStringLiteral("RETRY  = ritráj, azaz ismétlés. A program megpróbálja újra végrehajtani az utasítást."),
         QStringLiteral("&Retry"), {776, 400}},
        {430, 100, QStringLiteral("GO = gó, azaz gyerünk, rajta, indulás."), QStringLiteral("GO"), {384, 432}},
        {465, 100, QStringLiteral("BEGIN = bigin, azaz kezdés, indulás."), QStringLiteral("Begin"), {384, 464}},
        {495, 100, QStringLiteral("PLAY =  lejátszás, játékindítás."), QStringLiteral("Play"), {344, 496}},
        {530, 100, QStringLiteral("EXIT = ekszit, azaz kijárat, kilépés."), QStringLiteral("&Exit"), {360, 528}},
        {560, 100, QStringLiteral("QUIT = kvit, azaz leállás, kilépés."), QStringLiteral("&Quit"), {360, 560}},
        // C belongs to Continue.
        {590, 100, QStringLiteral("CLOSE = klóz, azaz bezárás, kilépés."), QStringLiteral("C&lose"), {392, 592}},
        {625, 100, QStringLiteral("CONTINUE = kántinyú, azaz valaminek a folytatása, tovább."),
         QStringLiteral("&Continue"), {568, 624}},
    };
    return words;
}

QString HelpText()
{
    QStringList lines;
    for (const TWord& word : Words())
        lines << QString(word.text).replace(QStringLiteral("<BR>"), QString());
    lines[1] = QStringLiteral("YES = jesz, azaz igen. Ha a gép kérdez, akkor dönthetsz, hogyan válaszolsz.");
    lines[3] = QStringLiteral("CANCEL = kenszöl, azaz mégsem. A gép nem hajtja végre az utasítást.");
    lines[5] = QStringLiteral("RETRY  = retri, azaz ismétlés.");
    return lines.join(QStringLiteral("<BR>"));
}

} // namespace EnglishWords
