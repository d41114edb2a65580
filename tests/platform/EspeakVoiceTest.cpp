#include "platform/EspeakVoice.h"
#include "platform/RecordingVoiceSink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class EspeakVoiceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(voice.WaitReady()) << "espeak-ng's Hungarian voice did not load"; }

    // Runs the events that bring the samples over until the voice is done (or the limit is up).
    bool WaitSilent(int limitMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (voice.Speaking() && clock.elapsed() < limitMs) {
            QCoreApplication::processEvents();
            QThread::msleep(2);
        }
        QCoreApplication::processEvents();
        return !voice.Speaking();
    }

    TRecordingVoiceSink sink;
    TEspeakVoice voice{sink};
};

TEST_F(EspeakVoiceTest, SaysHungarianTextAudiblyAndLongerTextLasts)
{
    const QString shortText = QStringLiteral("Kedves Anna!");
    const QString longText = QStringLiteral("Kedves Anna! Ezek szerint elsős vagy. A billentyűzet vagy klaviatúra neve "
                                            "angolul keyboard. Az ujjak a képen a két enter-t mutatják.");
    voice.Say(shortText);
    EXPECT_TRUE(voice.Speaking());
    ASSERT_TRUE(WaitSilent());
    voice.Say(longText);
    ASSERT_TRUE(WaitSilent());

    ASSERT_EQ(sink.Utterances().size(), 2);
    EXPECT_GT(sink.SampleRate(), 8000);
    for (int i : {0, 1})
        EXPECT_GT(sink.Loudness(i), 0.02) << i;
    // Read at a child's pace: between 5 and 25 characters a second.
    EXPECT_GT(sink.Seconds(0), 0.5);
    for (int i : {0, 1}) {
        const double perSecond = (i == 0 ? shortText : longText).size() / sink.Seconds(i);
        EXPECT_GT(perSecond, 5) << i;
        EXPECT_LT(perSecond, 25) << i;
    }

    QTemporaryDir folder;
    const QString wav = folder.filePath("hosszu.wav");
    ASSERT_TRUE(sink.SaveWav(1, wav));
    EXPECT_EQ(QFileInfo(wav).size(), 44 + sink.Utterances()[1].size());
}

TEST_F(EspeakVoiceTest, StopAndANewTextCutOffWhatIsBeingSaid)
{
    const QString longText = QStringLiteral("Ez egy számítógépes felsorolás, azaz lista. A lista egy listadobozban van. "
                                            "Felsorolhatsz neveket, számokat, színeket, mértékegységeket és így tovább.");
    voice.Say(longText);
    // The first words arrive while the rest is still being made.
    QElapsedTimer clock;
    clock.start();
    while (sink.Utterances().isEmpty() && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    ASSERT_FALSE(sink.Utterances().isEmpty());
    const int stopsBefore = sink.Stops();
    voice.Stop();
    EXPECT_FALSE(voice.Speaking());
    EXPECT_GT(sink.Stops(), stopsBefore);
    // Nothing of the stopped text is heard afterwards.
    const qsizetype heard = sink.Utterances().last().size();
    QThread::msleep(200);
    QCoreApplication::processEvents();
    EXPECT_EQ(sink.Utterances().size(), 1);
    EXPECT_EQ(sink.Utterances().last().size(), heard);

    voice.Say(longText);
    voice.Say(QStringLiteral("Tovább!"));
    ASSERT_TRUE(WaitSilent());
    // Only the last request is heard, whole.
    ASSERT_EQ(sink.Utterances().size(), 2);
    EXPECT_LT(sink.Seconds(1), 2.0);
    EXPECT_GT(sink.Loudness(1), 0.02);

    // Nothing to say is silence.
    voice.Say(QStringLiteral("   "));
    EXPECT_FALSE(voice.Speaking());
}

} // namespace
