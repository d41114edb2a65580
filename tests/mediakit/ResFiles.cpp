#include "ResFiles.h"

#include "framework/ClipDecoder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

namespace ResFiles {

QByteArray Read(const QString& relative)
{
    QFile file(QDir(QStringLiteral(BITLAK_RES_DIR)).filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QString> ListedSizes()
{
    QMap<QString, QString> sizes;
    for (const QString& line : QString::fromUtf8(Read("listing.txt")).split('\n', Qt::SkipEmptyParts))
        sizes.insert(line.section(' ', 0, 0), line.section(' ', 1));
    return sizes;
}

void ExpectListedSizes(std::initializer_list<TListedSize> expected)
{
    const QMap<QString, QString> listed = ListedSizes();
    for (const TListedSize& e : expected) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(listed.contains(e.path));
        EXPECT_EQ(listed.value(e.path).toStdString(), e.size);
    }
}

void ExpectLoopOnPageGrey(const char* path, int frames)
{
    SCOPED_TRACE(path);
    const QRgb pageGrey = qRgb(0xdd, 0xdd, 0xdd);
    const ClipDecoder::TClip decoded = ClipDecoder::Decode(Read(path), path);
    ASSERT_EQ(int(decoded.frames.size()), frames);
    for (const QImage& frame : decoded.frames) {
        ASSERT_EQ(frame.pixel(0, 0), pageGrey);
        int drawn = 0;
        for (int y = 0; y < frame.height(); y += 2)
            for (int x = 0; x < frame.width(); x += 2)
                drawn += frame.pixel(x, y) != pageGrey;
        EXPECT_GT(drawn, frame.width() * frame.height() / 4 / 100);
    }
    EXPECT_TRUE(std::any_of(decoded.frames.begin(), decoded.frames.end(),
                            [&](const QImage& frame) { return frame != decoded.frames.front(); }));
}

} // namespace ResFiles
