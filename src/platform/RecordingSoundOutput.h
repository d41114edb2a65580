#pragma once

#include "SoundOutput.h"

#include <QStringList>

// Test double: remembers what was played, by file name.
class TRecordingSoundOutput : public ISoundOutput {
public:
    explicit TRecordingSoundOutput(bool available = true) : available_(available) {}
    bool Available() const override { return available_; }
    void Play(const QString& path) override;

    const QStringList& Played() const { return played_; }
    // File names only, without the folder.
    QStringList PlayedNames() const;
    void Clear() { played_.clear(); }

private:
    bool available_;
    QStringList played_;
};
