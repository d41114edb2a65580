#include "WindowsCourse.h"

namespace {

class WindowsTextsTest : public WindowsCourse {};

TEST_F(WindowsTextsTest, IntroductionAndWorkArea)
{
    OpenWindowsTopic();
    EXPECT_EQ(Text(On<TWndIntroForm>()->NoraInfoForm()->txtDialog()),
              "A legismertebb operációs rendszer neve Windows (vindóz) = ablakok. Ha ezt használod, akkor a "
              "képernyőn minden program ablakban jelenik meg. Az ablakok könnyen kinyithatók és bezárhatók. Az "
              "ablakok mérete változtatható, és egyszerre több is elfér a képernyőn.");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    auto* lesson = On<TWndKezelForm>();
    ASSERT_NE(lesson, nullptr);
    EXPECT_EQ(lesson->Window1()->Caption(), "Címsáv");
    EXPECT_EQ(Text(lesson->Window1()->txtTask()),
              "Az ablak tetején lévő színes csík a címsáv, ahol például a program nevét is megtalálod. Ha az "
              "egérrel a címsávra kattintasz, akkor mozgathatod is a képernyőn az ablakot.\nHasználd a \"Fogd és "
              "vidd\" módszert! \nVidd az ablakot a bal felső sarokba!\n");
    EXPECT_EQ(lesson->sbtnNora()->text(), "Nóra ablaka");
    EXPECT_EQ(lesson->sbtnTivadar()->text(), "Tivadar ablaka");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    auto* resize = On<TWndMeretForm>();
    ASSERT_NE(resize, nullptr);
    EXPECT_EQ(resize->MeretWnd()->Caption(), "Méretezés");
    EXPECT_EQ(Text(resize->MeretWnd()->taskText()),
              "Az ablakok mérete változtatható. Az ablak bármelyik szélét elmozdíthatod, ha lenyomod rajta az "
              "egérgombot, és közben mozgatod az egeret. Akkor nyomd le a gombot, amikor az egérmutató fekete kettős "
              "nyíllá változik! Most kicsinyítsd le az ablakot, amennyire csak lehet!");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    EXPECT_EQ(Text(On<TWndMunkaterForm>()->Window()->txtTask()),
              "Az ablakok legnagyobb része a munkaterület, ahol dolgozol. A munkaterület többnyire fehér. Hogy mit "
              "látsz rajta, az a feladattól függ: lehetnek rajta képek, gombok, listadobozok, csúszkák. Az "
              "ablakokban játszhatsz, rajzolhatsz, írhatsz és számolhatsz is.");
}

TEST_F(WindowsTextsTest, LessonStepsInTheirColours)
{
    struct TRow {
        int step;
        const char* text;
        QColor colour;
    };
    const TRow rows[] = {
        {22, "Az ablak jobb felső sarkában láthatod az ablakkezelő gombokat. A középsővel átméretezheted az ablakot "
             "úgy, mint az előbb. Próbáld ki 6-szor!", QColor(0, 128, 0)},
        {23, "Az X gombbal bezárhatod az ablakot. Ilyenkor a programból is kilépsz, ez ennek a legegyszerűbb formája. "
             "Próbáld ki háromszor!", QColor(255, 0, 0)},
        {24, "Alul megjelent a TÁLCA. Ide is helyezheted ablakaidat. Ekkor az ablak nem zárul be, csak leugrik a "
             "TÁLCÁRA, hogy ne foglalja a helyet. A fekvő pálcikát ábrázoló kis gombbal ugraszd le Nóra ablakát a "
             "TÁLCÁRA! Visszahozni a TÁLCÁN látható gombra klikkelve tudod. Próba háromszor!", QColor(128, 0, 128)},
        {25, "Úgy is eltűntetheted és újra visszahozhatod az ablakot, ha a hozzá tartozó, a tálcán lévő gombra "
             "kattintgatsz. Próbáld ki háromszor!", QColor(0, 0, 0)},
        {32, "Az ablakok kis mérete, tálcára helyezése akkor hasznos, ha több ablakot használsz. Ilyenkor aktív "
             "ablaknak nevezzük azt, amelyikkel éppen dolgozol, az összes többit pedig inaktívnak. Amelyik ablak a "
             "tálcán van, az mindig inaktív. Egyszerre csak egy ablak lehet aktív, ezt a címsávjának élénk színe is "
             "jelzi.\nEngem tegyél a tálcára!", QColor(0, 0, 255)},
    };
    auto* lesson = Reach<TWndKezelForm>(TWindowsStop::Kezel);
    ASSERT_NE(lesson, nullptr);
    for (const TRow& row : rows) {
        WindowsMoves::HandleWindows(*this, *lesson, row.step);
        ASSERT_EQ(lesson->Step(), row.step);
        EXPECT_EQ(Text(lesson->Window1()->txtTask()), QString::fromUtf8(row.text)) << row.step;
        EXPECT_EQ(Colour(lesson->Window1()->txtTask()), row.colour) << row.step;
    }
    WindowsMoves::HandleWindows(*this, *lesson, 35);
    EXPECT_EQ(Text(lesson->Window2()->txtTask()),
              "Szia! Nóra nem tűnt el, a tálcán pihen. Az ablakok között kattintással is válthatsz. Nem kell tálcára "
              "tenni egyiket sem, egyszerűen kattints az ablak belsejére vagy címsávjára! Most ugraszd fel Nóra "
              "ablakát a tálcáról, azután váltogasd az ablakokat hatszor kattintással!");
    WindowsMoves::HandleWindows(*this, *lesson, 100);
    WindowsMoves::ClickAt(*this, WindowsMoves::OnlyWindow1());
    EXPECT_EQ(Text(lesson->Window1()->txtTask()),
              "A címsáv alatt szavak láthatók, ezek a menük. A menük menüsort alkotnak. A menük használatával a "
              "következő témakör foglalkozik.");
}

TEST_F(WindowsTextsTest, CopyTasksTitlesTextsAndColours)
{
    struct TRow {
        const char* title;
        const char* text;
        QColor colour;
    };
    const TRow rows[] = {
        {"Áthelyezés", "Az ablakokban gyakran láthatók kis képek, azaz ikonok. Ezeket át lehet húzni az egyik ablakból "
                       "a másikba. Húzd át Tivadar ikonját a helyére!", QColor(0, 0, 0)},
        {"Másolás", "Az előbb áthelyeztél, most másolnod kell. Tartsd nyomva a CTRL billentyűt, és úgy húzd át az "
                    "ikonokat az egyik ablakból a másikba! ", QColor(0, 0, 255)},
        {"Áthelyezés", "Most jelöld ki egyszerre az összes ikont! Shift + nyíl, vagy Ctrl + egér. Ezután helyezd át "
                       "őket a másik ablakba!", QColor(0, 128, 0)},
        {"Másolás", "A nem szomszédos elemeket CTRL + kattintással jelölheted ki. Másold át Kábel Ödönt és Tivadart "
                    "az üres ablakba!", QColor(128, 0, 128)},
        {"Törlés", "Az ablakokból törölni is lehet a képeket, ikonokat! Ehhez használd a DELETE billentyűt! Törölj "
                   "ki minden képet az ablakból! Lehetőleg egyszerre töröld az elemeket!", QColor(255, 0, 0)},
    };
    auto* page = Reach<TWndMasolForm>(TWindowsStop::Masol);
    ASSERT_NE(page, nullptr);
    for (const TRow& row : rows) {
        EXPECT_EQ(page->Source()->Caption(), QString::fromUtf8(row.title));
        EXPECT_EQ(page->Target()->Caption(), QString::fromUtf8(row.title));
        EXPECT_EQ(Text(page->Source()->txtTask()), QString::fromUtf8(row.text));
        EXPECT_EQ(Colour(page->Source()->txtTask()), row.colour);
        WindowsMoves::CopyTask(*this, *page);
    }
    EXPECT_EQ(page->Source()->Button1()->text(), "Tovább!");
    EXPECT_EQ(page->Source()->Button1()->font().family(), "Arial");
    EXPECT_TRUE(Text(page->Source()->txtTask()).isEmpty());
}

} // namespace
