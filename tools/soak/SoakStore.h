#pragma once

#include "platform/ResultsRecorder.h"
#include "platform/SchoolSettings.h"

#include <QSet>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class TResultsWriter;

// The school's results store on for a soak: an SQLite file in a temporary folder, named in a
// settings file as a school writes it, and the course's own writer behind it. Installed as the
// course's recorder while it lives; it keeps every id handed over and the longest hand-over.
class TSoakStore : public IResultsRecorder {
public:
    TSoakStore();
    ~TSoakStore() override;
    TSoakStore(const TSoakStore&) = delete;
    TSoakStore& operator=(const TSoakStore&) = delete;

    // Empty when the settings and the writer were made; else why not.
    const QString& Failure() const { return failure_; }
    void Record(const TEvaluationRecord& record) override;

    // Waits for the writer, prints the figures and checks that every record handed over is in the
    // store once and nothing waits in the queue. Empty when so; else what is wrong.
    QString Finish();

private:
    QTemporaryDir folder_;
    std::unique_ptr<TSchoolSettings> settings_;
    std::unique_ptr<TResultsWriter> writer_;
    QString failure_;
    QSet<QString> ids_;
    long records_ = 0;
    qint64 longestNs_ = 0;
};
