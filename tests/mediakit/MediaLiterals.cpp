#include "MediaLiterals.h"

#include "framework/MediaName.h"

#include <QDirIterator>
#include <QFile>

namespace MediaLiterals {
namespace {

// Resolves one escape sequence starting after the backslash; returns the characters used.
int Escape(const QString& source, qsizetype at, QString& text)
{
    const QChar c = at < source.size() ? source[at] : QChar();
    switch (c.unicode()) {
    case 'n': text += '\n'; return 1;
    case 't': text += '\t'; return 1;
    case 'r': text += '\r'; return 1;
    case '0': text += QChar(0); return 1;
    case 'x': {
        qsizetype end = at + 1;
        while (end < source.size() && end < at + 3 && QString("0123456789abcdefABCDEF").contains(source[end]))
            ++end;
        text += QChar(source.mid(at + 1, end - at - 1).toUShort(nullptr, 16));
        return static_cast<int>(end - at);
    }
    default: text += c; return 1;
    }
}

} // namespace

std::vector<TLiteral> StringLiterals(const QString& source)
{
    std::vector<TLiteral> literals;
    int line = 1;
    // Set right after a literal, so that "a" "b" become one.
    bool afterLiteral = false;
    qsizetype at = 0;
    const qsizetype size = source.size();
    auto countLines = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to && i < size; ++i)
            if (source[i] == '\n')
                ++line;
    };
    while (at < size) {
        const QChar c = source[at];
        if (c == '/' && at + 1 < size && source[at + 1] == '/') {
            const qsizetype end = source.indexOf('\n', at);
            at = end < 0 ? size : end;
            continue;
        }
        if (c == '/' && at + 1 < size && source[at + 1] == '*') {
            qsizetype end = source.indexOf("*/", at + 2);
            end = end < 0 ? size : end + 2;
            countLines(at, end);
            at = end;
            continue;
        }
        if (c == '\'') {
            // A digit separator (1'000) is no character literal.
            if (at > 0 && source[at - 1].isDigit()) {
                ++at;
                continue;
            }
            ++at;
            while (at < size && source[at] != '\'' && source[at] != '\n')
                at += source[at] == '\\' ? 2 : 1;
            ++at;
            afterLiteral = false;
            continue;
        }
        if (c == '"') {
            const bool raw = at > 0 && source[at - 1] == 'R';
            const int startLine = line;
            QString text;
            if (raw) {
                const qsizetype open = source.indexOf('(', at);
                const QString closing = ')' + source.mid(at + 1, open - at - 1) + '"';
                qsizetype end = open < 0 ? -1 : source.indexOf(closing, open);
                if (end < 0)
                    end = size;
                text = source.mid(open + 1, end - open - 1);
                countLines(at, end);
                at = end + closing.size();
            } else {
                ++at;
                while (at < size && source[at] != '"' && source[at] != '\n') {
                    if (source[at] == '\\')
                        at += 1 + Escape(source, at + 1, text);
                    else
                        text += source[at++];
                }
                ++at;
            }
            if (afterLiteral && !literals.empty())
                literals.back().text += text;
            else
                literals.push_back({text, startLine});
            afterLiteral = true;
            continue;
        }
        if (c == '\n')
            ++line;
        if (!c.isSpace())
            afterLiteral = false;
        ++at;
    }
    return literals;
}

QString MediaPath(const QString& literal)
{
    static const QString forbidden = QStringLiteral("%*?<>|{} \t\n\"");
    for (QChar c : literal)
        if (forbidden.contains(c))
            return {};
    QString path = MediaName::Canonical(literal);
    QString folder;
    if (path.endsWith(".jpg") || path.endsWith(".jpeg") || path.endsWith(".png") || path.endsWith(".bmp"))
        folder = "images";
    else if (path.endsWith(".wav"))
        folder = "sound";
    else if (path.endsWith(".avi"))
        folder = "avis";
    else if (path == "words.txt" || path.endsWith("/words.txt"))
        folder = "etc";
    else
        return {};
    // A full path: "..\res\avis\x.avi" has become "res/avis/x.avi".
    for (const QString& prefix : {"res/" + folder + '/', folder + '/'})
        if (path.startsWith(prefix)) {
            path = path.mid(prefix.size());
            break;
        }
    const QString fileName = path.mid(path.lastIndexOf('/') + 1);
    if (fileName.startsWith('_') || fileName.startsWith('.'))
        return {};
    return folder + '/' + path;
}

std::vector<TMention> Scan(const QString& folder)
{
    std::vector<TMention> mentions;
    QDirIterator files(folder, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString name = files.next();
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString relative = name.mid(folder.size() + 1);
        for (const TLiteral& literal : StringLiterals(QString::fromUtf8(file.readAll()))) {
            const QString path = MediaPath(literal.text);
            if (!path.isEmpty())
                mentions.push_back({path, QString("%1:%2").arg(relative).arg(literal.line)});
        }
    }
    return mentions;
}

} // namespace MediaLiterals
