#pragma once

#include "EvaluationRecord.h"
#include "ResultsRecorder.h"
#include "SchoolSettings.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class TResultsStore;

// Records evaluations into the results store on a thread of its own, so the course never waits
// for a disk or a server. What the store cannot take waits in the learner's queue file and is sent
// when the store answers again (at the latest retryMs later, or with the next record, or at the
// next start); the store keeps a record once, however often it is sent.
class TResultsWriter : public IResultsRecorder {
public:
    TResultsWriter(const TSchoolSettings& settings, const QString& queuePath, int retryMs = 30000);
    // Sends what it can without a new connection and leaves the rest in the queue file.
    ~TResultsWriter() override;
    TResultsWriter(const TResultsWriter&) = delete;
    TResultsWriter& operator=(const TResultsWriter&) = delete;

    void Record(const TEvaluationRecord& record) override;
    // Waits until every record so far is in the store: false when timeoutMs passed first.
    bool WaitUntilStored(int timeoutMs);

private:
    void Run();
    // One round: the queue file's records and those in hand go to the store; what is left goes
    // back to the file. True when nothing is left.
    bool Deliver(TResultsStore& store, std::vector<TEvaluationRecord>& inHand, bool connect);

    const TSchoolSettings settings_;
    const QString queuePath_;
    const int retryMs_;
    bool purged_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable settled_;
    std::vector<TEvaluationRecord> pending_;
    bool stopping_ = false;
    bool stored_ = true;
    std::thread thread_;
};
