#include "support/CourseFixture.h"
#include "support/PageSamples.h"
#include "support/SettingsFile.h"

#include "framework/Image.h"
#include "framework/ModuleBase.h"
#include "framework/ReadAloud.h"
#include "framework/SpokenText.h"
#include "platform/EspeakVoice.h"
#include "platform/RecordingVoice.h"
#include "platform/RecordingVoiceSink.h"
#include "platform/Services.h"
#include "platform/SpeechText.h"
#include "shell/Board.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QThread>
#include <map>

namespace {

const QString NameSaid = QStringLiteral(
    "Gépeld ide a keresztneved (legfeljebb 15 betű)! "
    "Aztán nyomd meg az enter feliratú gombot! "
    "Pikszeles Tivadar. Digit Nóra. Kábel Ödön. Lemezke. Tárolka. Nyilacska");
const QString ChooserSaid = QStringLiteral(
    "Kedves Anna! Gondolom, használtál már számítógépet, ha másra nem is, már biztosan játszottál vele. Ha nem, "
        "az sem baj! Már ismerjük egymást. A mi kis baráti körünk fog téged kalauzolni a programban. Mi segítünk "
        "majd neked a tanulásban. Ha hívsz, akkor súgunk! Felkészültél? Kezdhetjük? Ha igen, akkor keresd meg, "
        "majd nyomd le a T billentyűt! Csak arra vigyázz, hogy ne ragadjon rá az ujjad, vagyis ne tartsd hosszú "
        "ideig lenyomva! Elég egyszer megnyomni! Rajta!");

class ReadAloudTest : public CourseFixture {
protected:
    void SetUp() override { Services::SetVoice(&voice); }
    void TearDown() override
    {
        Services::SetVoice(nullptr);
        Services::SetSettings(nullptr);
    }

    // The school's settings with reading in this mode, before the course starts.
    void ReadingMode(const QByteArray& mode)
    {
        settings = std::make_unique<TSchoolSettings>(WriteSettingsFile(folder, "[speech]\nmode = " + mode + "\n"));
        Services::SetSettings(settings.get());
    }

    // Every sample page of the module table, shown by its module as the road shows it.
    void EachSamplePage(const std::function<void(const QString& label, TBaseForm& page)>& visit)
    {
        StartCourse();
        Board::PutText(Controller(), "USERNAME", "Anna");
        Board::PutText(Controller(), "OSZTALY", "harmadikos");
        const TModuleTable table = Modules();
        for (const TModuleTable::TRow& row : table.Rows()) {
            const auto module = std::dynamic_pointer_cast<TModuleBase>(row.factory());
            ASSERT_NE(module, nullptr);
            module->SetController(bitlak->Controller());
            for (const TPageSample& sample : PageSamples::Of(row.value)) {
                auto* page = dynamic_cast<TBaseForm*>(sample.make());
                module->SwitchTo(page, [&] { sample.prepare(Controller()); });
                Settle();
                visit(row.value + '/' + sample.label, *page);
            }
            module->Stop();
            Settle();
        }
    }

    QTemporaryDir folder;
    std::unique_ptr<TSchoolSettings> settings;
    TRecordingVoice voice;
};

TEST_F(ReadAloudTest, EverySamplePageSaysItsInstructionsAndNoButtonCaption)
{
    std::map<QString, QString> said;
    EachSamplePage([&](const QString& label, TBaseForm& page) {
        SCOPED_TRACE(label.toStdString());
        ASSERT_EQ(ReadAloud::Shown(), &page);
        const QString spoken = SpokenText::Of(&page);
        // The race's signs carry words only the kit knows so far: nothing to read there yet.
        if (label == "PANELEK/PnlAutosForm")
            EXPECT_TRUE(ReadAloud::PreparedText(&page).isEmpty());
        else
            EXPECT_FALSE(ReadAloud::PreparedText(&page).isEmpty());
        // A push button's caption is not read, unless a label of the page says the same words.
        QStringList pieces = spoken.split("<BR>");
        for (const QLabel* label : page.findChildren<QLabel*>())
            pieces.removeAll(label->text());
        for (const QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
            if (button->isVisible() && !button->text().isEmpty() && !qobject_cast<const QCheckBox*>(button)
                && !qobject_cast<const QRadioButton*>(button)) {
                EXPECT_FALSE(pieces.contains(button->text())) << button->text().toStdString();
            }
        }
        said[label] = spoken;
    });
    ASSERT_GT(said.size(), 100u);

    // What the learner sees on a few pages, in reading order: pictures' paragraphs and labels
    // apart, a label's own lines as it shows them.
    const std::pair<const char*, const char*> pages[] = {
        {"RETURN_TO_MAIN/NavBeker",
         "Gépeld ide a keresztneved (legfeljebb 15 betű)!\nAztán nyomd meg az ENTER feliratú gombot!"
         "<BR>Pixeles Tivadar\nDigit Nóra\nKábel Ödön<BR>Lemezke\nTárolka\nNyilacska"},
        {"BILLENTYU/Billentyuzet_T",
         "Kedves Anna! Ezek szerint harmadikos vagy. A billentyűzet vagy klaviatúra neve angolul keyboard (kíbord). "
         "Az ujjak a képen a két ENTER-t mutatják. Bármelyiket használhatod. ENTER = Belépés, végrehajtás. "
         "Tovább a T billentyűvel!"},
        {"EGEREZES/LepkevadaszForm_START", "Lepkevadászat"},
        {"MENUK/MenuAsztalkaMForm",
         "Vannak olyan menüpontok, amelyek kipipálhatók. Ha a parancsra kattintasz, akkor megjelenik egy pipa, ha "
         "újra klikkelsz, eltűnik. Klikkeléssel tedd az asztalra, amit Tivadar óhajt!"},
        {"JELOLESEK/Ertekeles_CHKBOX",
         "Feladat: Memória teszt<BR>Név: Anna<BR>Teljesítmény: 10 / 8<BR>Értékelés: Óriási, nagyon jó megfigyelő "
         "vagy!<BR>Igénybevett segítség: 0<BR>Értékelés: Ez igen, nem kellett segítség!<BR>Ha elolvastad, akkor "
         "nyomd meg az L billentyűt!"},
    };
    for (const auto& [label, text] : pages) {
        ASSERT_TRUE(said.count(label)) << label;
        EXPECT_EQ(said[label], QString::fromUtf8(text)) << label;
    }
}

TEST_F(ReadAloudTest, EverySamplePagesTextIsHeardInProportionToItsLength)
{
    TRecordingVoiceSink sink;
    TEspeakVoice espeak(sink);
    ASSERT_TRUE(espeak.WaitReady());
    // With BITLAK_SPEECH_WAVS set to a folder, each page's voice is kept there to listen to.
    const QString keep = qEnvironmentVariable("BITLAK_SPEECH_WAVS");
    int heard = 0;
    EachSamplePage([&](const QString& label, TBaseForm& page) {
        SCOPED_TRACE(label.toStdString());
        const QString text = ReadAloud::PreparedText(&page);
        if (text.isEmpty())
            return;
        espeak.Say(text);
        QElapsedTimer clock;
        clock.start();
        while (espeak.Speaking() && clock.elapsed() < 60000) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
        ASSERT_FALSE(espeak.Speaking());
        const int last = int(sink.Utterances().size()) - 1;
        ASSERT_GE(last, 0);
        EXPECT_GT(sink.Loudness(last), 0.02);
        const double perSecond = text.size() / sink.Seconds(last);
        EXPECT_GT(perSecond, 5) << text.toStdString();
        EXPECT_LT(perSecond, 25) << text.toStdString();
        if (!keep.isEmpty())
            sink.SaveWav(last, QDir(keep).filePath(QString(label).replace('/', '-') + ".wav"));
        ++heard;
        sink.Clear();
    });
    EXPECT_GT(heard, 100);
}

TEST_F(ReadAloudTest, TheKeyAndTheSignReadAgainAndANewPageStopsTheVoice)
{
    StartCourse();
    ASSERT_EQ(CurrentPageName(), "NavBeker");
    EXPECT_TRUE(voice.Said().isEmpty()) << "read on request only";
    PressKey(Qt::Key_F12);
    ASSERT_EQ(voice.Said().size(), 1);
    EXPECT_EQ(voice.Said()[0], NameSaid);
    EXPECT_TRUE(voice.Speaking());
    PressKey(Qt::Key_F12);
    EXPECT_EQ(voice.Said().size(), 2);

    TypeText("Anna");
    PressKey(Qt::Key_Return);
    ASSERT_EQ(CurrentPageName(), "ModulValaszt");
    EXPECT_FALSE(voice.Speaking());

    auto* sign = CurrentPage()->findChild<TImage*>("hangszoro");
    ASSERT_NE(sign, nullptr);
    EXPECT_EQ(sign->geometry(), QRect(974, 6, 44, 40));
    EXPECT_FALSE(sign->Picture().image.isNull());
    Click(sign);
    ASSERT_EQ(voice.Said().size(), 3);
    EXPECT_EQ(voice.Said()[2], ChooserSaid);
    // The key reached no page: the name typed stays as it was.
    EXPECT_EQ(BoardText("USERNAME"), "Anna");
}

TEST_F(ReadAloudTest, EveryPageModeReadsEachPageAsItAppears)
{
    ReadingMode("every page");
    StartCourse();
    ASSERT_EQ(voice.Said().size(), 1);
    EXPECT_EQ(voice.Said()[0], NameSaid);
    TypeText("Anna");
    PressKey(Qt::Key_Return);
    Settle();
    ASSERT_EQ(voice.Said().size(), 2);
    EXPECT_EQ(voice.Said()[1], ChooserSaid);
}

TEST_F(ReadAloudTest, OffModeShowsNoSignAndSaysNothing)
{
    ReadingMode("off");
    StartCourse();
    EXPECT_EQ(CurrentPage()->findChild<TImage*>("hangszoro"), nullptr);
    PressKey(Qt::Key_F12);
    TypeText("Anna");
    PressKey(Qt::Key_Return);
    Settle();
    EXPECT_EQ(CurrentPageName(), "ModulValaszt");
    EXPECT_TRUE(voice.Said().isEmpty());
}

} // namespace
