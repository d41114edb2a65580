#include "report/ClassReport.h"
#include "report/ReportCommand.h"

#include "platform/ResultsStore.h"
#include "platform/SchoolSettings.h"
#include "support/SettingsFile.h"
#include "support/ThrowawayPostgres.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEvaluationRecord Evaluation(const QString& topic, const QString& name, const QString& grade, const QString& text,
                             const QDateTime& time)
{
    TEvaluationRecord record = TEvaluationRecord::Make(topic, "ERTEKELES", name, grade, text);
    record.time = time;
    return record;
}

// The class's evaluations in a real store (an SQLite file, a throwaway PostgreSQL server), the sheet
// made by bitlak-report's own code and the PDF read back as text.
class ClassReportTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (QString(GetParam()) == "postgresql") {
            server = std::make_unique<TThrowawayPostgres>();
            ASSERT_TRUE(server->Start()) << server->Failure().toStdString();
            settingsPath = WriteSettingsFile(folder, server->SettingsText());
        } else {
            settingsPath = WriteSettingsFile(folder, SqliteStoreText(folder));
        }

        const QDateTime monday(QDate(2026, 12, 7), QTime(9, 15));
        const TSchoolSettings settings(settingsPath);
        TResultsStore store(settings, "seed");
        ASSERT_TRUE(store.Open()) << store.Error().toStdString();
        for (const TEvaluationRecord& record : {
                 Evaluation("GOMBOK", "Zoltán", "harmadikos",
                            "Feladat: Teszt <BR>Név: Zoltán<BR>Évfolyam: harmadikos<BR>Teljesítmény: 12/11 <BR>Értékelés: Egy-két hiba nem a "
                            "világ, jó vagy!<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!",
                            monday),
                 Evaluation("BILLENTYU", "Ágnes", "Harmadikos",
                            "Témakör: Billentyűzet<BR>Feladat: Első betűvadászat<BR><BR>Értékelés: Kiváló!",
                            monday.addSecs(600)),
                 Evaluation("EGEREZES", "Ágnes", "harmadikos", "Feladat: Lepkevadászat<BR>Értékelés: Ügyes vagy!",
                            monday.addDays(2)),
                 Evaluation("BILLENTYU", "Csenge", "elsős", "Feladat: Első betűvadászat<BR>Értékelés: Szép munka!",
                            monday.addDays(1)),
             })
            ASSERT_TRUE(store.Insert(record)) << store.Error().toStdString();
    }

    int Report(const QStringList& options)
    {
        out.clear();
        err.clear();
        return ReportCommand::Run(QStringList{"--out", folder.path()} + options, settingsPath, out, err);
    }

    QString PdfText() const
    {
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", folder.filePath("bitlak-eredmenyek.pdf"), "-"});
        EXPECT_TRUE(pdftotext.waitForFinished(60000));
        EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
        // One space between words, whatever the layout's columns.
        return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    }

    // With BITLAK_SCREENSHOTS set to a folder, the sheet's first page goes there as name.png.
    void Snapshot(const QString& name) const
    {
        const QString shots = qEnvironmentVariable("BITLAK_SCREENSHOTS");
        if (shots.isEmpty())
            return;
        QProcess::execute("pdftoppm", {"-png", "-r", "80", "-f", "1", "-l", "1", "-singlefile",
                                       folder.filePath("bitlak-eredmenyek.pdf"), shots + "/" + name});
    }

    QTemporaryDir folder;
    std::unique_ptr<TThrowawayPostgres> server;
    QString settingsPath;
    QString out;
    QString err;
};

TEST_P(ClassReportTest, TheSheetListsEachGradeAndNameWithTheirTopicsAndRatings)
{
    ASSERT_EQ(Report({}), 0) << err.toStdString();
    Snapshot("report_class_sheet");
    EXPECT_EQ(out, QString("4 értékelés\n%1/bitlak-eredmenyek.pdf\n%1/bitlak-eredmenyek.html\n").arg(folder.path()));
    const QString text = PdfText();

    EXPECT_TRUE(text.startsWith("Bitlak – a tanulók eredményei Időszak: minden nap")) << text.toStdString();
    // Grades in school order, names in Hungarian order ("Á" after "A", before "Z").
    const qsizetype first = text.indexOf("Osztály: elsős Csenge");
    const qsizetype third = text.indexOf("Osztály: harmadikos Ágnes");
    const qsizetype zoltan = text.indexOf("Zoltán Témakör Dátum Értékelés Gombok 2026. 12. 07.");
    EXPECT_GE(first, 0) << text.toStdString();
    EXPECT_GT(third, first) << text.toStdString();
    EXPECT_GT(zoltan, third) << text.toStdString();
    // Each topic's row: its title, the date, the rating; neither the name again nor the page's instruction.
    EXPECT_TRUE(text.contains("Billentyűzet 2026. 12. 07. 09:25 Feladat: Első betűvadászat Értékelés: Kiváló!"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Egerezés 2026. 12. 09. 09:15 Feladat: Lepkevadászat Értékelés: Ügyes vagy!"));
    EXPECT_TRUE(text.contains("Teljesítmény: 12/11 Értékelés: Egy-két hiba nem a világ, jó vagy!"));
    EXPECT_FALSE(text.contains("Ha elolvastad"));
    EXPECT_FALSE(text.contains("Név: Zoltán"));
    EXPECT_FALSE(text.contains("Évfolyam:")); // the grade's heading says it

    QFile html(folder.filePath("bitlak-eredmenyek.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(html.readAll());
    EXPECT_TRUE(page.contains("<h3>Ágnes</h3>"));
    EXPECT_TRUE(page.contains("<td>Egerezés</td><td>2026.&nbsp;12.&nbsp;09.&nbsp;09:15</td><td>Feladat: Lepkevadászat<br>Értékelés: "
                              "Ügyes vagy!</td>"));
}

TEST_P(ClassReportTest, OneGradeAndADateRangeLeaveTheRestOut)
{
    ASSERT_EQ(Report({"--grade", "HARMADIKOS", "--from", "2026-12-07", "--to", "2026-12-08"}), 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith("2 értékelés\n"));
    const QString text = PdfText();
    EXPECT_TRUE(text.contains("Időszak: 2026. 12. 07. – 2026. 12. 08. Osztály: harmadikos")) << text.toStdString();
    EXPECT_TRUE(text.contains("Zoltán"));
    EXPECT_TRUE(text.contains("Értékelés: Kiváló!"));
    EXPECT_FALSE(text.contains("Csenge"));
    EXPECT_FALSE(text.contains("Lepkevadászat"));

    ASSERT_EQ(Report({"--from", "2027-01-01"}), 0);
    EXPECT_TRUE(PdfText().contains("Nincs eredmény a megadott időszakban."));
}

TEST_P(ClassReportTest, WrongOptionsAndAStoreTurnedOffSayWhy)
{
    EXPECT_EQ(Report({"--from", "12/07"}), 2);
    EXPECT_EQ(err, "bitlak-report: --from 12/07: ÉÉÉÉ-HH-NN alakú dátum kell\n");
    EXPECT_EQ(Report({"--grade"}), 2);
    EXPECT_TRUE(err.startsWith("bitlak-report: hiányzik az érték: --grade\n"));
    EXPECT_EQ(Report({"--class", "3a"}), 2);
    EXPECT_TRUE(err.startsWith("bitlak-report: ismeretlen kapcsoló: --class\n"));

    QFile file(settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    EXPECT_EQ(Report({}), 2);
    EXPECT_EQ(err, "bitlak-report: az eredmények tárolása ki van kapcsolva (" + settingsPath +
                       ": [results] store = off)\n");
    EXPECT_FALSE(QFile::exists(folder.filePath("bitlak-eredmenyek.pdf")));
}

INSTANTIATE_TEST_SUITE_P(Stores, ClassReportTest, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
