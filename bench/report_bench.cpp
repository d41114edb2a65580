// The class sheet for a class of 30 pupils who each read 5 evaluations in each of the 10 topics:
// the sheet laid out (HTML) and printed to an A4 PDF.
#include "platform/EvaluationRecord.h"
#include "report/ClassReport.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

std::vector<TEvaluationRecord> ClassOfThirty()
{
    const char* const topics[] = {"BILLENTYU", "EGEREZES",  "GOMBOK", "JELOLESEK", "LISTADOBOZOK",
                                  "PANELEK",   "ABLAKOK",   "MENUK",  "PROGRAMOK", "OSSZEFOGL"};
    std::vector<TEvaluationRecord> records;
    const QDateTime start(QDate(2026, 9, 7), QTime(8, 0));
    for (int pupil = 0; pupil < 30; ++pupil)
        for (int topic = 0; topic < 10; ++topic)
            for (int n = 0; n < 5; ++n) {
                TEvaluationRecord record = TEvaluationRecord::Make(
                    topics[topic], "ERTEKELES", QStringLiteral("Tanuló %1").arg(pupil + 1),
                    pupil < 15 ? QStringLiteral("harmadikos") : QStringLiteral("negyedikes"),
                    QStringLiteral("Feladat: %1. feladat<BR>Teljesítmény: 12/%2<BR>Értékelés: Ügyes vagy!")
                        .arg(n + 1)
                        .arg(7 + n));
                record.time = start.addDays(topic * 3 + n).addSecs(pupil * 60);
                records.push_back(record);
            }
    return records;
}

void BM_ClassSheetHtml(benchmark::State& state)
{
    const std::vector<TEvaluationRecord> records = ClassOfThirty();
    for (auto _ : state) {
        const TClassReport report(records, {}, QDateTime::currentDateTime());
        benchmark::DoNotOptimize(report.Html());
    }
}
BENCHMARK(BM_ClassSheetHtml)->Unit(benchmark::kMillisecond);

void BM_ClassSheetPdf(benchmark::State& state)
{
    const std::vector<TEvaluationRecord> records = ClassOfThirty();
    QTemporaryDir folder;
    for (auto _ : state) {
        const TClassReport report(records, {}, QDateTime::currentDateTime());
        benchmark::DoNotOptimize(report.WritePdf(folder.filePath("sheet.pdf")));
    }
}
BENCHMARK(BM_ClassSheetPdf)->Unit(benchmark::kMillisecond);

} // namespace
