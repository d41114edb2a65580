#pragma once

#include "ClipFrames.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

// Clips opened before, kept with the frames decoded so far for the next control that plays the
// same file. A clip is found by its file's canonical name and is used again only while the file
// holds the same bytes. The kept clips stay within a byte budget, each counted as if all its
// frames were decoded; beyond it the least recently opened clips are let go (a control still
// playing one keeps it until it closes or opens another).
class TClipCache {
public:
    static constexpr qint64 CourseBudget = 16LL * 1024 * 1024;

    explicit TClipCache(qint64 budget) : budget_(budget) {}

    // The one cache the course's players share.
    static TClipCache& Course();

    // The clip in the file at diskPath. A missing, unreadable or damaged file throws TCourseError
    // naming name.
    std::shared_ptr<TClipFrames> Open(const QString& diskPath, const QString& name);

    qint64 Bytes() const;
    int Count() const { return static_cast<int>(entries_.size()); }
    // Lets every kept clip go.
    void Clear() { entries_.clear(); }

private:
    struct TEntry {
        QString file;
        QByteArray bytes;
        std::shared_ptr<TClipFrames> clip;
        qint64 Bytes() const { return bytes.size() + clip->Bytes(); }
    };
    void Keep(TEntry entry);

    qint64 budget_;
    std::vector<TEntry> entries_; // the most recently opened last
};
