#include "SpeechText.h"

#include <QRegularExpression>

#include <utility>
#include <vector>

namespace {

// Key names as a Hungarian teacher says them, longest first so that "Caps Lock" is not read as
// "Caps" and "Lock". Matched as whole words, in any case ("ENTER feliratú gomb").
const std::vector<std::pair<QString, QString>>& KeyNames()
{
    static const std::vector<std::pair<QString, QString>> names = {
        {QStringLiteral("Caps Lock"), QStringLiteral("kepszlokk")},
        {QStringLiteral("CapsLock"), QStringLiteral("kepszlokk")},
        {QStringLiteral("Num Lock"), QStringLiteral("numlokk")},
        {QStringLiteral("NumLock"), QStringLiteral("numlokk")},
        {QStringLiteral("Scroll Lock"), QStringLiteral("szkrollokk")},
        {QStringLiteral("Alt Gr"), QStringLiteral("alt gé er")},
        {QStringLiteral("AltGr"), QStringLiteral("alt gé er")},
        {QStringLiteral("Backspace"), QStringLiteral("bekszpész")},
        {QStringLiteral("Page Up"), QStringLiteral("pédzs ap")},
        {QStringLiteral("Page Down"), QStringLiteral("pédzs daun")},
        {QStringLiteral("Escape"), QStringLiteral("eszkéjp")},
        {QStringLiteral("Delete"), QStringLiteral("diléjt")},
        {QStringLiteral("Insert"), QStringLiteral("inzert")},
        {QStringLiteral("Shift"), QStringLiteral("sift")},
        {QStringLiteral("Enter"), QStringLiteral("enter")},
        {QStringLiteral("Space"), QStringLiteral("szpész")},
        {QStringLiteral("Ctrl"), QStringLiteral("kontrol")},
        {QStringLiteral("Home"), QStringLiteral("hóm")},
        {QStringLiteral("Esc"), QStringLiteral("eszkéjp")},
        {QStringLiteral("Tab"), QStringLiteral("tabulátor")},
        {QStringLiteral("Del"), QStringLiteral("diléjt")},
        {QStringLiteral("Alt"), QStringLiteral("alt")},
    };
    return names;
}

// The guides keep their names however a picture writes them (capitals on a sign would otherwise
// be spelt out letter by letter); "Digit" and "Pixeles" are said as Hungarian words.
const std::vector<std::pair<QString, QString>>& CastNames()
{
    static const std::vector<std::pair<QString, QString>> names = {
        {QStringLiteral("Digit Nóra"), QStringLiteral("Digit Nóra")},
        {QStringLiteral("Pixeles Tivadar"), QStringLiteral("Pikszeles Tivadar")},
        {QStringLiteral("Kábel Ödön"), QStringLiteral("Kábel Ödön")},
        {QStringLiteral("Nóra"), QStringLiteral("Nóra")},
        {QStringLiteral("Tivadar"), QStringLiteral("Tivadar")},
        {QStringLiteral("Ödön"), QStringLiteral("Ödön")},
        {QStringLiteral("Nyilacska"), QStringLiteral("Nyilacska")},
        {QStringLiteral("Tárolka"), QStringLiteral("Tárolka")},
        {QStringLiteral("Lemezke"), QStringLiteral("Lemezke")},
    };
    return names;
}

const QStringList& Units()
{
    static const QStringList units = {QStringLiteral("nulla"), QStringLiteral("egy"), QStringLiteral("kettő"),
        QStringLiteral("három"), QStringLiteral("négy"), QStringLiteral("öt"), QStringLiteral("hat"),
        QStringLiteral("hét"), QStringLiteral("nyolc"), QStringLiteral("kilenc")};
    return units;
}

// "-ből" or "-ból" after a number, by the vowels of the last word said in it (tízből, háromból).
QString FromSuffix(qint64 number)
{
    static const QString back[] = {QStringLiteral("ból"), QStringLiteral("ből")};
    // nulla, egy, kettő, három, négy, öt, hat, hét, nyolc, kilenc
    static const bool frontUnits[] = {false, true, true, false, true, true, false, true, false, true};
    // tíz, húsz, harminc, negyven, ötven, hatvan, hetven, nyolcvan, kilencven
    static const bool frontTens[] = {true, false, false, true, true, false, true, false, true};
    bool front;
    if (number % 10 != 0 || number == 0)
        front = frontUnits[number % 10];
    else if (number % 100 != 0)
        front = frontTens[(number / 10) % 10 - 1];
    else if (number % 1000 != 0)
        front = false; // száz
    else
        front = true; // ezer, millió is read as "millió" rarely enough
    return QLatin1Char('-') + back[front ? 1 : 0];
}

// A whole word; a suffix after a hyphen ("ENTER-t") keeps the word whole.
QString WholeWordPattern(const QString& words)
{
    QString pattern = QRegularExpression::escape(words);
    pattern.replace(QStringLiteral("\\ "), QStringLiteral("\\s+"));
    return QStringLiteral("(?<![\\w-])") + pattern + QStringLiteral("(?!\\w)");
}

using TSpelling = std::vector<std::pair<QRegularExpression, QString>>;

// Each written form as a whole word in any case, made once: a page is read on every switch.
TSpelling Compiled(const std::vector<std::pair<QString, QString>>& table)
{
    TSpelling spelling;
    for (const auto& [written, said] : table)
        spelling.emplace_back(QRegularExpression(WholeWordPattern(written),
                                                 QRegularExpression::UseUnicodePropertiesOption
                                                     | QRegularExpression::CaseInsensitiveOption),
                              said);
    return spelling;
}

QString ReplaceWords(QString text, const TSpelling& spelling)
{
    for (const auto& [word, said] : spelling)
        if (text.contains(word))
            text.replace(word, said);
    return text;
}

QString Times(const QString& text)
{
    static const QRegularExpression time(QStringLiteral("(?<![\\d:])(\\d{1,2}):(\\d{2})(?![\\d:])"));
    QString result;
    qsizetype from = 0;
    for (auto match = time.globalMatch(text); match.hasNext();) {
        const auto found = match.next();
        const int minutes = found.captured(1).toInt();
        const int seconds = found.captured(2).toInt();
        QStringList said;
        if (minutes > 0)
            said << QStringLiteral("%1 perc").arg(minutes);
        if (seconds > 0 || minutes == 0)
            said << QStringLiteral("%1 másodperc").arg(seconds);
        result += text.mid(from, found.capturedStart() - from) + said.join(QLatin1Char(' '));
        from = found.capturedEnd();
    }
    return result + text.mid(from);
}

QString Results(const QString& text)
{
    static const QRegularExpression ratio(QStringLiteral("(?<![\\d/])(\\d+)\\s*/\\s*(\\d+)(?![\\d/])"));
    QString result;
    qsizetype from = 0;
    for (auto match = ratio.globalMatch(text); match.hasNext();) {
        const auto found = match.next();
        const qint64 whole = found.captured(1).toLongLong();
        result += text.mid(from, found.capturedStart() - from) + found.captured(1) + FromSuffix(whole)
                  + QLatin1Char(' ') + found.captured(2);
        from = found.capturedEnd();
    }
    return result + text.mid(from);
}

QString FunctionKeys(const QString& text)
{
    static const QRegularExpression key(QStringLiteral("(?<![\\w-])F(1[0-2]|[1-9])(?![\\w-])"));
    static const QStringList teens = {QStringLiteral("tíz"), QStringLiteral("tizenegy"), QStringLiteral("tizenkettő")};
    QString result;
    qsizetype from = 0;
    for (auto match = key.globalMatch(text); match.hasNext();) {
        const auto found = match.next();
        const int number = found.captured(1).toInt();
        result += text.mid(from, found.capturedStart() - from) + QStringLiteral("ef ")
                  + (number < 10 ? Units()[number] : teens[number - 10]);
        from = found.capturedEnd();
    }
    return result + text.mid(from);
}

// "&Fájl" is read "Fájl"; "&&" is a written "&", read "és".
QString AccessMarks(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&')) {
            result += text.at(i);
        } else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
            result += QStringLiteral(" és ");
            ++i;
        } else if (i + 1 >= text.size() || text.at(i + 1).isSpace()) {
            result += QStringLiteral("és");
        }
    }
    return result;
}

// Line ends and "<BR>" become pauses: a sentence end where the line had no mark of its own.
QString Pauses(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\\s*(?:<br\\s*/?>|\\r\\n|\\r|\\n)\\s*"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QStringList lines = text.split(breaks, Qt::SkipEmptyParts);
    QString result;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!result.isEmpty()) {
            const QChar last = result.back();
            if (!QStringLiteral(".!?:;,").contains(last))
                result += QLatin1Char('.');
            result += QLatin1Char(' ');
        }
        result += trimmed;
    }
    return result;
}

} // namespace

namespace SpeechText {

QString Prepare(const QString& text)
{
    QString said = Pauses(AccessMarks(text));
    said = Times(said);
    said = Results(said);
    said = FunctionKeys(said);
    static const TSpelling keys = Compiled(KeyNames());
    static const TSpelling cast = Compiled(CastNames());
    said = ReplaceWords(said, keys);
    said = ReplaceWords(said, cast);
    // A label that already spells a key's name after it ("Backspace (bekszpész)") says it once.
    static const QRegularExpression twice(QStringLiteral("(?<![\\w-])((?:\\w+ ){0,2}\\w+) \\(\\1\\)"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    said.replace(twice, QStringLiteral("\\1"));
    return said.simplified();
}

} // namespace SpeechText
