#include "MediaTree.h"

#include "framework/MediaAccess.h"
#include "framework/PictureDecoding.h"
#include "platform/CourseError.h"

#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>
#include <zlib.h>

namespace {

using Decoder = QImage (*)(const QByteArray&, QString*);

QImage Picture(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(30, 60, 200, 180));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(250, 200, 0));
    painter.drawEllipse(QRect(2, 2, size.width() - 4, size.height() - 4));
    return image;
}

struct Kind {
    const char* format;
    Decoder decode;
};

const Kind Kinds[] = {{"BMP", PictureDecoding::Bmp}, {"JPG", PictureDecoding::Jpeg}, {"PNG", PictureDecoding::Png}};

QByteArray Valid(const char* format)
{
    QImage image = Picture(QSize(24, 16));
    if (QByteArray(format) != "PNG")
        image = image.convertToFormat(QImage::Format_RGB32);
    return MediaTree::Encoded(image, format, 90);
}

// Whatever comes back must be either a refusal with a reason or a picture of a sane size.
void ExpectSane(const QImage& image, const QString& error, const std::string& what)
{
    if (image.isNull()) {
        EXPECT_FALSE(error.isEmpty()) << what;
    } else {
        EXPECT_LE(image.width(), PictureDecoding::MaxSide) << what;
        EXPECT_LE(image.height(), PictureDecoding::MaxSide) << what;
    }
}

QByteArray PngChunk(const char* type, const QByteArray& body)
{
    QByteArray chunk;
    chunk.resize(4);
    qToBigEndian<quint32>(quint32(body.size()), chunk.data());
    const QByteArray typed = QByteArray(type) + body;
    chunk += typed;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))),
                          crc.data());
    return chunk + crc;
}

QByteArray PngWithoutPixels(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", QByteArray(16, 'x'))
        + PngChunk("IEND", {});
}

} // namespace

TEST(PictureDecodingTest, EveryTruncationIsRefused)
{
    for (const Kind& kind : Kinds) {
        const QByteArray whole = Valid(kind.format);
        QString error;
        ASSERT_FALSE(kind.decode(whole, &error).isNull()) << kind.format << error.toStdString();
        for (qsizetype length = 0; length < whole.size(); ++length) {
            error.clear();
            const QImage image = kind.decode(whole.left(length), &error);
            EXPECT_TRUE(image.isNull()) << kind.format << " cut at " << length;
            EXPECT_FALSE(error.isEmpty()) << kind.format << " cut at " << length;
        }
    }
}

TEST(PictureDecodingTest, FlippedBytesNeverCrash)
{
    for (const Kind& kind : Kinds) {
        const QByteArray whole = Valid(kind.format);
        for (qsizetype at = 0; at < whole.size(); ++at) {
            for (const char mask : {char(0xFF), char(0x01), char(0x80)}) {
                QByteArray damaged = whole;
                damaged[at] = char(damaged[at] ^ mask);
                QString error;
                const QImage image = kind.decode(damaged, &error);
                ExpectSane(image, error, std::string(kind.format) + " flipped at " + std::to_string(at));
            }
        }
    }
}

TEST(PictureDecodingTest, RandomBytesNeverCrash)
{
    std::mt19937 random(20240611);
    const QByteArray starts[] = {QByteArray(), QByteArray("BM"), QByteArray("\xFF\xD8\xFF\xE0", 4),
                                 QByteArray("\x89PNG\r\n\x1a\n", 8)};
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes = starts[round % 4];
        const int length = int(random() % 3000);
        for (int i = 0; i < length; ++i)
            bytes.append(char(random()));
        for (const Kind& kind : Kinds) {
            QString error;
            ExpectSane(kind.decode(bytes, &error), error, std::string(kind.format) + " round " + std::to_string(round));
        }
    }
    // Valid files with random tails grafted on after their first hundred bytes.
    for (const Kind& kind : Kinds) {
        const QByteArray whole = Valid(kind.format);
        for (int round = 0; round < 100; ++round) {
            QByteArray bytes = whole.left(100);
            const int length = int(random() % 2000);
            for (int i = 0; i < length; ++i)
                bytes.append(char(random()));
            QString error;
            ExpectSane(kind.decode(bytes, &error), error, std::string(kind.format) + " tail " + std::to_string(round));
        }
    }
}

TEST(PictureDecodingTest, HugeDimensionsAreRefusedBeforeAllocating)
{
    QString error;
    EXPECT_TRUE(PictureDecoding::Png(PngWithoutPixels(100000, 10), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_TRUE(PictureDecoding::Png(PngWithoutPixels(9000, 9000), &error).isNull());
    EXPECT_TRUE(error.contains("too large")) << error.toStdString();

    // A JPEG whose frame header claims 60000 x 60000.
    QByteArray jpeg = Valid("JPG");
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    qToBigEndian<quint16>(60000, jpeg.data() + frame + 5);
    qToBigEndian<quint16>(60000, jpeg.data() + frame + 7);
    error.clear();
    EXPECT_TRUE(PictureDecoding::Jpeg(jpeg, &error).isNull());
    EXPECT_TRUE(error.contains("too large")) << error.toStdString();

    QByteArray bmp = Valid("BMP");
    qToLittleEndian<qint32>(30000, bmp.data() + 18);
    qToLittleEndian<qint32>(-30000, bmp.data() + 22);
    error.clear();
    EXPECT_TRUE(PictureDecoding::Bmp(bmp, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(PictureDecodingTest, DamagedMediaFileRaisesTheCourseErrorWithItsName)
{
    MediaTree tree;
    const QByteArray png = Valid("PNG");
    tree.WritePicture("jelolesek/csillag.png", png.left(png.size() / 2));
    try {
        LoadPng("Jelolesek\\Csillag.png");
        FAIL() << "a cut-off picture decoded";
    } catch (const TCourseError& error) {
        EXPECT_TRUE(error.Message().contains("../res/images/jelolesek/csillag.pnge")) << error.what();
    }
    tree.WritePicture("ures.jpg", QByteArray());
    EXPECT_THROW(LoadJpeg("ures.jpg"), TCourseError);
}
