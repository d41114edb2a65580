#include "framework/Cipher.h"
#include "mediakit/AviWriter.h"
#include "mediakit/MediaKit.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(MediaKitTest, WritesCanonicalNamesAndListsThemWithPictureSizes)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    TMediaKit kit(root.path());

    QImage picture(30, 20, QImage::Format_ARGB32);
    picture.fill(qRgba(200, 10, 10, 128));
    kit.WritePicture("Jelolesek\\Minta.PNG", picture);
    kit.WritePicture("\\hatter.jpg", QImage(64, 48, QImage::Format_RGB32));
    kit.WriteSound("Hang.wav", "RIFF");
    std::vector<QImage> frames(3, QImage(16, 12, QImage::Format_RGB32));
    kit.WriteClip("Menu\\Kabel_Odon_02.AVI", frames, 10);
    kit.WriteEtc("words.txt", "alma\n");
    ASSERT_TRUE(kit.Finish());

    const QStringList listing = QString::fromUtf8(Read(root.filePath("listing.txt"))).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(listing, QStringList({"images/jelolesek/minta.png 30x20", "images/hatter.jpg 64x48", "sound/hang.wav",
                           "avis/menu/kabel_odon_02.avi 16x12", "etc/words.txt"}));
    EXPECT_EQ(kit.Written(), QStringList({"images/jelolesek/minta.png", "images/hatter.jpg", "sound/hang.wav",
                                 "avis/menu/kabel_odon_02.avi", "etc/words.txt"}));

    // Pictures are stored enciphered under their name with a trailing "e".
    const QByteArray stored = Read(root.filePath("images/jelolesek/minta.pnge"));
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_FALSE(stored.startsWith("\x89PNG"));
    const QImage back = QImage::fromData(Cipher::Applied(stored), "PNG");
    EXPECT_EQ(back.size(), QSize(30, 20));
    EXPECT_EQ(back.pixel(5, 5), qRgba(200, 10, 10, 128)) << "alpha survives";
    EXPECT_FALSE(QFile::exists(root.filePath("images/jelolesek/minta.png")));

    EXPECT_EQ(Read(root.filePath("sound/hang.wav")), QByteArray("RIFF"));
    EXPECT_TRUE(Read(root.filePath("avis/menu/kabel_odon_02.avi")).startsWith("RIFF"));
    EXPECT_EQ(Read(root.filePath("etc/words.txt")), QByteArray("alma\n"));
}

TEST(MediaKitTest, AClipThatDoesNotDecodeIsNotWrittenAndFailsTheRun)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    TMediaKit kit(root.path());
    const QByteArray clip = EncodeAvi(std::vector<QImage>(4, QImage(20, 10, QImage::Format_RGB32)), 5);
    kit.WriteClipFile("jo.avi", clip);
    kit.WriteClipFile("csonka.avi", clip.left(clip.size() / 2));
    EXPECT_FALSE(kit.Finish());
    EXPECT_EQ(kit.Written(), QStringList({"avis/jo.avi"}));
    EXPECT_EQ(Read(root.filePath("listing.txt")), QByteArray("avis/jo.avi 20x10\n"));
    EXPECT_FALSE(QFile::exists(root.filePath("avis/csonka.avi")));
}

TEST(MediaKitTest, ClipEncoderRefusesFramesItCannotWrite)
{
    const QImage small(16, 12, QImage::Format_RGB32);
    EXPECT_THROW(EncodeAvi({}, 10), std::invalid_argument);
    EXPECT_THROW(EncodeAvi({small, QImage(16, 13, QImage::Format_RGB32)}, 10), std::invalid_argument);
    EXPECT_THROW(EncodeAvi({small}, 0), std::invalid_argument);
    EXPECT_THROW(EncodeAvi({QImage()}, 10), std::invalid_argument);
    EXPECT_THROW(EncodeAvi({QImage(5000, 4, QImage::Format_RGB32)}, 10), std::invalid_argument);
    // Any pixel format is taken; odd sizes too.
    const QByteArray clip = EncodeAvi({QImage(7, 5, QImage::Format_Indexed8), QImage(7, 5, QImage::Format_ARGB32)}, 1);
    EXPECT_TRUE(clip.startsWith("RIFF"));
    EXPECT_EQ(clip.mid(8, 4), "AVI ");
}

} // namespace
