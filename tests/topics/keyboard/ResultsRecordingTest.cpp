#include "KeyboardCourse.h"
#include "support/SettingsFile.h"

#include "platform/ResultsStore.h"
#include "platform/ResultsWriter.h"
#include "platform/SchoolSettings.h"
#include "platform/Services.h"

#include <QSysInfo>
#include <QTemporaryDir>

namespace {

// The school's results store on: the evaluations the learner reads land in a real SQLite file.
class ResultsRecordingTest : public KeyboardCourse {
protected:
    void SetUp() override
    {
        settings = std::make_unique<TSchoolSettings>(WriteSettingsFile(folder, SqliteStoreText(folder)));
        writer = std::make_unique<TResultsWriter>(*settings, folder.filePath("queue.jsonl"));
        Services::SetResults(writer.get());
    }

    void TearDown() override
    {
        Services::SetResults(nullptr);
        writer.reset();
    }

    std::vector<TEvaluationRecord> Stored()
    {
        EXPECT_TRUE(writer->WaitUntilStored(30000));
        TResultsStore store(*settings, "reader");
        EXPECT_TRUE(store.Open()) << store.Error().toStdString();
        return store.Rows();
    }

    QTemporaryDir folder;
    std::unique_ptr<TSchoolSettings> settings;
    std::unique_ptr<TResultsWriter> writer;
};

TEST_F(ResultsRecordingTest, EachEvaluationShownIsRecordedWithTopicPageNameAndGrade)
{
    const QDateTime before = QDateTime::currentDateTimeUtc();
    OpenKeyboardTopic("Zsófi");
    EnterGrade("Harmadikos");
    PracticeFirstBlock();
    HuntAll();
    ASSERT_EQ(CurrentPageName(), "Ertekeles");
    Continue();
    PracticeSecondBlock();
    HuntAll();
    ASSERT_EQ(CurrentPageName(), "Ertekeles");

    const std::vector<TEvaluationRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 2U);
    for (const TEvaluationRecord& record : stored) {
        EXPECT_EQ(record.topic, "BILLENTYU");
        EXPECT_EQ(record.page, "BETUVADASZAT");
        EXPECT_EQ(record.name, "Zsófi");
        EXPECT_EQ(record.grade, "Harmadikos"); // as typed
        EXPECT_EQ(record.host, QSysInfo::machineHostName());
        EXPECT_GE(record.time, before.addMSecs(-1));
        EXPECT_LE(record.time, QDateTime::currentDateTimeUtc());
    }
    EXPECT_TRUE(stored.at(0).text.startsWith("Témakör: Billentyűzet<BR>Feladat: Első betűvadászat"));
    EXPECT_TRUE(stored.at(1).text.startsWith("Témakör: Billentyűzet<BR>Feladat: Második betűvadászat"))
        << stored.at(1).text.toStdString();

    // Shown again without a new text, the page records nothing.
    CurrentPage()->ShowPage();
    EXPECT_EQ(Stored().size(), 2U);
}

} // namespace
