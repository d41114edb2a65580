#include "WordList.h"

#include "platform/CourseError.h"

#include <QFile>
#include <QStringDecoder>

namespace WordList {

namespace {

// 0x80..0xFF of Windows-1250; 0 where the code page has no character.
const char16_t Upper128[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

QString Decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return FromWindows1250(bytes);
}

} // namespace

QString FromWindows1250(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80)
            text += QChar(code);
        else if (char16_t mapped = Upper128[code - 0x80])
            text += QChar(mapped);
        else
            text += QChar::ReplacementCharacter;
    }
    return text;
}

QStringList Read(const QByteArray& bytes, const QString& fileName)
{
    QString text = Decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList words;
    for (const QString& line : text.split('\n')) {
        QString word = line;
        if (word.endsWith('\r'))
            word.chop(1);
        if (word.trimmed().isEmpty())
            continue;
        words << word;
        if (words.size() == MaxWords)
            break;
    }
    if (words.size() < MinWords)
        throw TCourseError(QString("The word file \"%1\" holds %2 words; the game needs at least %3.")
                               .arg(fileName)
                               .arg(words.size())
                               .arg(MinWords));
    return words;
}

QStringList Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TCourseError(QString("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TCourseError(QString("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    return Read(bytes, path);
}

} // namespace WordList
