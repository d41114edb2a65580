#include "SchoolSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QStyleHints>

#include <optional>

namespace {

const QStringList KnownKeys = {
    QStringLiteral("course/topics"),       QStringLiteral("sound/enabled"),    QStringLiteral("sound/volume"),
    QStringLiteral("mouse/double_click_ms"), QStringLiteral("results/store"),  QStringLiteral("results/sqlite_path"),
    QStringLiteral("results/host"),        QStringLiteral("results/port"),     QStringLiteral("results/database"),
    QStringLiteral("results/user"),        QStringLiteral("results/password"), QStringLiteral("results/keep_days"),
    QStringLiteral("speech/mode"),
};

// "[group] key", as the teacher sees it in the file.
QString Shown(const QString& key)
{
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return slash < 0 ? key : QStringLiteral("[%1] %2").arg(key.left(slash), key.mid(slash + 1));
}

// The value as written; QSettings splits a value with commas into a list.
std::optional<QString> Text(const QSettings& file, const QString& key)
{
    if (!file.contains(key))
        return std::nullopt;
    const QVariant value = file.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString().trimmed();
}

std::optional<bool> Switch(const QString& text)
{
    static const QStringList on = {"true", "yes", "on", "1", "igen"};
    static const QStringList off = {"false", "no", "off", "0", "nem"};
    if (on.contains(text.toLower()))
        return true;
    if (off.contains(text.toLower()))
        return false;
    return std::nullopt;
}

std::optional<int> Whole(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

QString StoreWord(TSchoolSettings::TStore store)
{
    switch (store) {
    case TSchoolSettings::TStore::Sqlite: return QStringLiteral("sqlite");
    case TSchoolSettings::TStore::Postgresql: return QStringLiteral("postgresql");
    case TSchoolSettings::TStore::Off: break;
    }
    return QStringLiteral("off");
}

QString SpeechWord(TSchoolSettings::TSpeech speech)
{
    switch (speech) {
    case TSchoolSettings::TSpeech::Off: return QStringLiteral("off");
    case TSchoolSettings::TSpeech::EveryPage: return QStringLiteral("every page");
    case TSchoolSettings::TSpeech::Request: break;
    }
    return QStringLiteral("request");
}

QString Lowered(const QStringList& words)
{
    return words.join(QStringLiteral(", ")).toLower();
}

} // namespace

const QStringList& TSchoolSettings::TopicWords()
{
    static const QStringList words = {
        QStringLiteral("BILLENTYU"), QStringLiteral("EGEREZES"), QStringLiteral("GOMBOK"),
        QStringLiteral("JELOLESEK"), QStringLiteral("LISTADOBOZOK"), QStringLiteral("PANELEK"),
        QStringLiteral("ABLAKOK"),   QStringLiteral("MENUK"),     QStringLiteral("PROGRAMOK"),
        QStringLiteral("OSSZEFOGL"),
    };
    return words;
}

TSchoolSettings::TSchoolSettings(const QString& path)
{
    Read(path);
}

bool TSchoolSettings::TopicOffered(const QString& word) const
{
    return topics_.contains(word.toUpper());
}

void TSchoolSettings::Problem(const QString& path, const QString& key, const QString& value, const QString& expected,
                              const QString& kept)
{
    problems_ << QStringLiteral("bitlak: %1: %2 = „%3”: %4; marad az alapérték: %5")
                     .arg(path, Shown(key), value, expected, kept);
}

void TSchoolSettings::Read(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return;
    QFile probe(path);
    if (!info.isFile() || !probe.open(QIODevice::ReadOnly)) {
        problems_ << QStringLiteral("bitlak: %1: a fájl nem olvasható; minden beállítás az alapértéke marad").arg(path);
        return;
    }
    probe.close();
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        problems_ << QStringLiteral("bitlak: %1: a fájl nem INI formájú; minden beállítás az alapértéke marad").arg(path);
        return;
    }

    for (const QString& key : file.allKeys())
        if (!KnownKeys.contains(key))
            problems_ << QStringLiteral("bitlak: %1: ismeretlen kulcs: %2; a program nem használja").arg(path, Shown(key));

    if (const auto text = Text(file, QStringLiteral("course/topics")); text && !text->isEmpty()
                                                                         && text->toLower() != QLatin1String("all")) {
        QStringList chosen;
        QStringList unknown;
        for (const QString& part : text->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString word = part.trimmed().toUpper();
            if (!TopicWords().contains(word))
                unknown << part.trimmed();
            else if (!chosen.contains(word))
                chosen << word;
        }
        if (unknown.isEmpty()) {
            // The chooser's order, whatever order the file lists them in.
            topics_.clear();
            for (const QString& word : TopicWords())
                if (chosen.contains(word))
                    topics_ << word;
        } else {
            Problem(path, QStringLiteral("course/topics"), *text,
                    QStringLiteral("ismeretlen témakör: %1 (ezek közül lehet választani: %2, vagy all)")
                        .arg(unknown.join(QStringLiteral(", ")), Lowered(TopicWords())),
                    QStringLiteral("all"));
        }
    }

    if (const auto text = Text(file, QStringLiteral("sound/enabled")); text && !text->isEmpty()) {
        if (const auto on = Switch(*text))
            soundOn_ = *on;
        else
            Problem(path, QStringLiteral("sound/enabled"), *text, QStringLiteral("true vagy false kell"),
                    QStringLiteral("true"));
    }

    const auto whole = [&](const QString& key, int low, int high, int& target, const QString& expected) {
        const auto text = Text(file, key);
        if (!text || text->isEmpty())
            return;
        if (const auto value = Whole(*text, low, high))
            target = *value;
        else
            Problem(path, key, *text, expected, QString::number(target));
    };
    whole(QStringLiteral("sound/volume"), 0, 100, volume_, QStringLiteral("0 és 100 közötti egész szám kell"));
    // Below 100 ms no child's double click counts; above 2 s two single clicks would.
    const auto doubleClick = Text(file, QStringLiteral("mouse/double_click_ms"));
    if (doubleClick && *doubleClick != QLatin1String("0"))
        whole(QStringLiteral("mouse/double_click_ms"), 100, 2000, doubleClickMs_,
              QStringLiteral("100 és 2000 közötti egész szám kell (vagy 0: az asztali környezeté)"));

    if (const auto text = Text(file, QStringLiteral("speech/mode")); text && !text->isEmpty()) {
        const QString word = text->toLower().simplified();
        if (word == QLatin1String("off"))
            speech_ = TSpeech::Off;
        else if (word == QLatin1String("request"))
            speech_ = TSpeech::Request;
        else if (word == QLatin1String("every page") || word == QLatin1String("every_page")
                 || word == QLatin1String("everypage"))
            speech_ = TSpeech::EveryPage;
        else
            Problem(path, QStringLiteral("speech/mode"), *text, QStringLiteral("off, request vagy every page kell"),
                    QStringLiteral("request"));
    }

    if (const auto text = Text(file, QStringLiteral("results/store")); text && !text->isEmpty()) {
        const QString word = text->toLower();
        if (word == QLatin1String("off"))
            store_ = TStore::Off;
        else if (word == QLatin1String("sqlite"))
            store_ = TStore::Sqlite;
        else if (word == QLatin1String("postgresql"))
            store_ = TStore::Postgresql;
        else
            Problem(path, QStringLiteral("results/store"), *text, QStringLiteral("off, sqlite vagy postgresql kell"),
                    QStringLiteral("off"));
    }
    const auto text = [&](const QString& key, QString& target) {
        if (const auto value = Text(file, key); value && !value->isEmpty())
            target = *value;
    };
    text(QStringLiteral("results/sqlite_path"), sqlitePath_);
    if (!QFileInfo(sqlitePath_).isAbsolute()) {
        Problem(path, QStringLiteral("results/sqlite_path"), sqlitePath_, QStringLiteral("teljes (/-rel kezdődő) út kell"),
                DefaultSqlitePath);
        sqlitePath_ = DefaultSqlitePath;
    }
    text(QStringLiteral("results/host"), host_);
    whole(QStringLiteral("results/port"), 1, 65535, port_, QStringLiteral("1 és 65535 közötti egész szám kell"));
    text(QStringLiteral("results/database"), database_);
    text(QStringLiteral("results/user"), user_);
    text(QStringLiteral("results/password"), password_);
    whole(QStringLiteral("results/keep_days"), 0, 36500, keepDays_,
          QStringLiteral("0 és 36500 közötti egész szám kell (0: semmit sem töröl)"));
}

void TSchoolSettings::ApplyDoubleClickTime() const
{
    if (doubleClickMs_ > 0)
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(doubleClickMs_);
}

QString TSchoolSettings::Describe() const
{
    QStringList lines;
    lines << QStringLiteral("[course]") << QStringLiteral("topics = %1").arg(Lowered(topics_));
    lines << QStringLiteral("[sound]") << QStringLiteral("enabled = %1").arg(soundOn_ ? "true" : "false")
          << QStringLiteral("volume = %1").arg(volume_);
    lines << QStringLiteral("[speech]") << QStringLiteral("mode = %1").arg(SpeechWord(speech_));
    lines << QStringLiteral("[mouse]") << QStringLiteral("double_click_ms = %1").arg(doubleClickMs_);
    lines << QStringLiteral("[results]") << QStringLiteral("store = %1").arg(StoreWord(store_))
          << QStringLiteral("sqlite_path = %1").arg(sqlitePath_) << QStringLiteral("host = %1").arg(host_)
          << QStringLiteral("port = %1").arg(port_) << QStringLiteral("database = %1").arg(database_)
          << QStringLiteral("user = %1").arg(user_)
          << QStringLiteral("password = %1").arg(password_.isEmpty() ? QString() : QStringLiteral("(megadva)"))
          << QStringLiteral("keep_days = %1").arg(keepDays_);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
