// Recording one evaluation with the school's results store on: what the evaluation page pays
// (making the record and handing it to the writer's thread), and what the writer's thread pays to
// put it into SQLite.
#include "platform/EvaluationRecord.h"
#include "platform/ResultsStore.h"
#include "platform/ResultsWriter.h"
#include "platform/SchoolSettings.h"
#include "support/SettingsFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

TSchoolSettings SqliteSettings(const QTemporaryDir& folder)
{
    return TSchoolSettings(WriteSettingsFile(folder, SqliteStoreText(folder)));
}

const QString Text = QStringLiteral("Témakör: Billentyűzet<BR>Feladat: Első betűvadászat<BR><BR>Kedves Anna! "
                                    "Ügyes voltál, minden betűt megtaláltál.<BR>Értékelés: Kiváló!");

// On the page's thread: the record made and queued for the writer.
void BM_RecordOneEvaluation(benchmark::State& state)
{
    QTemporaryDir folder;
    TResultsWriter writer(SqliteSettings(folder), folder.filePath("queue.jsonl"));
    for (auto _ : state)
        writer.Record(TEvaluationRecord::Make("BILLENTYU", "BETUVADASZAT", "Anna", "harmadikos", Text));
    writer.WaitUntilStored(60000);
}
// A fixed count: the writer stores every record before the benchmark ends.
BENCHMARK(BM_RecordOneEvaluation)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// On the writer's thread: one record into the SQLite file.
void BM_StoreOneEvaluationInSqlite(benchmark::State& state)
{
    QTemporaryDir folder;
    TResultsStore store(SqliteSettings(folder), "bench");
    store.Open();
    for (auto _ : state)
        store.Insert(TEvaluationRecord::Make("BILLENTYU", "BETUVADASZAT", "Anna", "harmadikos", Text));
}
BENCHMARK(BM_StoreOneEvaluationInSqlite)->Unit(benchmark::kMicrosecond);

} // namespace
