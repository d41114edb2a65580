#include "support/ThrowawayPostgres.h"
#include "support/SettingsFile.h"

#include "platform/ResultsQueue.h"
#include "platform/ResultsStore.h"
#include "platform/ResultsWriter.h"
#include "platform/SchoolSettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The writer tries again this soon after the store failed, so the tests need not wait long.
constexpr int RetryMs = 100;
constexpr int PatienceMs = 30000;

TEvaluationRecord Evaluation(const QString& name, const QString& text)
{
    return TEvaluationRecord::Make("BILLENTYU", "BETUVADASZAT", name, "harmadikos", text);
}

bool Eventually(const std::function<bool()>& done)
{
    for (int waited = 0; waited < PatienceMs; waited += 20) {
        if (done())
            return true;
        QThread::msleep(20);
    }
    return done();
}

class ResultsStoreTest : public ::testing::Test {
protected:
    TSchoolSettings Settings(const QByteArray& text)
    {
        const TSchoolSettings settings(WriteSettingsFile(folder, text));
        EXPECT_TRUE(settings.Problems().isEmpty()) << settings.Problems().join("\n").toStdString();
        return settings;
    }

    TSchoolSettings Sqlite(const QString& path, int keepDays = 365)
    {
        return Settings(QStringLiteral("[results]\nstore = sqlite\nsqlite_path = %1\nkeep_days = %2\n")
                            .arg(path)
                            .arg(keepDays)
                            .toUtf8());
    }

    // What the store holds, read through a connection of the test's own.
    static std::vector<TEvaluationRecord> Stored(const TSchoolSettings& settings)
    {
        TResultsStore store(settings, "reader");
        EXPECT_TRUE(store.Open()) << store.Error().toStdString();
        return store.Rows();
    }

    static void ExpectEachOnce(const std::vector<TEvaluationRecord>& stored, const std::vector<TEvaluationRecord>& sent)
    {
        QSet<QString> ids;
        for (const TEvaluationRecord& record : stored)
            ids.insert(record.id);
        EXPECT_EQ(ids.size(), static_cast<qsizetype>(stored.size())) << "a record stored twice";
        EXPECT_EQ(stored.size(), sent.size());
        for (const TEvaluationRecord& record : sent)
            EXPECT_TRUE(std::find(stored.begin(), stored.end(), record) != stored.end())
                << "missing: " << record.text.toStdString();
    }

    QString QueuePath() const { return folder.filePath("home/.local/share/bitlak/results-queue.jsonl"); }
    std::size_t Queued() const { return TResultsQueue(QueuePath()).Load().size(); }

    QTemporaryDir folder;
};

TEST_F(ResultsStoreTest, SqliteKeepsEachRecordAsMadeAndRemovesOldRows)
{
    const TSchoolSettings settings = Sqlite(folder.filePath("results.sqlite"), 30);
    TEvaluationRecord old = Evaluation("Bori", "Régi eredmény");
    old.time = QDateTime::currentDateTimeUtc().addDays(-31);
    {
        TResultsStore store(settings, "seed");
        ASSERT_TRUE(store.Open()) << store.Error().toStdString();
        // Every pupil of the group writes the file the first one made.
        EXPECT_TRUE(QFileInfo(folder.filePath("results.sqlite")).permissions().testFlag(QFileDevice::WriteGroup));
        ASSERT_TRUE(store.Insert(old));
        ASSERT_TRUE(store.Insert(old)); // sent again: still one row
        EXPECT_EQ(store.Rows().size(), 1U);
    }

    std::vector<TEvaluationRecord> sent = {
        Evaluation("Anna", "Témakör: Billentyűzet<BR>Feladat: Első betűvadászat<BR>Értékelés: Ügyes vagy!"),
        TEvaluationRecord::Make("EGEREZES", "LEPKEVADASZ", "Ödön", "", "Kedves Ödön! 12 lepkét fogtál."),
    };
    sent[1].time = sent[0].time.addMSecs(7); // two records of one millisecond would sort by their ids
    {
        TResultsWriter writer(settings, QueuePath(), RetryMs);
        for (const TEvaluationRecord& record : sent)
            writer.Record(record);
        EXPECT_TRUE(writer.WaitUntilStored(PatienceMs));
    }
    // The old row is gone; the new ones read back exactly, oldest first.
    const std::vector<TEvaluationRecord> stored = Stored(settings);
    EXPECT_EQ(stored, sent);
    EXPECT_EQ(stored.at(1).name, "Ödön");
    EXPECT_EQ(stored.at(1).topic, "EGEREZES");
    EXPECT_FALSE(stored.at(0).host.isEmpty());
    // Straight into the store: no queue file, not even its folder.
    EXPECT_FALSE(QDir(folder.filePath("home")).exists());
}

TEST_F(ResultsStoreTest, SqliteLockedOrMissingThenBackGetsEveryRecordOnce)
{
    const QString lab = folder.filePath("lab");
    const TSchoolSettings settings = Sqlite(lab + "/results.sqlite");
    std::vector<TEvaluationRecord> sent;
    {
        TResultsWriter writer(settings, QueuePath(), RetryMs);
        // The store's folder is not there yet: the records wait in the learner's queue.
        for (const char* name : {"Anna", "Bence"}) {
            sent.push_back(Evaluation(name, "Ügyes vagy!"));
            writer.Record(sent.back());
        }
        EXPECT_TRUE(Eventually([this] { return Queued() == 2; }));
        ASSERT_TRUE(QDir().mkpath(lab));
        ASSERT_TRUE(writer.WaitUntilStored(PatienceMs));
        EXPECT_FALSE(QFile::exists(QueuePath()));

        // Another program holds the file locked: the course goes on, the record waits.
        {
            QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
            locker.setDatabaseName(lab + "/results.sqlite");
            ASSERT_TRUE(locker.open());
            QSqlQuery(locker).exec("BEGIN EXCLUSIVE");
            sent.push_back(Evaluation("Csilla", "Nagyon jó!"));
            writer.Record(sent.back());
            EXPECT_TRUE(Eventually([this] { return Queued() == 1; }));
            QSqlQuery(locker).exec("COMMIT");
            locker.close();
        }
        QSqlDatabase::removeDatabase("locker");
        ASSERT_TRUE(writer.WaitUntilStored(PatienceMs));
    }
    ExpectEachOnce(Stored(settings), sent);
    EXPECT_FALSE(QFile::exists(QueuePath()));
}

TEST_F(ResultsStoreTest, RecordsQueuedAtTheEndAreSentAtTheNextStart)
{
    const QString lab = folder.filePath("lab");
    const TSchoolSettings settings = Sqlite(lab + "/results.sqlite");
    std::vector<TEvaluationRecord> sent;
    {
        TResultsWriter writer(settings, QueuePath(), RetryMs);
        for (const char* name : {"Anna", "Bence", "Csilla"}) {
            sent.push_back(Evaluation(name, "Ügyes vagy!"));
            writer.Record(sent.back());
        }
    } // the course ends while the store is away
    EXPECT_EQ(Queued(), 3U);

    ASSERT_TRUE(QDir().mkpath(lab));
    TResultsWriter next(settings, QueuePath(), RetryMs);
    ASSERT_TRUE(next.WaitUntilStored(PatienceMs));
    ExpectEachOnce(Stored(settings), sent);
    EXPECT_FALSE(QFile::exists(QueuePath()));
}

TEST_F(ResultsStoreTest, PostgresqlServerStoppedAndStartedAgainGetsEveryRecordOnce)
{
    TThrowawayPostgres server;
    ASSERT_TRUE(server.Start()) << server.Failure().toStdString();
    const TSchoolSettings settings = Settings(server.SettingsText());
    {
        TResultsStore store(settings, "probe");
        ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    }

    std::vector<TEvaluationRecord> sent;
    TResultsWriter writer(settings, QueuePath(), RetryMs);
    for (const char* name : {"Anna", "Bence"}) {
        sent.push_back(Evaluation(name, "Ügyes vagy!"));
        writer.Record(sent.back());
    }
    ASSERT_TRUE(writer.WaitUntilStored(PatienceMs));
    ExpectEachOnce(Stored(settings), sent);

    ASSERT_TRUE(server.Stop()) << server.Failure().toStdString();
    for (const char* name : {"Csilla", "Dani", "Emese"}) {
        sent.push_back(Evaluation(name, "Nagyon jó!"));
        writer.Record(sent.back());
    }
    EXPECT_TRUE(Eventually([this] { return Queued() == 3; }));
    EXPECT_FALSE(writer.WaitUntilStored(3 * RetryMs));

    ASSERT_TRUE(server.Start()) << server.Failure().toStdString();
    ASSERT_TRUE(writer.WaitUntilStored(PatienceMs));
    ExpectEachOnce(Stored(settings), sent);
    EXPECT_FALSE(QFile::exists(QueuePath()));
}

// The grade is asked by the keyboard topic only: a pupil who starts with another topic has none,
// and a page may have no name; such a record is stored, and holds up none queued after it.
TEST_F(ResultsStoreTest, ARecordWithoutGradeOrPageIsStoredAndHoldsUpNoneAfterIt)
{
    const TSchoolSettings settings = Sqlite(folder.filePath("results.sqlite"));
    const std::vector<TEvaluationRecord> sent{
        TEvaluationRecord::Make("EGEREZES", QString(), "Dani", QString(), "Feladat: Lepkevadászat"),
        Evaluation("Emese", "Ügyes vagy!"),
    };
    TResultsWriter writer(settings, QueuePath(), RetryMs);
    for (const TEvaluationRecord& record : sent)
        writer.Record(record);
    ASSERT_TRUE(writer.WaitUntilStored(PatienceMs));
    const std::vector<TEvaluationRecord> stored = Stored(settings);
    ExpectEachOnce(stored, sent);
    const auto dani = std::find_if(stored.begin(), stored.end(), [](const auto& row) { return row.name == "Dani"; });
    ASSERT_NE(dani, stored.end());
    EXPECT_EQ(dani->grade, "");
    EXPECT_FALSE(QFile::exists(QueuePath()));
}

// An administrator's session that holds the table (a long transaction, a lock) is a store that
// cannot be written: the record waits in the queue, not in a statement that never ends, and the
// course's end does not wait for the lock either.
TEST_F(ResultsStoreTest, PostgresqlTableLockedByAnotherSessionHoldsNeitherTheRecordNorTheEnd)
{
    TThrowawayPostgres server;
    ASSERT_TRUE(server.Start()) << server.Failure().toStdString();
    const TSchoolSettings settings = Settings(server.SettingsText());
    std::vector<TEvaluationRecord> sent;
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase("QPSQL", "admin");
        admin.setHostName(server.SocketFolder());
        admin.setPort(TThrowawayPostgres::Port);
        admin.setDatabaseName("postgres");
        admin.setUserName(TThrowawayPostgres::User);
        ASSERT_TRUE(admin.open());
        QElapsedTimer ending;
        {
            TResultsWriter writer(settings, QueuePath(), RetryMs);
            sent.push_back(Evaluation("Anna", "Ügyes vagy!"));
            writer.Record(sent.back());
            ASSERT_TRUE(writer.WaitUntilStored(PatienceMs));

            ASSERT_TRUE(admin.transaction());
            ASSERT_TRUE(QSqlQuery(admin).exec("LOCK TABLE bitlak_results IN ACCESS EXCLUSIVE MODE"));
            sent.push_back(Evaluation("Bence", "Nagyon jó!"));
            writer.Record(sent.back());
            const bool queued = Eventually([this] { return Queued() == 1; });
            EXPECT_TRUE(queued) << "the record is held by the locked table";
            if (!queued)
                admin.rollback(); // else the writer would never end
            ending.start();
        }
        EXPECT_LT(ending.elapsed(), 10000);
        admin.rollback();
        admin.close();
    }
    QSqlDatabase::removeDatabase("admin");

    TResultsWriter next(settings, QueuePath(), RetryMs);
    ASSERT_TRUE(next.WaitUntilStored(PatienceMs));
    ExpectEachOnce(Stored(settings), sent);
    EXPECT_FALSE(QFile::exists(QueuePath()));
}

} // namespace
