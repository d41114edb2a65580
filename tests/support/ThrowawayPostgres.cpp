#include "ThrowawayPostgres.h"

#include <QDir>
#include <QProcess>

#include <pwd.h>
#include <unistd.h>

namespace {

bool AsRoot()
{
    return geteuid() == 0;
}

// The newest server installed.
QString ServerBin()
{
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& version : found) {
        const QString bin = versions.filePath(version + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/initdb")))
            return bin;
    }
    return QString();
}

} // namespace

TThrowawayPostgres::TThrowawayPostgres() : folder_(QDir::tempPath() + QStringLiteral("/bitlak-pg-XXXXXX")), bin_(ServerBin())
{
    if (bin_.isEmpty()) {
        failure_ = QStringLiteral("no PostgreSQL server under /usr/lib/postgresql (bash tools/course.sh setup installs it)");
        return;
    }
    if (!folder_.isValid()) {
        failure_ = QStringLiteral("no temporary folder");
        return;
    }
    // The server refuses to run as root.
    if (AsRoot()) {
        const passwd* account = getpwnam("postgres");
        if (!account || chown(folder_.path().toLocal8Bit().constData(), account->pw_uid, account->pw_gid) != 0) {
            failure_ = QStringLiteral("no postgres account to run the server as");
            return;
        }
    }
    Run(QStringLiteral("initdb"), {QStringLiteral("-D"), folder_.filePath(QStringLiteral("data")), QStringLiteral("-U"),
                                   User, QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                                   QStringLiteral("--no-locale"), QStringLiteral("--no-sync")});
}

TThrowawayPostgres::~TThrowawayPostgres()
{
    if (running_)
        Stop();
}

bool TThrowawayPostgres::Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString path = bin_ + QLatin1Char('/') + program;
    if (AsRoot())
        process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                                             QStringLiteral("--"), path} + arguments);
    else
        process.start(path, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        failure_ = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll());
        return false;
    }
    return true;
}

bool TThrowawayPostgres::Start()
{
    if (!failure_.isEmpty())
        return false;
    const QString options = QStringLiteral("-c listen_addresses='' -c unix_socket_directories='%1' -p %2 -c fsync=off")
                                .arg(folder_.path())
                                .arg(Port);
    running_ = Run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), folder_.filePath(QStringLiteral("data")),
                                              QStringLiteral("-l"), folder_.filePath(QStringLiteral("server.log")),
                                              QStringLiteral("-o"), options, QStringLiteral("-w"), QStringLiteral("start")});
    return running_;
}

bool TThrowawayPostgres::Stop()
{
    const bool stopped = Run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), folder_.filePath(QStringLiteral("data")),
                                                        QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("-w"),
                                                        QStringLiteral("stop")});
    running_ = running_ && !stopped;
    return stopped;
}

QByteArray TThrowawayPostgres::SettingsText() const
{
    return QStringLiteral("[results]\nstore = postgresql\nhost = %1\nport = %2\ndatabase = postgres\nuser = %3\n")
        .arg(folder_.path())
        .arg(Port)
        .arg(User)
        .toUtf8();
}
