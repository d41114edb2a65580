#include "ReaderFuzz.h"

#include "Mutations.h"
#include "framework/Cipher.h"
#include "framework/ClipPlayer.h"
#include "framework/MediaAccess.h"
#include "framework/PictureDecoding.h"
#include "framework/WordList.h"
#include "mediakit/AviWriter.h"
#include "platform/CourseError.h"
#include "platform/ManualTime.h"
#include "platform/Services.h"
#include "platform/WaveCheck.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <atomic>
#include <cstdio>

namespace ReaderFuzz {

namespace {

// Plain memory, so that a crash handler may print it.
char currentInput[96] = "";
std::atomic<long> inputsRead{0};

void NoteInput(const char* reader, int index, std::uint64_t seed)
{
    std::snprintf(currentInput, sizeof currentInput, "%s #%d (seed %llu)", reader, index,
                  static_cast<unsigned long long>(seed));
}

QImage Sample(QSize size, bool alpha)
{
    QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(QColor(40, 90, 200, alpha ? 160 : 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(250, 210, 0));
    gradient.setColorAt(1, QColor(220, 40, 90, alpha ? 90 : 255));
    painter.setBrush(gradient);
    painter.drawEllipse(QRect(QPoint(2, 2), size - QSize(4, 4)));
    return image;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 85);
    return bytes;
}

QByteArray Wave()
{
    auto u32 = [](quint32 v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b; };
    auto u16 = [](quint16 v) { QByteArray b(2, '\0'); qToLittleEndian(v, b.data()); return b; };
    QByteArray samples;
    for (int i = 0; i < 400; ++i)
        samples += u16(quint16(qint16((i % 40 - 20) * 800)));
    const QByteArray body = "WAVE" + QByteArray("fmt ") + u32(16) + u16(1) + u16(1) + u32(22050) + u32(44100)
                            + u16(2) + u16(16) + "data" + u32(quint32(samples.size())) + samples;
    return "RIFF" + u32(quint32(body.size())) + body;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

bool Sane(const QImage& image)
{
    return image.width() <= PictureDecoding::MaxSide && image.height() <= PictureDecoding::MaxSide
           && qint64(image.width()) * image.height() <= PictureDecoding::MaxPixels;
}

class TRun {
public:
    TRun(int count, std::uint64_t seed) : count_(count), seed_(seed)
    {
        for (const char* folder : {"res/images", "res/sound", "res/avis", "res/etc", "bin"})
            QDir(root_.path()).mkpath(folder);
        previous_ = QDir::currentPath();
        QDir::setCurrent(root_.filePath("bin"));
        Services::SetTime(&time_);
    }
    ~TRun()
    {
        Services::SetTime(nullptr);
        QDir::setCurrent(previous_);
    }

    TOutcome outcome;

    using TReader = std::function<bool(const QByteArray&, int index, QString* failure)>;

    void Reader(const char* name, const QByteArray& valid, const std::vector<Mutations::TField>& fields,
                const TReader& read, void (*repair)(QByteArray&) = nullptr)
    {
        TReaderResult result{QString::fromLatin1(name)};
        for (int index = 0; index < count_; ++index) {
            NoteInput(name, index, seed_);
            QByteArray input = index == 0 ? valid : Mutations::Mutated(valid, fields, seed_, index);
            if (repair && index % 2 == 1)
                repair(input);
            QString failure;
            bool refused = false;
            try {
                refused = !read(input, index, &failure);
            } catch (const std::exception& error) {
                failure = QStringLiteral("escaped: ") + QString::fromUtf8(error.what());
            }
            if (index == 0 && refused && failure.isEmpty())
                failure = QStringLiteral("the valid file itself was refused");
            if (!failure.isEmpty())
                outcome.failures << QStringLiteral("%1 #%2 (seed %3): %4").arg(result.reader).arg(index).arg(seed_).arg(failure);
            ++result.inputs;
            ++inputsRead;
            result.refused += refused ? 1 : 0;
        }
        currentInput[0] = '\0';
        outcome.readers.push_back(result);
    }

    // A picture decoded from memory, and every eighth one through its enciphered file as a page loads it.
    TReader Picture(QImage (*decode)(const QByteArray&, QString*), QImage (*load)(const QString&), const char* file)
    {
        return [this, decode, load, file](const QByteArray& bytes, int index, QString* failure) {
            QString error;
            const QImage image = decode(bytes, &error);
            if (image.isNull() && error.isEmpty())
                *failure = QStringLiteral("refused without a reason");
            else if (!Sane(image))
                *failure = QStringLiteral("a picture beyond the limits");
            if (index % 8 == 0) {
                WriteFile(QDir(root_.path()).filePath(QStringLiteral("res/images/%1e").arg(file)),
                          Cipher::Applied(bytes));
                try {
                    if (!Sane(load(QString::fromLatin1(file))))
                        *failure = QStringLiteral("a loaded picture beyond the limits");
                } catch (const TCourseError&) {
                }
            }
            return !image.isNull();
        };
    }

    // A clip opened and played to its end, each frame painted.
    bool Clip(const QByteArray& bytes, QString* failure)
    {
        WriteFile(QDir(root_.path()).filePath(QStringLiteral("res/avis/fuzz.avi")), bytes);
        TClipPlayer player;
        player.resize(32, 24);
        try {
            player.Open(AviPath(QStringLiteral("fuzz.avi")));
        } catch (const TCourseError&) {
            return false;
        }
        try {
            player.PlayAll(1);
            const int frameTime = 1000 / std::max(1, player.FramesPerSecond()) + 1;
            for (int tick = 0; tick <= player.FrameCount() + 1 && player.Active(); ++tick) {
                time_.Advance(frameTime);
                player.Rendered();
            }
            player.Seek(player.FrameCount());
            player.Rendered();
        } catch (const std::exception& error) {
            *failure = QStringLiteral("while playing: ") + QString::fromUtf8(error.what());
        }
        return true;
    }

private:
    int count_;
    std::uint64_t seed_;
    QTemporaryDir root_;
    QString previous_;
    TManualTime time_;
};

} // namespace

TOutcome Run(int count, std::uint64_t seed)
{
    TRun run(count, seed);
    const QByteArray png = Encoded(Sample(QSize(40, 28), true), "PNG");
    const QByteArray jpeg = Encoded(Sample(QSize(40, 28), false), "JPG");
    const QByteArray bmp = Encoded(Sample(QSize(40, 28), false).convertToFormat(QImage::Format_RGB888), "BMP");
    run.Reader("PNG", png, Mutations::PngFields(png), run.Picture(PictureDecoding::Png, LoadPng, "fuzz.png"),
               Mutations::RepairPngChecksums);
    run.Reader("JPEG", jpeg, Mutations::JpegFields(jpeg), run.Picture(PictureDecoding::Jpeg, LoadJpeg, "fuzz.jpg"));
    run.Reader("BMP", bmp, Mutations::BmpFields(bmp), run.Picture(PictureDecoding::Bmp, LoadBmp, "fuzz.bmp"));

    std::vector<QImage> frames;
    for (int i = 0; i < 4; ++i) {
        QImage frame = Sample(QSize(24, 16), false);
        frame.setPixelColor(i * 5, 8, Qt::red);
        frames.push_back(frame);
    }
    const QByteArray avi = EncodeAvi(frames, 10);
    run.Reader("AVI", avi, Mutations::RiffFields(avi),
               [&run](const QByteArray& bytes, int, QString* failure) { return run.Clip(bytes, failure); });

    const QByteArray wav = Wave();
    run.Reader("WAV", wav, Mutations::RiffFields(wav), [](const QByteArray& bytes, int, QString* failure) {
        QString why;
        const bool playable = WaveCheck::Playable(bytes, &why);
        if (!playable && why.isEmpty())
            *failure = QStringLiteral("refused without a reason");
        return playable;
    });

    // A teacher's word list: damaged text gives words or an error naming the file, never more
    // than the game's 255 words.
    QByteArray words;
    for (int i = 0; i < 40; ++i)
        words += "sz\xc3\xb3" + QByteArray::number(i) + (i % 2 ? "\r\n" : "\n");
    run.Reader("words.txt", words, {}, [](const QByteArray& bytes, int, QString* failure) {
        try {
            const QStringList read = WordList::Read(bytes, QStringLiteral("words.txt"));
            if (read.size() < WordList::MinWords || read.size() > WordList::MaxWords)
                *failure = QStringLiteral("%1 words taken").arg(read.size());
            return true;
        } catch (const TCourseError& error) {
            if (!error.Message().contains(QStringLiteral("words.txt")))
                *failure = QStringLiteral("an error that does not name the file: ") + error.Message();
            return false;
        }
    });
    return std::move(run.outcome);
}

long InputsRead()
{
    return inputsRead;
}

const char* CurrentInput()
{
    return currentInput;
}

} // namespace ReaderFuzz
