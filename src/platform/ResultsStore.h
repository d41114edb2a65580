#pragma once

#include "EvaluationRecord.h"

#include <QDateTime>
#include <QString>
#include <vector>

class TSchoolSettings;

// The results database through Qt SQL: an SQLite file or a PostgreSQL server, as the settings
// say. One connection, used only on the thread that made the store.
class TResultsStore {
public:
    // connectionName must be unique in the process.
    TResultsStore(const TSchoolSettings& settings, const QString& connectionName);
    ~TResultsStore();
    TResultsStore(const TResultsStore&) = delete;
    TResultsStore& operator=(const TResultsStore&) = delete;

    // Connects and makes the table when it is missing; true when records can be written.
    bool Open();
    bool IsOpen() const { return open_; }
    // Drops the connection; the next Open connects anew (a server that restarted).
    void Close();
    // Stores the record unless one with its id is there already. False when it could not be
    // written; the connection is then closed.
    bool Insert(const TEvaluationRecord& record);
    // Removes the rows recorded before the given time; false when it could not.
    bool RemoveBefore(const QDateTime& time);
    // Every row, oldest first; rows recorded from `from` on when it is valid.
    std::vector<TEvaluationRecord> Rows(const QDateTime& from = QDateTime()) const;
    // The driver's or the database's last complaint.
    const QString& Error() const { return error_; }

private:
    bool Exec(const QString& statement, const QVariantList& values = {});

    QString connection_;
    bool postgres_;
    bool open_ = false;
    mutable QString error_;
};
