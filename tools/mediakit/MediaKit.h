#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QImage;

// Writes the course's media under one root in the canonical spelling of each name, and keeps a
// listing of what it wrote.
class TMediaKit {
public:
    explicit TMediaKit(QString root);
    bool Run();

    // Pictures are enciphered and stored with a trailing "e". The kind follows the name's extension.
    void WritePicture(const QString& name, const QImage& image, int jpegQuality = 90);
    void WriteSound(const QString& name, const QByteArray& wav);
    void WriteClipFile(const QString& name, const QByteArray& avi);
    void WriteEtc(const QString& name, const QByteArray& content);
    QString Root() const { return root_; }
    const QStringList& Written() const { return written_; }

private:
    void WriteFile(const QString& folder, const QString& name, const QByteArray& content);

    QString root_;
    QStringList written_;
    bool ok_ = true;
};
