#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A PostgreSQL server of the test's own: a new cluster in a temporary folder, listening only on a
// socket in that folder, removed with the object. Uses the server the set-up installs
// (/usr/lib/postgresql/<version>/bin); as root, the server runs as the postgres account.
class TThrowawayPostgres {
public:
    static constexpr int Port = 5432;
    static inline const QString User = QStringLiteral("bitlak_test");

    TThrowawayPostgres();
    ~TThrowawayPostgres();
    TThrowawayPostgres(const TThrowawayPostgres&) = delete;
    TThrowawayPostgres& operator=(const TThrowawayPostgres&) = delete;

    // Empty when the cluster was made; else what went wrong.
    const QString& Failure() const { return failure_; }
    bool Start();
    bool Stop();
    // The folder of the socket: the settings' host.
    QString SocketFolder() const { return folder_.path(); }
    // A settings file's [results] section that points at this server.
    QByteArray SettingsText() const;

private:
    // Runs a server program and waits for it; false (with the reason in failure_) on an error.
    bool Run(const QString& program, const QStringList& arguments);

    QTemporaryDir folder_;
    QString bin_;
    bool running_ = false;
    QString failure_;
};
