#pragma once

#include <QString>

// The mouse games' words: level names, ratings and the texts of the evaluation page.
namespace MouseResults {

// "lassú" .. "villám" for levels 1 to 5.
QString LevelName(int level);
// "Fokozat: lassú": the level as the games' score shows it.
QString LevelLine(int level);

QString ButterflyRating(int caught);
QString ButterflyResult(int level, const QString& name, int caught);

QString HuntHitRating(int hits);
QString HuntMissRating(int misses);
QString HuntResult(int level, const QString& name, int hits, int misses);

QString BalloonRating(int popped);
QString BalloonResult(int level, const QString& name, int popped);

// Minutes and seconds without leading zeros ("0:7", "1:23"); the clock stops at 255:59.
QString TimeText(int milliseconds);
QString BasketRating(int milliseconds);
// recordText: the record as the page showed it when the game began.
QString BasketResult(const QString& name, const QString& recordText, int milliseconds);

} // namespace MouseResults
