#pragma once

#include <QString>
#include <QStringList>

class TMenuItem;

// The timed menu search of the summary: the ten paths the learner looks for, how a chosen item is
// matched against them, and the result with its two ratings.
namespace MenuSearch {

// The paths in the order they are asked.
const QStringList& Targets();

// The captions of an item's menu, its submenu and itself, joined with " \ ".
QString PathOf(const TMenuItem& item);
// The same path whatever the letter case, by Hungarian rules ("NÉZET" is "Nézet").
bool SamePath(const QString& a, const QString& b);

QString TimeRating(int seconds);
QString ErrorRating(int errors);
// The evaluation page's text; `clock` is the time as the page's clock shows it.
QString ResultText(const QString& name, const QString& clock, int seconds, int errors);

} // namespace MenuSearch
