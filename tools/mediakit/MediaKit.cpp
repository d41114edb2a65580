#include "MediaKit.h"

#include "framework/Cipher.h"
#include "framework/MediaName.h"
#include "MediaProducer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <algorithm>

TMediaKit::TMediaKit(QString root) : root_(std::move(root)) {}

bool TMediaKit::Run()
{
    for (const char* folder : {"images", "sound", "avis", "etc"})
        QDir(root_).mkpath(QString::fromLatin1(folder));

    auto producers = TMediaProducer::All();
    std::sort(producers.begin(), producers.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [name, produce] : producers)
        produce(*this);

    QFile listing(QDir(root_).filePath("listing.txt"));
    if (!listing.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&listing);
    for (const QString& name : written_)
        out << name << '\n';
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
        ok_ = false;
        return;
    }
    WriteFile("images", name + "e", Cipher::Applied(bytes));
}

void TMediaKit::WriteSound(const QString& name, const QByteArray& wav)
{
    WriteFile("sound", name, wav);
}

void TMediaKit::WriteClipFile(const QString& name, const QByteArray& avi)
{
    WriteFile("avis", name, avi);
}

void TMediaKit::WriteEtc(const QString& name, const QByteArray& content)
{
    WriteFile("etc", name, content);
}

void TMediaKit::WriteFile(const QString& folder, const QString& name, const QByteArray& content)
{
    const QString relative = folder + '/' + MediaName::Canonical(name);
    const QString path = QDir(root_).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        QTextStream(stderr) << "mediakit: cannot write " << path << '\n';
        ok_ = false;
        return;
    }
    written_ << relative;
}
