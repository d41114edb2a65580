#pragma once

#include "framework/Cipher.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A throw-away installation: res/images, res/sound, res/avis, res/etc and a bin/ working directory,
// so that "../res/..." resolves as it does for the course. Restores the working directory after.
class MediaTree {
public:
    MediaTree() : previous_(QDir::currentPath())
    {
        for (const char* folder : {"res/images", "res/sound", "res/avis", "res/etc", "bin"})
            QDir(root_.path()).mkpath(folder);
        QDir::setCurrent(root_.filePath("bin"));
    }
    ~MediaTree() { QDir::setCurrent(previous_); }
    MediaTree(const MediaTree&) = delete;
    MediaTree& operator=(const MediaTree&) = delete;

    QString Root() const { return root_.path(); }

    // Stores the picture file enciphered under its on-disk name (lower case, slashes) + "e".
    void WritePicture(const QString& diskName, const QByteArray& plain)
    {
        WriteRaw("res/images/" + diskName + "e", Cipher::Applied(plain));
    }

    void WriteRaw(const QString& relative, const QByteArray& content)
    {
        const QString path = QDir(root_.path()).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(content), content.size());
    }

    static QByteArray Encoded(const QImage& image, const char* format, int quality = -1)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, format, quality));
        return bytes;
    }

private:
    QTemporaryDir root_;
    QString previous_;
};
