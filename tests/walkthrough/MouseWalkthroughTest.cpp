#include "topics/mouse/MouseCourse.h"

namespace {

class MouseWalkthrough : public MouseCourse {
protected:
    // Helpful moves until the page on screen is of class Page (or moves run out); each new page
    // object's name noted once.
    template <class Page> void PlayUntil(int moves = 20000)
    {
        TBaseForm* last = nullptr;
        for (int move = 0; move < moves && !HasFailure(); ++move) {
            TBaseForm* page = CurrentPage();
            ASSERT_NE(page, nullptr);
            if (page != last) {
                road << page->GetPageName();
                Snapshot(QString("mouse_%1_%2").arg(++shots, 3, 10, QChar('0')).arg(page->GetPageName()));
            }
            if (auto* evaluation = CurrentPageAs<TErtekeles>(); evaluation && page != last)
                evaluations << evaluation->Text();
            last = page;
            if (dynamic_cast<Page*>(page) && move > 0)
                return;
            ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
            ASSERT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
        }
        ADD_FAILURE() << "never reached the page; road: " << road.join(", ").toStdString();
    }

    void SetUp() override { MouseMoves::SetRoundsPerGame(2); }
    void TearDown() override { MouseMoves::SetRoundsPerGame(1); }

    QStringList road;
    int shots = 0;
    QStringList evaluations;
};

TEST_F(MouseWalkthrough, EveryPageTwoRoundsOfEachGameEachGameFromTheChooserAndHome)
{
    OpenMouseTopic();
    PlayUntil<TEgerJatekvalasztasForm>();
    QStringList expected = {"EgerekForm", "EgerTipusForm", "EgerKurzorForm", "EgerKattInfoForm", "EgerKattintForm"};
    const auto game = [&expected](const char* name) {
        expected << name << "Ertekeles" << name << "Ertekeles" << name;
    };
    game("LepkevadaszForm");
    expected << "EgerBallJobbForm";
    game("EgervadaszatForm");
    expected << "DuplaKattForm";
    game("EgerLufipukkForm");
    expected << "EgerDragDropForm" << "EgerAHazbaBeForm";
    game("EgerBasketBallForm");
    expected << "EgerSzinezoInfoForm" << "EgerNoraSzinezForm" << "EgerSzabalyokForm" << "EgerEgerfajtakForm"
             << "Ertekeles" << "EgerJatekvalasztasForm";
    EXPECT_EQ(road, expected);
    // The second basketball game had the first one's time to beat.
    const QStringList basket = evaluations.filter("Feladat: Kosárlabda");
    ASSERT_EQ(basket.size(), 2);
    EXPECT_TRUE(basket[0].contains("<BR>Legjobb idő: --:--<BR>")) << basket[0].toStdString();
    EXPECT_FALSE(basket[1].contains("<BR>Legjobb idő: --:--<BR>")) << basket[1].toStdString();

    // Each game again from the chooser: two rounds, then back to the chooser.
    for (const TTitle& title : Titles) {
        const char* name = title.page;
        auto* chooser = On<TEgerJatekvalasztasForm>();
        ASSERT_NE(chooser, nullptr);
        Click((chooser->*title.title)());
        road.clear();
        PlayUntil<TEgerJatekvalasztasForm>();
        EXPECT_EQ(road, (QStringList{name, "Ertekeles", name, "Ertekeles", name, "EgerJatekvalasztasForm"}));
        EXPECT_FALSE(BoardText("JATEKVALASZT")) << name;
    }

    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    auto* home = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(home, nullptr) << CurrentPageName().toStdString();
    EXPECT_EQ(home->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(PagesAlive(), 1);
    for (const char* key : {"STEP", "STEP_READY", "ACTION", "ROUND", "JATEKVALASZT", "TIMERECORD", "CHANGE_MODUL"})
        EXPECT_FALSE(Controller().GetValue(key)) << key;
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

} // namespace
