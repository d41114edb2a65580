#include "RecordingSoundOutput.h"

void TRecordingSoundOutput::Play(const QString& path)
{
    if (available_)
        played_ << path;
}

QStringList TRecordingSoundOutput::PlayedNames() const
{
    QStringList names;
    for (const QString& path : played_)
        names << path.section('/', -1);
    return names;
}
