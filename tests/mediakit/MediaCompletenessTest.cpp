// Checks the media the build wrote into res/: everything listed is there and readable, and
// everything the course's source names was written.

#include "MediaLiterals.h"
#include "WavFile.h"
#include "framework/Cipher.h"
#include "framework/ClipPlayer.h"
#include "platform/CourseError.h"
#include "platform/WaveCheck.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

const QString ResDir = QStringLiteral(BITLAK_RES_DIR);
const QString SourceDir = QStringLiteral(BITLAK_SOURCE_DIR);

struct TListed {
    QString path;
    QSize size;
};

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<TListed> Listing()
{
    std::vector<TListed> listed;
    for (const QString& line : QString::fromUtf8(Read(QDir(ResDir).filePath("listing.txt"))).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(' ');
        TListed entry{fields[0], QSize()};
        if (fields.size() > 1) {
            const QStringList sides = fields[1].split('x');
            if (sides.size() == 2)
                entry.size = QSize(sides[0].toInt(), sides[1].toInt());
        }
        listed.push_back(entry);
    }
    return listed;
}

TEST(MediaCompletenessTest, ListingNamesEachFileOnceInItsFolder)
{
    const std::vector<TListed> listed = Listing();
    ASSERT_FALSE(listed.empty()) << "no listing in " << ResDir.toStdString();
    QSet<QString> seen;
    for (const TListed& entry : listed) {
        EXPECT_FALSE(seen.contains(entry.path)) << "listed twice: " << entry.path.toStdString();
        seen.insert(entry.path);
        const QString folder = entry.path.section('/', 0, 0);
        EXPECT_TRUE(QStringList({"images", "sound", "avis", "etc"}).contains(folder)) << entry.path.toStdString();
        EXPECT_EQ(entry.path, entry.path.toLower()) << "one canonical spelling";
    }
}

TEST(MediaCompletenessTest, EveryPictureDeciphersToItsListedSize)
{
    int pictures = 0;
    for (const TListed& entry : Listing()) {
        if (!entry.path.startsWith("images/"))
            continue;
        ++pictures;
        const std::string name = entry.path.toStdString();
        const QByteArray stored = Read(QDir(ResDir).filePath(entry.path + "e"));
        ASSERT_FALSE(stored.isEmpty()) << name;
        const QString lower = entry.path.toLower();
        const char* format = lower.endsWith(".png") ? "PNG" : lower.endsWith(".bmp") ? "BMP" : "JPEG";
        const QImage image = QImage::fromData(Cipher::Applied(stored), format);
        EXPECT_FALSE(image.isNull()) << name << " is no " << format;
        EXPECT_TRUE(entry.size.isValid()) << name << " has no size listed";
        EXPECT_EQ(image.size(), entry.size) << name;
    }
    RecordProperty("pictures", pictures);
}

TEST(MediaCompletenessTest, EverySoundIsAShortCleanNormalisedWav)
{
    int sounds = 0;
    for (const TListed& entry : Listing()) {
        if (!entry.path.startsWith("sound/"))
            continue;
        ++sounds;
        const std::string name = entry.path.toStdString();
        const QByteArray bytes = Read(QDir(ResDir).filePath(entry.path));
        QString refused;
        EXPECT_TRUE(WaveCheck::Playable(bytes, &refused)) << name << ": the player would refuse it: "
                                                          << refused.toStdString();
        const auto wav = WavFile::Parse(bytes);
        ASSERT_TRUE(wav.has_value()) << name << " is no 16-bit PCM WAV";
        EXPECT_TRUE(wav->rate == 22050 || wav->rate == 44100) << name;
        EXPECT_EQ(wav->channels, 1) << name;
        EXPECT_GE(wav->Seconds(), 0.03) << name;
        EXPECT_LE(wav->Seconds(), 2.0) << name;
        // Heard clearly, never clipped.
        EXPECT_GE(wav->Peak(), 0.4) << name;
        EXPECT_LE(wav->Peak(), 0.95) << name;
        EXPECT_GE(wav->Rms(), 0.02) << name;
        // Starts and ends in silence: no click.
        EXPECT_LE(std::abs(wav->samples.front()), 100) << name;
        EXPECT_LE(std::abs(wav->samples.back()), 100) << name;
    }
    EXPECT_GT(sounds, 0);
}

TEST(MediaCompletenessTest, EveryClipOpensInTheClipPlayerAtItsListedSize)
{
    TClipPlayer player;
    for (const TListed& entry : Listing()) {
        if (!entry.path.startsWith("avis/"))
            continue;
        const std::string name = entry.path.toStdString();
        try {
            player.Open(QDir(ResDir).filePath(entry.path));
        } catch (const TCourseError& error) {
            ADD_FAILURE() << name << ": " << error.what();
            continue;
        }
        EXPECT_GE(player.FrameCount(), 1) << name;
        EXPECT_EQ(player.FrameSize(), entry.size) << name;
        player.Close();
    }
}

TEST(MediaCompletenessTest, WordListSuitsTheReflexGame)
{
    const QByteArray bytes = Read(QDir(ResDir).filePath("etc/words.txt"));
    ASSERT_FALSE(bytes.isEmpty());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    ASSERT_FALSE(utf8.hasError()) << "not UTF-8";
    ASSERT_TRUE(text.endsWith('\n'));
    const QStringList lines = text.chopped(1).split('\n');
    EXPECT_LE(lines.size(), 255);
    QSet<QString> distinct;
    for (const QString& word : lines) {
        EXPECT_FALSE(word.isEmpty());
        EXPECT_EQ(word, word.trimmed().toLower()) << word.toStdString();
        EXPECT_LE(word.size(), 12) << word.toStdString() << " is too wide for the list box";
        EXPECT_FALSE(distinct.contains(word)) << "twice: " << word.toStdString();
        distinct.insert(word);
    }
    EXPECT_GE(distinct.size(), 30) << "ten words are drawn; the game needs variety";
}

TEST(MediaCompletenessTest, EveryMediaNameInTheSourceWasWritten)
{
    QSet<QString> written;
    for (const TListed& entry : Listing())
        written.insert(entry.path);
    QStringList missing;
    for (const MediaLiterals::TMention& mention : MediaLiterals::Scan(SourceDir))
        if (!written.contains(mention.path))
            missing << mention.path + "  (" + mention.where + ")";
    missing.removeDuplicates();
    missing.sort();
    EXPECT_TRUE(missing.isEmpty()) << "media the kit did not write:\n  " << missing.join("\n  ").toStdString();
}

} // namespace
