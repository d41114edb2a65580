#include "platform/WaveCheck.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray U32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray U16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A mono 16-bit 22050 Hz file with a chunk of its own before the sound data.
QByteArray Wave(quint16 format = 1, quint16 channels = 1, quint32 rate = 22050, quint16 bits = 16,
                quint32 dataSize = 8)
{
    const quint16 align = quint16(channels * bits / 8);
    const QByteArray fmt = U16(format) + U16(channels) + U32(rate) + U32(rate * align) + U16(align) + U16(bits);
    QByteArray body = "WAVE" + QByteArray("fmt ") + U32(16) + fmt + "LIST" + U32(3) + "abc" + '\0' + "data"
                      + U32(dataSize) + QByteArray(8, '\x10');
    return "RIFF" + U32(quint32(body.size())) + body;
}

TEST(WaveCheckTest, PlainPcmPassesAndEverythingOddIsRefusedWithAReason)
{
    EXPECT_TRUE(WaveCheck::Playable(Wave()));
    EXPECT_TRUE(WaveCheck::Playable(Wave(1, 2, 44100, 8)));

    QByteArray dataFirst = Wave();
    dataFirst.replace(12, 4, "junk"); // the format chunk no longer counts
    const std::pair<const char*, QByteArray> refused[] = {
        {"empty", QByteArray()},
        {"truncated header", Wave().left(10)},
        {"not PCM", Wave(3)},
        {"six channels", Wave(1, 6)},
        {"rate 0", Wave(1, 1, 0)},
        {"24-bit", Wave(1, 1, 22050, 24)},
        {"data past the end", Wave(1, 1, 22050, 16, 0x7FFFFFF0)},
        {"half a sample frame", Wave(1, 1, 22050, 16, 3)},
        {"cut inside the data", Wave().left(Wave().size() - 2)},
        {"data without format", dataFirst},
    };
    for (const auto& [what, bytes] : refused) {
        QString why;
        EXPECT_FALSE(WaveCheck::Playable(bytes, &why)) << what;
        EXPECT_FALSE(why.isEmpty()) << what;
    }
}

} // namespace
