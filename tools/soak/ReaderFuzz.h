#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

// Every reader of outside data the course has — enciphered pictures (PNG, JPEG, BMP), clips (AVI)
// and sounds (WAV) — fed damaged copies of valid files. Each input must end in a clean refusal
// (a null picture with a reason, the course error, a refused sound) or a result within the
// readers' limits; a crash, a hang or a sanitizer report ends the run with the input's number.
namespace ReaderFuzz {

struct TReaderResult {
    QString reader;
    int inputs = 0;
    int refused = 0; // the rest were read, within the limits
};

struct TOutcome {
    std::vector<TReaderResult> readers;
    QStringList failures; // "reader #index: what went wrong"
};

// Runs `count` inputs through each reader. Works in a throw-away media tree of its own.
TOutcome Run(int count, std::uint64_t seed);

// Inputs read so far in this process, for a watchdog that tells a hang from slow work.
long InputsRead();

// What is being read now, for a crash report: "PNG #123 (seed 7)"; empty between runs. Plain
// characters, so that a crash handler may print it.
const char* CurrentInput();

} // namespace ReaderFuzz
