#include "ResultsWriter.h"

#include "ResultsQueue.h"
#include "ResultsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <chrono>

TResultsWriter::TResultsWriter(const TSchoolSettings& settings, const QString& queuePath, int retryMs)
    : settings_(settings), queuePath_(queuePath), retryMs_(retryMs)
{
    // A queue left by an earlier run is sent at once.
    stored_ = false;
    thread_ = std::thread([this] { Run(); });
}

TResultsWriter::~TResultsWriter()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void TResultsWriter::Record(const TEvaluationRecord& record)
{
    {
        const std::lock_guard lock(mutex_);
        pending_.push_back(record);
        stored_ = false;
    }
    wake_.notify_all();
}

bool TResultsWriter::WaitUntilStored(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    return settled_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return stored_; });
}

void TResultsWriter::Run()
{
    TResultsStore store(settings_, QStringLiteral("bitlak-results-%1").arg(reinterpret_cast<quintptr>(this)));
    // Records taken from pending_ that are neither stored nor in the queue file yet.
    std::vector<TEvaluationRecord> inHand;
    std::unique_lock lock(mutex_);
    for (;;) {
        inHand.insert(inHand.end(), pending_.begin(), pending_.end());
        pending_.clear();
        const bool last = stopping_;
        lock.unlock();
        // At the end a server that is not answering is not waited for: the queue keeps the rest.
        const bool done = Deliver(store, inHand, !last || store.IsOpen());
        lock.lock();
        stored_ = done && pending_.empty();
        settled_.notify_all();
        if (last)
            return;
        const auto due = [this] { return stopping_ || !pending_.empty(); };
        if (done)
            wake_.wait(lock, due);
        else
            wake_.wait_for(lock, std::chrono::milliseconds(retryMs_), due);
    }
}

namespace {

// Those of more not in records yet, added at the end.
void Merge(std::vector<TEvaluationRecord>& records, const std::vector<TEvaluationRecord>& more)
{
    QSet<QString> ids;
    for (const TEvaluationRecord& record : records)
        ids.insert(record.id);
    for (const TEvaluationRecord& record : more)
        if (!ids.contains(record.id)) {
            ids.insert(record.id);
            records.push_back(record);
        }
}

} // namespace

bool TResultsWriter::Deliver(TResultsStore& store, std::vector<TEvaluationRecord>& inHand, bool connect)
{
    const TResultsQueue queue(queuePath_);
    // Two courses of one account (or one account on two PCs sharing a home) take turns with the file.
    QLockFile guard(queuePath_ + QStringLiteral(".lock"));
    bool locked = false;
    const auto lockQueue = [&] {
        if (!locked && QDir().mkpath(QFileInfo(queuePath_).absolutePath()))
            locked = guard.tryLock(2000);
        return locked;
    };

    std::vector<TEvaluationRecord> waiting;
    const bool queued = QFileInfo::exists(queuePath_);
    if (queued) {
        if (!lockQueue())
            return false;
        waiting = queue.Load();
    }
    Merge(waiting, inHand);

    std::size_t sent = 0;
    if (connect && !waiting.empty() && store.Open()) {
        if (!purged_ && settings_.KeepDays() > 0)
            purged_ = store.RemoveBefore(QDateTime::currentDateTimeUtc().addDays(-settings_.KeepDays()));
        while (sent < waiting.size() && store.Insert(waiting[sent]))
            ++sent;
    }
    std::vector<TEvaluationRecord> left(waiting.begin() + static_cast<std::ptrdiff_t>(sent), waiting.end());
    if (left.empty() && !queued) {
        inHand.clear(); // straight into the store: nothing written beside it
        return true;
    }
    if (!lockQueue()) {
        inHand = left;
        return false;
    }
    if (!queued) // another course of the account may have queued meanwhile
        Merge(left, queue.Load());
    // When the file cannot be written (a full disk) the records stay in hand and are tried again;
    // those the old file still lists are stored once however often they are sent.
    if (queue.Save(left))
        inHand.clear();
    else
        inHand = left;
    return left.empty();
}
