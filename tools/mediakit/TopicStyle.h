#pragma once

#include <QColor>
#include <QString>

// Each topic's colour, keyed by its chooser word ("BILLENTYU" ...): the chooser paints the
// topic's tile in it and every page of the topic takes it as its accent, so a topic looks like
// the tile the learner chose it by.
namespace TopicStyle {

// Throws std::out_of_range for a word that names no topic.
QColor Accent(const QString& topic);

} // namespace TopicStyle
