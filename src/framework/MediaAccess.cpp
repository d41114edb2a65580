#include "MediaAccess.h"

#include "Cipher.h"
#include "Colours.h"
#include "Image.h"
#include "MediaName.h"
#include "PictureDecoding.h"
#include "platform/CourseError.h"
#include "platform/Services.h"
#include "platform/SoundOutput.h"

#include <QFile>
#include <QFileInfo>

namespace {

QImage Decoded(const QString& name, const char* kind, QImage (*decode)(const QByteArray&, QString*))
{
    QString reason;
    QImage image = decode(LoadMediaStream(name), &reason);
    if (image.isNull())
        throw TCourseError(QString("The picture file \"%1\" is not a valid %2 picture: %3")
                               .arg(PictureFilePath(name), kind, reason));
    return image;
}

[[noreturn]] void RangeError(const QString& what, int value)
{
    throw TCourseError(QString("Range check error: %1 (%2) does not fit in 0..255").arg(what).arg(value));
}

QString TwoDigits(int value)
{
    return value < 10 ? "0" + QString::number(value) : QString::number(value);
}

} // namespace

QString PictureFilePath(const QString& name)
{
    return ImageFolder + MediaName::Canonical(name) + "e";
}

QByteArray LoadMediaStream(const QString& name)
{
    const QString path = PictureFilePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TCourseError(QString("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TCourseError(QString("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    Cipher::Apply(content);
    return content;
}

QImage LoadBmp(const QString& name)
{
    return Decoded(name, "BMP", PictureDecoding::Bmp);
}

QImage LoadJpeg(const QString& name)
{
    return Decoded(name, "JPEG", PictureDecoding::Jpeg);
}

QImage LoadPng(const QString& name)
{
    return Decoded(name, "PNG", PictureDecoding::Png);
}

void DrawBmpFile(const QString& name, TImage& image)
{
    const QImage bitmap = LoadBmp(name);
    image.Canvas().Draw(0, 0, bitmap);
}

void DrawJpegFile(const QString& name, TImage& image)
{
    const QImage jpeg = LoadJpeg(name);
    image.Canvas().Draw(0, 0, jpeg);
}

void DrawImageFile(const QString& name, TImage& image)
{
    const QString upper = name.toUpper();
    if (upper.contains(".JPEG") || upper.contains(".JPG"))
        DrawJpegFile(name, image);
    else if (upper.contains(".BMP"))
        DrawBmpFile(name, image);
}

QString AviPath(const QString& name)
{
    return AviFolder + MediaName::Canonical(name);
}

QString EtcPath(const QString& name)
{
    return EtcFolder + MediaName::Canonical(name);
}

QString SoundPath(const QString& name)
{
    return SoundFolder + MediaName::Canonical(name);
}

void PlaySoundFile(const QString& name)
{
    ISoundOutput& sound = Services::Sound();
    if (!sound.Available())
        return;
    // The player resolves nothing itself: it gets the file's full path.
    sound.Play(QFileInfo(SoundPath(name)).absoluteFilePath());
}

TSplitTime SplitSeconds(int seconds)
{
    TSplitTime parts;
    parts.hours = seconds / 3600;
    parts.minutes = seconds / 60;
    parts.seconds = seconds % 60;
    if (parts.hours < 0 || parts.hours > 255)
        RangeError("hours", parts.hours);
    if (parts.minutes < 0 || parts.minutes > 255)
        RangeError("minutes", parts.minutes);
    if (parts.seconds < 0)
        RangeError("seconds", parts.seconds);
    return parts;
}

QString FormatMinSec(int seconds)
{
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    if (minutes < 0 || minutes > 255)
        RangeError("minutes", minutes);
    if (rest < 0)
        RangeError("seconds", rest);
    return TwoDigits(minutes) + ":" + TwoDigits(rest);
}

QString FormatClock(int minutes)
{
    if (minutes < 0)
        throw TCourseError(QString("Range check error: a clock cannot show %1 minutes").arg(minutes));
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    const QString hourText = hours % 24 == 0 ? QString("0") : QString::number(hours);
    return hourText + ":" + TwoDigits(rest);
}

void MakeTransparentPicture(TImage& image, QImage::Format format, const QColor& colour)
{
    // Bitmaps are held in 24 or 32 bits; a smaller depth is kept in 24 so that the layer's colour
    // stays exactly the see-through colour.
    const bool wide = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied;
    QImage bitmap(image.size().expandedTo(QSize(1, 1)), wide ? QImage::Format_RGB32 : QImage::Format_RGB888);
    bitmap.fill(colour);
    TPicture picture;
    picture.kind = TPictureKind::Bitmap;
    picture.image = bitmap;
    picture.transparent = true;
    picture.transparentColor = colour;
    image.SetPicture(picture);
    image.Canvas().BrushColor = colour;
}

void MakeTransparentPicture(TImage& image, QImage::Format format)
{
    MakeTransparentPicture(image, format, DelphiColor(PageColour));
}

void PrepareTextLayer(TImage& image)
{
    MakeTransparentPicture(image, QImage::Format_RGB888);
}
