#pragma once

#include <QDateTime>
#include <QString>

// One evaluation the learner read, as the results store keeps it.
struct TEvaluationRecord {
    // Unique over every PC, so that a record sent twice is stored once.
    QString id;
    // UTC, to the millisecond.
    QDateTime time;
    QString host;
    QString name;
    QString grade;
    // The chooser's word of the module ("BILLENTYU" ...).
    QString topic;
    // The page that led to the evaluation.
    QString page;
    QString text;

    // A new record made now on this PC.
    static TEvaluationRecord Make(const QString& topic, const QString& page, const QString& name,
                                  const QString& grade, const QString& text);
    // The time as stored: ISO 8601 in UTC with milliseconds, which sorts as it reads.
    QString TimeText() const;

    bool operator==(const TEvaluationRecord&) const = default;
};
