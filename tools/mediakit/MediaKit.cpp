#include "MediaKit.h"

#include "AviWriter.h"
#include "framework/Cipher.h"
#include "framework/ClipDecoder.h"
#include "framework/MediaName.h"
#include "MediaProducer.h"
#include "platform/CourseError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <algorithm>
#include <exception>

TMediaKit::TMediaKit(QString root) : root_(std::move(root)) {}

bool TMediaKit::Run()
{
    for (const char* folder : {"images", "sound", "avis", "etc"})
        QDir(root_).mkpath(QString::fromLatin1(folder));

    auto producers = TMediaProducer::All();
    std::sort(producers.begin(), producers.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [name, produce] : producers) {
        // One failing producer must not hide the others' files; the run still reports failure.
        try {
            produce(*this);
        } catch (const std::exception& error) {
            QTextStream(stderr) << "mediakit: " << name << ": " << error.what() << '\n';
            ok_ = false;
        }
    }
    return Finish();
}

bool TMediaKit::Finish()
{
    QFile listing(QDir(root_).filePath("listing.txt"));
    if (!listing.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&listing);
    for (const QString& line : listing_)
        out << line << '\n';
    return ok_;
}

void TMediaKit::WritePicture(const QString& name, const QImage& image, int jpegQuality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString lower = name.toLower();
    const char* format = lower.endsWith(".png") ? "PNG" : lower.endsWith(".bmp") ? "BMP" : "JPEG";
    if (!image.save(&buffer, format, QString(format) == "JPEG" ? jpegQuality : -1)) {
        QTextStream(stderr) << "mediakit: cannot encode " << name << '\n';
        ok_ = false;
        return;
    }
    WriteFile("images", name + "e", name, Cipher::Applied(bytes), image.size());
}

void TMediaKit::WriteSound(const QString& name, const QByteArray& wav)
{
    WriteFile("sound", name, name, wav);
}

void TMediaKit::WriteClipFile(const QString& name, const QByteArray& avi)
{
    // Read back as the course will read it: a clip the player cannot open fails the kit here.
    QSize size;
    try {
        size = ClipDecoder::Decode(avi, name).frames.front().size();
    } catch (const TCourseError& error) {
        QTextStream(stderr) << "mediakit: " << error.Message() << '\n';
        ok_ = false;
        return;
    }
    WriteFile("avis", name, name, avi, size);
}

void TMediaKit::WriteClip(const QString& name, const std::vector<QImage>& frames, int framesPerSecond)
{
    WriteClipFile(name, EncodeAvi(frames, framesPerSecond));
}

void TMediaKit::WriteEtc(const QString& name, const QByteArray& content)
{
    WriteFile("etc", name, name, content);
}

void TMediaKit::WriteFile(const QString& folder, const QString& fileName, const QString& listedName,
    const QByteArray& content, QSize size)
{
    const QString path = QDir(root_).filePath(folder + '/' + MediaName::Canonical(fileName));
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        QTextStream(stderr) << "mediakit: cannot write " << path << '\n';
        ok_ = false;
        return;
    }
    const QString listed = folder + '/' + MediaName::Canonical(listedName);
    written_ << listed;
    listing_ << (size.isValid() ? QString("%1 %2x%3").arg(listed).arg(size.width()).arg(size.height()) : listed);
}
