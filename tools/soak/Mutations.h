#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// Deterministic damage to a valid file: bit flips, truncations, size and dimension fields set to
// zero, one, huge or doubled values, runs of random bytes, inserted and repeated blocks, and the
// empty file. The same (seed, index) always gives the same bytes, so a failure can be replayed.
namespace Mutations {

// A number inside the file that tells a reader how much to expect: a length, a size, a dimension.
struct TField {
    qsizetype offset = 0;
    int width = 4; // bytes: 1, 2 or 4
    bool bigEndian = false;
};

// The fields of each format the course reads, found in a valid file.
std::vector<TField> PngFields(const QByteArray& png);
std::vector<TField> BmpFields(const QByteArray& bmp);
std::vector<TField> JpegFields(const QByteArray& jpeg);
// Every chunk and list size of a RIFF file (AVI, WAV) and the frame or sample format fields in it.
std::vector<TField> RiffFields(const QByteArray& riff);

QByteArray Mutated(const QByteArray& valid, const std::vector<TField>& fields, std::uint64_t seed, int index);

// Gives every whole chunk of a PNG file its right checksum again, so that damage inside a chunk
// reaches the decoder instead of stopping at the checksum.
void RepairPngChecksums(QByteArray& png);

} // namespace Mutations
