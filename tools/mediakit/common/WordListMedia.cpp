// The reflex game's word file: words every child knows, short enough for its narrow list box.
// UTF-8, one word a line.

#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

#include <QStringList>

namespace {

const char* const Words[] = {
    // fruit and food
    "alma", "körte", "szilva", "barack", "cseresznye", "eper", "málna", "dinnye", "szőlő", "citrom",
    "narancs", "banán", "répa", "krumpli", "paprika", "paradicsom", "uborka", "hagyma", "kenyér", "kifli",
    "zsemle", "tej", "sajt", "vaj", "tojás", "leves", "palacsinta", "torta", "cukor", "méz",
    // animals
    "kutya", "macska", "egér", "ló", "tehén", "malac", "bárány", "kecske", "nyuszi", "róka",
    "farkas", "medve", "őz", "sün", "mókus", "béka", "hal", "veréb", "gólya", "kacsa",
    "liba", "tyúk", "csiga", "lepke", "katica", "hangya", "oroszlán", "zsiráf", "elefánt", "majom",
    "zebra", "teknős", "delfin", "bálna",
    // home and things
    "ház", "ajtó", "ablak", "asztal", "szék", "ágy", "lámpa", "szekrény", "polc", "párna",
    "takaró", "tükör", "kanál", "villa", "kés", "tányér", "pohár", "bögre", "fazék", "labda",
    "baba", "kocka", "sapka", "sál", "kesztyű", "cipő", "csizma", "kabát", "szoknya", "nadrág",
    "zokni", "táska", "ceruza", "radír", "füzet", "könyv", "toll", "kréta", "kulcs", "óra",
    "telefon", "rádió",
    // the world outside
    "iskola", "óvoda", "kert", "erdő", "rét", "folyó", "tó", "tenger", "hegy", "domb",
    "fa", "virág", "fű", "levél", "nap", "hold", "csillag", "felhő", "eső", "hó",
    "szél", "autó", "busz", "vonat", "hajó", "repülő", "bicikli", "roller", "szánkó",
    // good times
    "zene", "mese", "játék", "ünnep", "ajándék", "születésnap",
};

const TMediaProducer words("wordlist", [](TMediaKit& kit) {
    QStringList lines;
    for (const char* word : Words)
        lines << QString::fromUtf8(word);
    kit.WriteEtc("words.txt", (lines.join('\n') + '\n').toUtf8());
});

} // namespace
