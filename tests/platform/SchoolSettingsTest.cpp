#include "platform/SchoolSettings.h"
#include "support/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SchoolSettingsTest : public ::testing::Test {
protected:
    QString Write(const QByteArray& text) { return WriteSettingsFile(folder, text); }

    QTemporaryDir folder;
};

const char* const DefaultsShown = "[course]\n"
                                  "topics = billentyu, egerezes, gombok, jelolesek, listadobozok, panelek, ablakok, "
                                  "menuk, programok, osszefogl\n"
                                  "[sound]\nenabled = true\nvolume = 100\n"
                                  "[speech]\nmode = request\n"
                                  "[mouse]\ndouble_click_ms = 0\n"
                                  "[results]\nstore = off\nsqlite_path = /var/lib/bitlak/results.sqlite\nhost = \n"
                                  "port = 5432\ndatabase = bitlak\nuser = bitlak\npassword = \nkeep_days = 365\n";

TEST_F(SchoolSettingsTest, EveryKeyIsReadAndShownAsTheCourseUsesIt)
{
    const QString path = Write("; a lab of thirty PCs\n"
                               "[course]\n"
                               "topics = Menuk, billentyu, EGEREZES\n"
                               "[sound]\n"
                               "enabled = no\n"
                               "volume = 35 ; quieter in the lab\n"
                               "[speech]\n"
                               "mode = Every Page\n"
                               "[mouse]\n"
                               "double_click_ms = 800\n"
                               "[results]\n"
                               "store = PostgreSQL\n"
                               "sqlite_path = /srv/bitlak/eredmenyek.sqlite\n"
                               "host = db.iskola.lan\n"
                               "port = 6543\n"
                               "database = tanulok\n"
                               "user = gepterem\n"
                               "password = \"titok,123\"\n"
                               "keep_days = 200\n");
    const TSchoolSettings settings(path);

    EXPECT_TRUE(settings.Problems().isEmpty()) << settings.Problems().join("\n").toStdString();
    // The chooser's order, whatever the file's.
    EXPECT_EQ(settings.Topics(), QStringList({"BILLENTYU", "EGEREZES", "MENUK"}));
    EXPECT_TRUE(settings.TopicOffered("egerezes"));
    EXPECT_FALSE(settings.TopicOffered("GOMBOK"));
    EXPECT_FALSE(settings.SoundOn());
    EXPECT_EQ(settings.Volume(), 35);
    EXPECT_EQ(settings.DoubleClickMs(), 800);
    EXPECT_EQ(settings.Speech(), TSchoolSettings::TSpeech::EveryPage);
    EXPECT_EQ(settings.Store(), TSchoolSettings::TStore::Postgresql);
    EXPECT_EQ(settings.SqlitePath(), "/srv/bitlak/eredmenyek.sqlite");
    EXPECT_EQ(settings.Host(), "db.iskola.lan");
    EXPECT_EQ(settings.Port(), 6543);
    EXPECT_EQ(settings.Database(), "tanulok");
    EXPECT_EQ(settings.User(), "gepterem");
    EXPECT_EQ(settings.Password(), "titok,123");
    EXPECT_EQ(settings.KeepDays(), 200);
    EXPECT_EQ(settings.Describe(), "[course]\ntopics = billentyu, egerezes, menuk\n"
                                   "[sound]\nenabled = false\nvolume = 35\n"
                                   "[speech]\nmode = every page\n"
                                   "[mouse]\ndouble_click_ms = 800\n"
                                   "[results]\nstore = postgresql\nsqlite_path = /srv/bitlak/eredmenyek.sqlite\n"
                                   "host = db.iskola.lan\nport = 6543\ndatabase = tanulok\nuser = gepterem\n"
                                   "password = (megadva)\nkeep_days = 200\n");

    const TSchoolSettings sqlite(
        Write("[results]\nstore = sqlite\nkeep_days = 0\n[mouse]\ndouble_click_ms = 0\n[speech]\nmode = off\n"));
    EXPECT_EQ(sqlite.Speech(), TSchoolSettings::TSpeech::Off);
    EXPECT_EQ(sqlite.Store(), TSchoolSettings::TStore::Sqlite);
    EXPECT_EQ(sqlite.SqlitePath(), "/var/lib/bitlak/results.sqlite");
    EXPECT_EQ(sqlite.KeepDays(), 0);
    EXPECT_EQ(sqlite.DoubleClickMs(), 0);
    EXPECT_TRUE(sqlite.Problems().isEmpty());
}

TEST_F(SchoolSettingsTest, EachBadValueKeepsItsDefaultAndIsNamedOnceWithKeyFileAndDefault)
{
    const QString path = Write("[course]\ntopics = billentyu, rajzolas\n"
                               "[sound]\nenabled = talan\nvolume = 150\n"
                               "[mouse]\ndouble_click_ms = 50\n"
                               "[speech]\nmode = loud\n"
                               "[results]\nstore = mysql\nsqlite_path = results.sqlite\nport = ot\nkeep_days = -3\n"
                               "user = tanar\n"
                               "[sound]\nvolum = 20\n");
    const TSchoolSettings settings(path);

    const QStringList expected = {
        "bitlak: " + path + ": ismeretlen kulcs: [sound] volum; a program nem használja",
        "bitlak: " + path + ": [course] topics = „billentyu,rajzolas”: ismeretlen témakör: rajzolas (ezek közül lehet "
                            "választani: billentyu, egerezes, gombok, jelolesek, listadobozok, panelek, ablakok, menuk, "
                            "programok, osszefogl, vagy all); marad az alapérték: all",
        "bitlak: " + path + ": [sound] enabled = „talan”: true vagy false kell; marad az alapérték: true",
        "bitlak: " + path + ": [sound] volume = „150”: 0 és 100 közötti egész szám kell; marad az alapérték: 100",
        "bitlak: " + path + ": [mouse] double_click_ms = „50”: 100 és 2000 közötti egész szám kell (vagy 0: az asztali "
                            "környezeté); marad az alapérték: 0",
        "bitlak: " + path + ": [speech] mode = „loud”: off, request vagy every page kell; marad az alapérték: request",
        "bitlak: " + path + ": [results] store = „mysql”: off, sqlite vagy postgresql kell; marad az alapérték: off",
        "bitlak: " + path + ": [results] sqlite_path = „results.sqlite”: teljes (/-rel kezdődő) út kell; marad az "
                            "alapérték: /var/lib/bitlak/results.sqlite",
        "bitlak: " + path + ": [results] port = „ot”: 1 és 65535 közötti egész szám kell; marad az alapérték: 5432",
        "bitlak: " + path + ": [results] keep_days = „-3”: 0 és 36500 közötti egész szám kell (0: semmit sem töröl); "
                            "marad az alapérték: 365",
    };
    EXPECT_EQ(settings.Problems(), expected);
    EXPECT_EQ(settings.Topics().size(), 10);
    EXPECT_TRUE(settings.SoundOn());
    EXPECT_EQ(settings.Volume(), 100);
    EXPECT_EQ(settings.Store(), TSchoolSettings::TStore::Off);
    EXPECT_EQ(settings.Speech(), TSchoolSettings::TSpeech::Request);
    // A good value beside the bad ones still counts.
    EXPECT_EQ(settings.User(), "tanar");
}

TEST_F(SchoolSettingsTest, NoFileMeansDefaultsSilentlyAndNothingWritten)
{
    const QString path = folder.filePath("bitlak.conf");
    const TSchoolSettings settings(path);
    EXPECT_TRUE(settings.Problems().isEmpty());
    EXPECT_EQ(settings.Describe(), DefaultsShown);
    EXPECT_EQ(TSchoolSettings().Describe(), DefaultsShown);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());

    // An empty file and "all" are the defaults too.
    EXPECT_EQ(TSchoolSettings(Write("")).Describe(), DefaultsShown);
    EXPECT_EQ(TSchoolSettings(Write("[course]\ntopics = all\n")).Describe(), DefaultsShown);
}

TEST_F(SchoolSettingsTest, AFileThatCannotBeReadKeepsEveryDefault)
{
    const QString path = folder.filePath("bitlak.conf");
    ASSERT_TRUE(QDir(folder.path()).mkdir("bitlak.conf")); // a folder where the file should be
    const TSchoolSettings settings(path);
    EXPECT_EQ(settings.Problems(),
              QStringList{"bitlak: " + path + ": a fájl nem olvasható; minden beállítás az alapértéke marad"});
    EXPECT_EQ(settings.Describe(), DefaultsShown);
}

TEST_F(SchoolSettingsTest, TheShippedFileShowsEveryKeyCommentedOutAndChangesNothing)
{
    const QString shipped = QStringLiteral(BITLAK_PACKAGING_DIR "/bitlak.conf");
    const TSchoolSettings settings(shipped);
    EXPECT_TRUE(settings.Problems().isEmpty()) << settings.Problems().join("\n").toStdString();
    EXPECT_EQ(settings.Describe(), DefaultsShown);

    QFile file(shipped);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char* line : {";topics = all", ";enabled = true", ";volume = 100", ";double_click_ms = 0", ";mode = request", ";store = off",
                             ";sqlite_path = /var/lib/bitlak/results.sqlite", ";host =", ";port = 5432",
                             ";database = bitlak", ";user = bitlak", ";password =", ";keep_days = 365"})
        EXPECT_TRUE(text.contains(QString("\n") + line + "\n")) << line;
}

} // namespace
