#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

class QImage;

// Writes the course's media under one root in the canonical spelling of each name, and keeps a
// listing of what it wrote: listing.txt, one line per file, its path as pages name it and, for
// pictures and clips, the pixel size ("images/modul_valaszto.jpg 1024x768").
class TMediaKit {
public:
    explicit TMediaKit(QString root);
    // Runs every registered producer, then Finish.
    bool Run();
    // Writes the listing of what was written; false when anything failed.
    bool Finish();

    // Pictures are enciphered and stored with a trailing "e". The kind follows the name's extension.
    void WritePicture(const QString& name, const QImage& image, int jpegQuality = 90);
    void WriteSound(const QString& name, const QByteArray& wav);
    // A clip that does not decode is not written and fails the run.
    void WriteClipFile(const QString& name, const QByteArray& avi);
    // Encodes the frames losslessly (see EncodeAvi) and writes the clip.
    void WriteClip(const QString& name, const std::vector<QImage>& frames, int framesPerSecond);
    void WriteEtc(const QString& name, const QByteArray& content);
    QString Root() const { return root_; }
    // Relative paths of what was written, as pages name them: pictures without their trailing "e".
    const QStringList& Written() const { return written_; }

private:
    // The listing records the path and, for pictures and clips, the pixel size ("640x480").
    void WriteFile(const QString& folder, const QString& fileName, const QString& listedName,
        const QByteArray& content, QSize size = QSize());

    QString root_;
    QStringList written_;
    QStringList listing_;
    bool ok_ = true;
};
