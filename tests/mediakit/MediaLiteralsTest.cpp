#include "MediaLiterals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace MediaLiterals;

const char* const PageSource = R"cpp(// A page that uses "commented.png" only in a comment.
/* and "blocked.wav"
   over two lines */
#include "EgerekForm.h"

void TEgerekForm::ShowPage()
{
    LoadBackground("egerezes\\EgerekForm.jpg");
    LoadPng("egerezes\\" + GetPageName() + "_nyilacska.png");
    anim->Open(AviPath("Jelolesek\\Radiogomb.AVI"));
    odon->Open("..\\res\\avis\\kabel_odon_bologat.avi");
    PlaySoundFile("harang.wav"); // "trailing.wav"
    const QString words = EtcPath("words.txt");
    const char* kind = ".jpg";
    const int big = 1'000'000;
    const QChar quote = '"';
    const QString numbered = QString("%1.png").arg(big);
    LoadPng("\\START.png");
    LoadPng("panel\\" "auto.png");
    const char* raw = R"(menu\fej_jobb.avi)";
    const char* text = "Tovább";
    const char* spoken = "say \"hi.wav\" now";
}
)cpp";

TEST(MediaLiteralsTest, FindsLiteralsOutsideCommentsWithTheirLines)
{
    const std::vector<TLiteral> literals = StringLiterals(QString::fromUtf8(PageSource));
    std::vector<QString> texts;
    for (const TLiteral& literal : literals)
        texts.push_back(literal.text);
    const std::vector<QString> expected{"EgerekForm.h", "egerezes\\EgerekForm.jpg", "egerezes\\", "_nyilacska.png",
        "Jelolesek\\Radiogomb.AVI", "..\\res\\avis\\kabel_odon_bologat.avi", "harang.wav", "words.txt", ".jpg",
        "%1.png", "\\START.png", "panel\\auto.png", "menu\\fej_jobb.avi", "Tovább", "say \"hi.wav\" now"};
    EXPECT_EQ(texts, expected);
    ASSERT_EQ(literals.size(), expected.size());
    EXPECT_EQ(literals[0].line, 4);
    EXPECT_EQ(literals[1].line, 8);
    EXPECT_EQ(literals[6].line, 12);
    EXPECT_EQ(literals[12].line, 20);
}

TEST(MediaLiteralsTest, TurnsWholeMediaNamesIntoTheKitsPaths)
{
    EXPECT_EQ(MediaPath("egerezes\\EgerekForm.jpg"), "images/egerezes/egerekform.jpg");
    EXPECT_EQ(MediaPath("\\START.png"), "images/start.png");
    EXPECT_EQ(MediaPath("Jelolesek\\Radiogomb.AVI"), "avis/jelolesek/radiogomb.avi");
    EXPECT_EQ(MediaPath("..\\res\\avis\\kabel_odon_bologat.avi"), "avis/kabel_odon_bologat.avi");
    EXPECT_EQ(MediaPath("../res/images/prg/prg_base.jpg"), "images/prg/prg_base.jpg");
    EXPECT_EQ(MediaPath("harang.wav"), "sound/harang.wav");
    EXPECT_EQ(MediaPath("minta.bmp"), "images/minta.bmp");
    EXPECT_EQ(MediaPath("kep.jpeg"), "images/kep.jpeg");
    EXPECT_EQ(MediaPath("words.txt"), "etc/words.txt");

    // Parts of names that pages put together, and texts that are no names.
    for (const char* part : {".jpg", "_nyilacska.png", "egerezes\\", "%1.png", "notes.txt", "Tovább",
             "say \"hi.wav\" now", "*.avi", "", "egerezes\\game\\"})
        EXPECT_EQ(MediaPath(part), QString()) << part;
}

TEST(MediaLiteralsTest, ScansAFolderOfSources)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QDir().mkpath(folder.filePath("topics/mouse"));
    auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("topics/mouse/EgerekForm.cpp", PageSource);
    write("topics/mouse/notes.txt", "\"ignored.png\"");
    write("Media.h", "// \"x.png\"\ninline const char* Bell = \"harang.wav\";\n");

    std::vector<QString> found;
    for (const TMention& mention : Scan(folder.path()))
        found.push_back(mention.path + " @ " + mention.where);
    std::sort(found.begin(), found.end());
    const std::vector<QString> expected{
        "avis/jelolesek/radiogomb.avi @ topics/mouse/EgerekForm.cpp:10",
        "avis/kabel_odon_bologat.avi @ topics/mouse/EgerekForm.cpp:11",
        "avis/menu/fej_jobb.avi @ topics/mouse/EgerekForm.cpp:20",
        "etc/words.txt @ topics/mouse/EgerekForm.cpp:13",
        "images/egerezes/egerekform.jpg @ topics/mouse/EgerekForm.cpp:8",
        "images/panel/auto.png @ topics/mouse/EgerekForm.cpp:19",
        "images/start.png @ topics/mouse/EgerekForm.cpp:18",
        "sound/harang.wav @ Media.h:2",
        "sound/harang.wav @ topics/mouse/EgerekForm.cpp:12",
    };
    EXPECT_EQ(found, expected);
}

} // namespace
