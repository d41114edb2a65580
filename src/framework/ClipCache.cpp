#include "ClipCache.h"

#include "ClipDecoder.h"
#include "platform/CourseError.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

TClipCache& TClipCache::Course()
{
    static TClipCache cache(CourseBudget);
    return cache;
}

std::shared_ptr<TClipFrames> TClipCache::Open(const QString& diskPath, const QString& name)
{
    QByteArray bytes;
    {
        // The whole file is read at once, so no handle stays open while the clip plays.
        QFile file(diskPath);
        if (!file.open(QIODevice::ReadOnly))
            throw TCourseError(QString("Cannot open file \"%1\". %2").arg(name, file.errorString()));
        if (file.size() > ClipDecoder::MaxFileBytes)
            throw TCourseError(QString("Cannot open AVI \"%1\".").arg(name));
        bytes = file.readAll();
    }
    const QString canonical = QFileInfo(diskPath).canonicalFilePath();
    const auto kept = std::find_if(entries_.begin(), entries_.end(), [&](const TEntry& entry) {
        return entry.file == canonical;
    });
    if (kept != entries_.end()) {
        if (kept->bytes == bytes) {
            std::rotate(kept, kept + 1, entries_.end());
            return entries_.back().clip;
        }
        // The file has changed since: what was decoded from it is of no more use.
        entries_.erase(kept);
    }
    auto clip = std::make_shared<TClipFrames>(bytes, name);
    Keep(TEntry{canonical, std::move(bytes), clip});
    return clip;
}

qint64 TClipCache::Bytes() const
{
    qint64 total = 0;
    for (const TEntry& entry : entries_)
        total += entry.Bytes();
    return total;
}

void TClipCache::Keep(TEntry entry)
{
    if (entry.Bytes() > budget_)
        return;
    entries_.push_back(std::move(entry));
    while (Bytes() > budget_)
        entries_.erase(entries_.begin());
}
