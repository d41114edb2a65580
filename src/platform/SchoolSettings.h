#pragma once

#include <QString>
#include <QStringList>

// The settings a school makes for the whole PC (/etc/bitlak/bitlak.conf, INI), read once at start.
// Every value has a default that leaves the course as it is without the file; a value that cannot
// be used keeps its default and is named in Problems().
class TSchoolSettings {
public:
    enum class TStore { Off, Sqlite, Postgresql };
    // Reading aloud: never, when the learner asks (the speaker sign or its key), or every page.
    enum class TSpeech { Off, Request, EveryPage };

    static inline const QString InstalledPath = QStringLiteral("/etc/bitlak/bitlak.conf");
    static inline const QString DefaultSqlitePath = QStringLiteral("/var/lib/bitlak/results.sqlite");
    // The chooser's words, in the chooser's order.
    static const QStringList& TopicWords();

    // Defaults only.
    TSchoolSettings() = default;
    // Reads path; a missing file gives the defaults and no problem.
    explicit TSchoolSettings(const QString& path);

    bool TopicOffered(const QString& word) const;
    const QStringList& Topics() const { return topics_; }
    bool SoundOn() const { return soundOn_; }
    // 0 to 100.
    int Volume() const { return volume_; }
    // 0: the desktop's own.
    int DoubleClickMs() const { return doubleClickMs_; }
    // Gives the application the school's double-click time, which every double click of the
    // course (the mouse lessons and games) is judged by; without one the desktop's stays.
    void ApplyDoubleClickTime() const;
    TSpeech Speech() const { return speech_; }

    TStore Store() const { return store_; }
    const QString& SqlitePath() const { return sqlitePath_; }
    const QString& Host() const { return host_; }
    int Port() const { return port_; }
    const QString& Database() const { return database_; }
    const QString& User() const { return user_; }
    const QString& Password() const { return password_; }
    int KeepDays() const { return keepDays_; }

    // One line per value that was not used, each naming the key, the file and the default kept.
    const QStringList& Problems() const { return problems_; }
    // What the course will use, one "group/key = value" line each (the password hidden).
    QString Describe() const;

private:
    void Read(const QString& path);
    void Problem(const QString& path, const QString& key, const QString& value, const QString& expected,
                 const QString& kept);

    QStringList topics_ = TopicWords();
    bool soundOn_ = true;
    int volume_ = 100;
    int doubleClickMs_ = 0;
    TSpeech speech_ = TSpeech::Request;
    TStore store_ = TStore::Off;
    QString sqlitePath_ = DefaultSqlitePath;
    QString host_;
    int port_ = 5432;
    QString database_ = QStringLiteral("bitlak");
    QString user_ = QStringLiteral("bitlak");
    QString password_;
    int keepDays_ = 365;
    QStringList problems_;
};
