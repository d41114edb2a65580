#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decoders for picture files held in memory. Whatever bytes they are given, they return either a
// picture or a null image with the reason in *error; they never crash and never allocate without
// bound (pictures larger than the limits below are refused).
namespace PictureDecoding {

inline constexpr int MaxSide = 10000;
inline constexpr qint64 MaxPixels = 25'000'000;

// Format_RGB888 (Qt's BMP reader).
QImage Bmp(const QByteArray& data, QString* error);
// Format_RGB32, through libjpeg.
QImage Jpeg(const QByteArray& data, QString* error);
// Format_ARGB32 with the file's alpha, through libpng.
QImage Png(const QByteArray& data, QString* error);

} // namespace PictureDecoding
