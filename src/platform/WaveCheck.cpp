#include "WaveCheck.h"

#include <QtEndian>

namespace WaveCheck {

namespace {

bool Refuse(QString* why, const char* reason)
{
    if (why)
        *why = QString::fromLatin1(reason);
    return false;
}

quint32 U32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 U16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

bool Playable(const QByteArray& bytes, QString* why)
{
    if (bytes.size() > MaxFileBytes)
        return Refuse(why, "sound file too large");
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return Refuse(why, "not a RIFF WAVE file");
    // The RIFF size may be generous or short by a pad byte; the chunks themselves must fit.
    bool haveFormat = false;
    quint16 blockAlign = 0;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = U32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(bytes.size() - body))
            return Refuse(why, "a chunk runs past the end of the file");
        if (id == "fmt ") {
            if (size < 16)
                return Refuse(why, "format chunk too short");
            const quint16 format = U16(bytes, body);
            const quint16 channels = U16(bytes, body + 2);
            const quint32 rate = U32(bytes, body + 4);
            blockAlign = U16(bytes, body + 12);
            const quint16 bits = U16(bytes, body + 14);
            if (format != 1)
                return Refuse(why, "not PCM");
            if (channels < 1 || channels > 2)
                return Refuse(why, "unusual channel count");
            if (rate < 8000 || rate > 96000)
                return Refuse(why, "unusual sample rate");
            if (bits != 8 && bits != 16)
                return Refuse(why, "unusual sample size");
            if (blockAlign != channels * bits / 8 || U32(bytes, body + 8) != rate * blockAlign)
                return Refuse(why, "inconsistent format chunk");
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return Refuse(why, "sound data before its format");
            if (size == 0 || size % blockAlign != 0)
                return Refuse(why, "no whole sample frames");
            return true;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return Refuse(why, haveFormat ? "no sound data" : "no format chunk");
}

} // namespace WaveCheck
