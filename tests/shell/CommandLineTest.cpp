#include "shell/CommandLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TCommandLine Parse(const QStringList& arguments)
{
    return TCommandLine::Parse(arguments, QStringLiteral("3.2"));
}

TEST(CommandLineTest, NoArgumentsOrWindowStartTheCourse)
{
    const TCommandLine plain = Parse({});
    EXPECT_TRUE(plain.StartsCourse());
    EXPECT_FALSE(plain.Windowed());

    const TCommandLine windowed = Parse({"--window"});
    EXPECT_TRUE(windowed.StartsCourse());
    EXPECT_TRUE(windowed.Windowed());
}

TEST(CommandLineTest, HelpAndVersionAnswerInHungarianAndExitCleanly)
{
    const TCommandLine help = Parse({"--window", "--help"});
    EXPECT_FALSE(help.StartsCourse());
    EXPECT_EQ(help.ExitCode(), 0);
    EXPECT_TRUE(help.Text().startsWith("Használat: bitlak [KAPCSOLÓ]\n")) << help.Text().toStdString();
    for (const char* option : {"--window", "--help", "--version"})
        EXPECT_TRUE(help.Text().contains(QStringLiteral("\n  %1 ").arg(QLatin1String(option)))) << option;
    EXPECT_TRUE(help.Text().contains("„Igen” gomb"));

    const TCommandLine version = Parse({"--version"});
    EXPECT_FALSE(version.StartsCourse());
    EXPECT_EQ(version.ExitCode(), 0);
    EXPECT_EQ(version.Text(), "Bitlak 3.2\n");
}

TEST(CommandLineTest, AnythingElseNamesTheFirstWrongOptionAndExitsWithTwo)
{
    const std::pair<QStringList, QString> cases[] = {
        {{"--windows"}, "--windows"},
        {{"--window", "-h"}, "-h"},
        {{"-platform", "xcb"}, "-platform"},
        {{"anna.txt", "--help"}, "anna.txt"},
    };
    for (const auto& [arguments, wrong] : cases) {
        const TCommandLine command = Parse(arguments);
        EXPECT_FALSE(command.StartsCourse()) << wrong.toStdString();
        EXPECT_EQ(command.ExitCode(), 2);
        EXPECT_EQ(command.Text(), "bitlak: ismeretlen kapcsoló: " + wrong +
                                      "\nA kapcsolók listáját a „bitlak --help” parancs írja ki.\n");
    }
}

TEST(CommandLineTest, CheckConfigShowsTheSettingsInEffectAndExitsWithTwoOnABadValue)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("bitlak.conf");
    const auto check = [&path] { return TCommandLine::Parse({"--check-config"}, "3.2", path); };

    const TCommandLine missing = check();
    EXPECT_FALSE(missing.StartsCourse());
    EXPECT_EQ(missing.ExitCode(), 0);
    EXPECT_TRUE(missing.Text().startsWith("[course]\ntopics = billentyu, egerezes, gombok,")) << missing.Text().toStdString();
    EXPECT_TRUE(missing.Problems().isEmpty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[sound]\nvolume = 40\n[mouse]\ndouble_click_ms = 900\n[speech]\nmode = off\n");
    file.close();
    const TCommandLine good = check();
    EXPECT_EQ(good.ExitCode(), 0);
    EXPECT_TRUE(good.Text().contains(
        "\n[sound]\nenabled = true\nvolume = 40\n[speech]\nmode = off\n[mouse]\ndouble_click_ms = 900\n"));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[sound]\nvolume = hangos\n");
    file.close();
    const TCommandLine bad = check();
    EXPECT_FALSE(bad.StartsCourse());
    EXPECT_EQ(bad.ExitCode(), 2);
    EXPECT_TRUE(bad.Text().contains("\nvolume = 100\n"));
    EXPECT_EQ(bad.Problems(), "bitlak: " + path +
                                  ": [sound] volume = „hangos”: 0 és 100 közötti egész szám kell; marad az alapérték: 100\n");
}

} // namespace
