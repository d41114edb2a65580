#include "RecordingVoice.h"

void TRecordingVoice::Say(const QString& text)
{
    if (!available_)
        return;
    said_ << text;
    speaking_ = true;
}

void TRecordingVoice::Stop()
{
    ++stops_;
    speaking_ = false;
}

void TRecordingVoice::Clear()
{
    said_.clear();
    stops_ = 0;
    speaking_ = false;
}
