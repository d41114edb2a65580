#include "ResultsStore.h"

#include "SchoolSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char* const Columns = "id, recorded_at, host, learner, grade, topic, page, evaluation";

QString TableStatement(bool postgres)
{
    // PostgreSQL keeps a real time stamp the school's own queries can use; SQLite keeps ISO text,
    // which sorts and compares as time does.
    return QStringLiteral("CREATE TABLE IF NOT EXISTS bitlak_results ("
                          "id TEXT PRIMARY KEY, recorded_at %1 NOT NULL, host TEXT NOT NULL, "
                          "learner TEXT NOT NULL, grade TEXT NOT NULL, topic TEXT NOT NULL, "
                          "page TEXT NOT NULL, evaluation TEXT NOT NULL)")
        .arg(postgres ? QStringLiteral("TIMESTAMPTZ") : QStringLiteral("TEXT"));
}

QDateTime StoredTime(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toUTC();
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs).toUTC();
}

QString IsoUtc(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// Qt SQL binds a null string as NULL, which the table refuses: a pupil who has not typed a grade yet
// (the keyboard topic asks it) gives an empty one, and a refused record would hold up every record
// queued after it.
QString Text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

} // namespace

TResultsStore::TResultsStore(const TSchoolSettings& settings, const QString& connectionName)
    : connection_(connectionName), postgres_(settings.Store() == TSchoolSettings::TStore::Postgresql)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(postgres_ ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                                connection_);
    if (postgres_) {
        db.setHostName(settings.Host());
        db.setPort(settings.Port());
        db.setDatabaseName(settings.Database());
        db.setUserName(settings.User());
        db.setPassword(settings.Password());
        // A server that does not answer must not hold the worker (nor the course's exit) for long;
        // nor must a table another session holds (a lock, a long transaction), which a statement
        // would otherwise wait for without end.
        db.setConnectOptions(
            QStringLiteral("connect_timeout=5;tcp_user_timeout=5000;options='-c statement_timeout=5000'"));
    } else {
        db.setDatabaseName(settings.SqlitePath());
        // Another pupil's course may be writing the same file a moment before.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    }
}

TResultsStore::~TResultsStore()
{
    Close();
    QSqlDatabase::removeDatabase(connection_);
}

bool TResultsStore::Open()
{
    if (open_)
        return true;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const bool newFile = !postgres_ && !QFileInfo::exists(db.databaseName());
    if (!db.isValid() || !db.open()) {
        error_ = db.isValid() ? db.lastError().text() : QStringLiteral("no Qt SQL driver for the store");
        db.close();
        return false;
    }
    open_ = true;
    // The pupils share the file through their group (the folder's, when it is set-group-ID).
    if (newFile)
        QFile::setPermissions(db.databaseName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                     | QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                     | QFileDevice::ReadOther);
    // A school's database may have the table made by its administrator, without the right to
    // create one: a table that can be read is enough. (Asking first also spares the server's
    // "already exists" notices on standard error.)
    const QString probe = QStringLiteral("SELECT id FROM bitlak_results LIMIT 0");
    if (!Exec(probe)
        && !(Exec(TableStatement(postgres_))
             && Exec(QStringLiteral("CREATE INDEX IF NOT EXISTS bitlak_results_time ON bitlak_results (recorded_at)"))))
        Close();
    return open_;
}

void TResultsStore::Close()
{
    open_ = false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.isValid())
        db.close();
}

bool TResultsStore::Exec(const QString& statement, const QVariantList& values)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    // PostgreSQL prepares no table or index statements: those run as they are.
    bool done = false;
    if (values.isEmpty()) {
        done = query.exec(statement);
    } else if (query.prepare(statement)) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        done = query.exec();
    }
    if (!done)
        error_ = query.lastError().text();
    return done;
}

bool TResultsStore::Insert(const TEvaluationRecord& record)
{
    if (!Open())
        return false;
    // The id decides: a record sent again after a lost answer is not stored twice.
    const bool written = Exec(QStringLiteral("INSERT INTO bitlak_results (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?) "
                                             "ON CONFLICT (id) DO NOTHING")
                                  .arg(QLatin1String(Columns)),
                              {record.id, record.TimeText(), Text(record.host), Text(record.name), Text(record.grade),
                               Text(record.topic), Text(record.page), Text(record.text)});
    if (!written)
        Close();
    return written;
}

bool TResultsStore::RemoveBefore(const QDateTime& time)
{
    if (!Open())
        return false;
    const bool removed = Exec(QStringLiteral("DELETE FROM bitlak_results WHERE recorded_at < ?"), {IsoUtc(time)});
    if (!removed)
        Close();
    return removed;
}

std::vector<TEvaluationRecord> TResultsStore::Rows(const QDateTime& from) const
{
    std::vector<TEvaluationRecord> rows;
    if (!open_)
        return rows;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    const QString where = from.isValid() ? QStringLiteral(" WHERE recorded_at >= ?") : QString();
    query.prepare(QStringLiteral("SELECT %1 FROM bitlak_results%2 ORDER BY recorded_at, id")
                      .arg(QLatin1String(Columns), where));
    if (from.isValid())
        query.addBindValue(IsoUtc(from));
    if (!query.exec()) {
        error_ = query.lastError().text();
        return rows;
    }
    while (query.next()) {
        rows.push_back({
            .id = query.value(0).toString(),
            .time = StoredTime(query.value(1)),
            .host = query.value(2).toString(),
            .name = query.value(3).toString(),
            .grade = query.value(4).toString(),
            .topic = query.value(5).toString(),
            .page = query.value(6).toString(),
            .text = query.value(7).toString(),
        });
    }
    return rows;
}
