#include "Mutations.h"

#include <QtEndian>
#include <random>
#include <zlib.h>

namespace Mutations {

namespace {

quint32 Read(const QByteArray& bytes, const TField& field)
{
    const char* at = bytes.constData() + field.offset;
    switch (field.width) {
    case 1: return quint8(*at);
    case 2: return field.bigEndian ? qFromBigEndian<quint16>(at) : qFromLittleEndian<quint16>(at);
    default: return field.bigEndian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
    }
}

void Write(QByteArray& bytes, const TField& field, quint32 value)
{
    if (field.offset < 0 || field.offset + field.width > bytes.size())
        return;
    char* at = bytes.data() + field.offset;
    switch (field.width) {
    case 1: *at = char(value); break;
    case 2: field.bigEndian ? qToBigEndian(quint16(value), at) : qToLittleEndian(quint16(value), at); break;
    default: field.bigEndian ? qToBigEndian(value, at) : qToLittleEndian(value, at); break;
    }
}

std::vector<TField> Fitting(std::vector<TField> fields, qsizetype size)
{
    std::erase_if(fields, [size](const TField& f) { return f.offset < 0 || f.offset + f.width > size; });
    return fields;
}

} // namespace

std::vector<TField> PngFields(const QByteArray& png)
{
    std::vector<TField> fields;
    // Every chunk's length; IHDR's width, height, bit depth, colour type and interlace method.
    for (qsizetype at = 8; at + 12 <= png.size();) {
        fields.push_back({at, 4, true});
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (png.mid(at + 4, 4) == "IHDR") {
            fields.push_back({at + 8, 4, true});
            fields.push_back({at + 12, 4, true});
            fields.push_back({at + 16, 1, false});
            fields.push_back({at + 17, 1, false});
            fields.push_back({at + 20, 1, false});
        }
        if (length > quint32(png.size()))
            break;
        at += 12 + qsizetype(length);
    }
    return Fitting(fields, png.size());
}

std::vector<TField> BmpFields(const QByteArray& bmp)
{
    // File size, pixel offset, header size, width, height, planes, bits, compression, image size,
    // colours used.
    return Fitting({{2, 4}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2}, {30, 4}, {34, 4}, {46, 4}},
                   bmp.size());
}

std::vector<TField> JpegFields(const QByteArray& jpeg)
{
    std::vector<TField> fields;
    // Each marker segment's length; a frame header's precision, height, width and component count.
    for (qsizetype at = 2; at + 4 <= jpeg.size();) {
        if (quint8(jpeg[at]) != 0xFF)
            break;
        const quint8 marker = quint8(jpeg[at + 1]);
        if (marker == 0xD9 || marker == 0xDA) { // end, or the entropy-coded data begins
            if (marker == 0xDA)
                fields.push_back({at + 2, 2, true});
            break;
        }
        fields.push_back({at + 2, 2, true});
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            fields.push_back({at + 4, 1, false});
            fields.push_back({at + 5, 2, true});
            fields.push_back({at + 7, 2, true});
            fields.push_back({at + 9, 1, false});
        }
        at += 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    }
    return Fitting(fields, jpeg.size());
}

std::vector<TField> RiffFields(const QByteArray& riff)
{
    std::vector<TField> fields{{4, 4}};
    // Walk the chunks; lists are entered, the fields of the headers readers trust are added.
    std::vector<std::pair<qsizetype, qsizetype>> spans{{12, riff.size()}};
    while (!spans.empty()) {
        auto [at, end] = spans.back();
        spans.pop_back();
        while (at + 8 <= end) {
            const QByteArray id = riff.mid(at, 4);
            const quint32 size = qFromLittleEndian<quint32>(riff.constData() + at + 4);
            fields.push_back({at + 4, 4});
            const qsizetype body = at + 8;
            if (id == "LIST" || id == "RIFF") {
                spans.push_back({body + 4, std::min<qsizetype>(end, body + qsizetype(size))});
            } else if (id == "avih") {
                for (int word = 0; word < 10; ++word) // frame time ... height
                    fields.push_back({body + 4 * word, 4});
            } else if (id == "strh") {
                for (int word = 5; word < 12; ++word) // scale, rate, start, length, buffer, quality, sample
                    fields.push_back({body + 4 * word, 4});
            } else if (id == "strf") {
                for (qsizetype off : {0, 4, 8, 14, 16, 20}) // size, width, height, bits, compression, image size
                    fields.push_back({body + off, off == 14 ? 2 : 4});
            } else if (id == "fmt ") {
                for (qsizetype off : {0, 2, 4, 8, 12, 14})
                    fields.push_back({body + off, off == 4 || off == 8 ? 4 : 2});
            }
            if (size > quint32(riff.size()))
                break;
            at = body + qsizetype(size) + (size & 1);
        }
    }
    return Fitting(fields, riff.size());
}

void RepairPngChecksums(QByteArray& png)
{
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint32(png.size() - at - 12))
            return;
        const auto* typed = reinterpret_cast<const Bytef*>(png.constData() + at + 4);
        const quint32 crc = quint32(crc32(crc32(0, nullptr, 0), typed, uInt(length + 4)));
        qToBigEndian(crc, png.data() + at + 8 + qsizetype(length));
        at += 12 + qsizetype(length);
    }
}

QByteArray Mutated(const QByteArray& valid, const std::vector<TField>& fields, std::uint64_t seed, int index)
{
    std::mt19937_64 random(seed * 0x9E3779B97F4A7C15ULL + std::uint64_t(index));
    auto pick = [&random](qsizetype n) { return n <= 0 ? 0 : qsizetype(random() % std::uint64_t(n)); };
    QByteArray bytes = valid;
    if (bytes.isEmpty())
        return bytes;
    // Several kinds of damage, most often the ones that reach deepest into a reader.
    const int rounds = 1 + int(pick(3));
    for (int round = 0; round < rounds && !bytes.isEmpty(); ++round) {
        switch (index % 16 == 15 ? 7 : int(pick(7))) {
        case 0: // bit flips
            for (int flips = 1 + int(pick(8)); flips > 0; --flips)
                bytes[pick(bytes.size())] ^= char(1 << pick(8));
            break;
        case 1: // a truncation
            bytes.truncate(pick(bytes.size()));
            break;
        case 2:
        case 3: // a size or dimension field
            if (!fields.empty()) {
                const TField field = fields[pick(qsizetype(fields.size()))];
                const quint32 old = field.offset + field.width <= bytes.size() ? Read(bytes, field) : 0;
                const quint32 values[] = {0, 1, 0x7F, 0xFF, 0x7FFF, 0xFFFF, 0x7FFFFFFF, 0xFFFFFFFF,
                                          old * 2 + 1, old << 8, old + 1, old - 1};
                Write(bytes, field, values[pick(std::size(values))]);
            }
            break;
        case 4: { // a run of random or saturated bytes
            const qsizetype at = pick(bytes.size());
            const qsizetype length = std::min<qsizetype>(1 + pick(64), bytes.size() - at);
            const bool saturated = pick(2) == 0;
            for (qsizetype i = at; i < at + length; ++i)
                bytes[i] = saturated ? char(0xFF) : char(random());
            break;
        }
        case 5: { // a block repeated in place
            const qsizetype at = pick(bytes.size());
            const QByteArray block = bytes.mid(at, 1 + pick(256));
            bytes.insert(at, block.repeated(1 + int(pick(4))));
            break;
        }
        case 6: // random bytes inserted
            bytes.insert(pick(bytes.size()), QByteArray(int(1 + pick(32)), char(random())));
            break;
        default: // nothing at all
            bytes.clear();
            break;
        }
    }
    return bytes;
}

} // namespace Mutations
