#pragma once

#include "EvaluationRecord.h"

#include <QString>
#include <vector>

// The records the store could not take yet, in a small file of the learner's own (one JSON object
// a line), kept until they are sent, across runs of the course.
class TResultsQueue {
public:
    explicit TResultsQueue(QString path);

    // In the user's data folder ($XDG_DATA_HOME/bitlak).
    static QString DefaultPath();

    const QString& Path() const { return path_; }
    // Every record waiting; a damaged line is skipped.
    std::vector<TEvaluationRecord> Load() const;
    // Replaces the waiting records; none left removes the file (and none ever writes nothing).
    // False when the file could not be written.
    bool Save(const std::vector<TEvaluationRecord>& records) const;

private:
    QString path_;
};
