#include "SoakStore.h"

#include "platform/ResultsQueue.h"
#include "platform/ResultsStore.h"
#include "platform/ResultsWriter.h"
#include "platform/Services.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

TSoakStore::TSoakStore()
{
    if (!folder_.isValid()) {
        failure_ = QStringLiteral("no temporary folder for the results store");
        return;
    }
    const QString path = folder_.filePath(QStringLiteral("bitlak.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QStringLiteral("[results]\nstore = sqlite\nsqlite_path = %1\n")
                          .arg(folder_.filePath(QStringLiteral("results.sqlite")))
                          .toUtf8())
               < 0) {
        failure_ = QStringLiteral("settings file not written: %1").arg(path);
        return;
    }
    file.close();
    settings_ = std::make_unique<TSchoolSettings>(path);
    if (settings_->Store() != TSchoolSettings::TStore::Sqlite) {
        failure_ = QStringLiteral("settings not taken: %1").arg(settings_->Problems().join(QLatin1Char(' ')));
        return;
    }
    writer_ = std::make_unique<TResultsWriter>(*settings_, folder_.filePath(QStringLiteral("queue/results-queue.jsonl")));
    Services::SetResults(this);
}

TSoakStore::~TSoakStore()
{
    Services::SetResults(nullptr);
}

void TSoakStore::Record(const TEvaluationRecord& record)
{
    QElapsedTimer clock;
    clock.start();
    writer_->Record(record);
    longestNs_ = std::max(longestNs_, clock.nsecsElapsed());
    ids_.insert(record.id);
    ++records_;
}

QString TSoakStore::Finish()
{
    Services::SetResults(nullptr);
    QElapsedTimer clock;
    clock.start();
    const bool stored = writer_->WaitUntilStored(60000);
    const qint64 drainMs = clock.elapsed();
    std::vector<TEvaluationRecord> rows;
    QString error;
    {
        TResultsStore store(*settings_, QStringLiteral("soak-reader"));
        if (store.Open())
            rows = store.Rows();
        error = store.Error();
    }
    QSet<QString> found;
    for (const TEvaluationRecord& row : rows)
        found.insert(row.id);
    const QString queue = folder_.filePath(QStringLiteral("queue/results-queue.jsonl"));
    std::printf("results: %ld evaluations recorded, %d rows stored, longest hand-over %.3f ms, "
                "store settled %lld ms after the last event, SQLite file %lld KB\n",
                records_, int(rows.size()), longestNs_ / 1e6, static_cast<long long>(drainMs),
                static_cast<long long>(QFileInfo(settings_->SqlitePath()).size() / 1024));

    if (records_ == 0)
        return QStringLiteral("results: the learner read no evaluation; more events are needed");
    if (!stored)
        return QStringLiteral("results: the writer did not settle within 60 s");
    if (found.size() != qsizetype(rows.size()))
        return QStringLiteral("results: a record stored twice");
    if (found != ids_)
        return QStringLiteral("results: %1 recorded, %2 stored (%3)").arg(records_).arg(rows.size()).arg(error);
    if (QFileInfo::exists(queue))
        return QStringLiteral("results: %1 records left in the queue").arg(TResultsQueue(queue).Load().size());
    return QString();
}
