#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

class TImage;

// The course's media, read from folders beside the working directory. Names may be spelled as
// pages spell them (backslashes, a leading backslash, any letter case). A file that is missing,
// unreadable or not a picture of the expected kind raises TCourseError naming the file.

inline constexpr char ImageFolder[] = "../res/images/";
inline constexpr char SoundFolder[] = "../res/sound/";
inline constexpr char AviFolder[] = "../res/avis/";
inline constexpr char EtcFolder[] = "../res/etc/";

// The enciphered file that holds a picture: its name with "e" appended, in the picture folder.
QString PictureFilePath(const QString& name);

// The deciphered content of a picture file. Nothing is cached: every call reads the file again.
QByteArray LoadMediaStream(const QString& name);
QImage LoadBmp(const QString& name);  // Format_RGB888
QImage LoadJpeg(const QString& name); // Format_RGB32
QImage LoadPng(const QString& name);  // Format_ARGB32 with the picture's alpha

// Decode and draw at (0, 0) of the control's canvas (which gives an empty control a bitmap).
void DrawBmpFile(const QString& name, TImage& image);
void DrawJpegFile(const QString& name, TImage& image);
// By the upper-cased name: ".JPEG"/".JPG" anywhere draws a JPEG, else ".BMP" a bitmap; other
// names (PNG among them) draw nothing.
void DrawImageFile(const QString& name, TImage& image);

QString AviPath(const QString& name);
QString EtcPath(const QString& name);
QString SoundPath(const QString& name);
// Plays asynchronously when the machine has a sound output; otherwise nothing happens.
void PlaySoundFile(const QString& name);

struct TSplitTime {
    int hours = 0;
    int minutes = 0; // all the minutes, not reduced modulo 60
    int seconds = 0;
};
// Each part must fit in 0..255, else a range error (TCourseError).
TSplitTime SplitSeconds(int seconds);
// "mm:ss"; minutes must fit in 0..255.
QString FormatMinSec(int seconds);
// Minutes since midnight as "h:mm"; an hour divisible by 24 is written "0".
QString FormatClock(int minutes);

// A bitmap of the control's size in the colour, that colour made see-through; the canvas brush
// takes the colour. The layer shows nothing until something else is drawn on it.
void MakeTransparentPicture(TImage& image, QImage::Format format, const QColor& colour);
void MakeTransparentPicture(TImage& image, QImage::Format format);
// A 24-bit page-colour layer for the text writer; preparing it again clears it.
void PrepareTextLayer(TImage& image);
