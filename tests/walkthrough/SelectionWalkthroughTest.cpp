#include "topics/selection/SelectionCourse.h"

#include "home/ModulValaszt.h"

namespace {

class SelectionWalkthrough : public SelectionCourse {
protected:
    void Note()
    {
        const QString name = CurrentPageName();
        if (road.isEmpty() || road.last() != name)
            road << name;
        Snapshot(QString("selection_%1_%2").arg(++shots, 2, 10, QChar('0')).arg(name));
    }

    QStringList road;
    int shots = 0;
};

TEST_F(SelectionWalkthrough, FromTheChooserThroughBothQuizzesAndTwoCannonGamesBackToTheChooser)
{
    OpenSelectionTopic();
    const QStringList lessons = {"JelRdBtnForm", "JelRdCsopForm", "JelMemIntroForm"};
    for (int move = 0; move < 40 && !CurrentPageAs<TJelAgyuzasForm>(); ++move) {
        Note();
        if (auto* quiz = CurrentPageAs<TJelMemRdQuizForm>()) {
            SelectionMoves::RadioQuiz(*this, *quiz, 5);
            Note();
            EXPECT_TRUE(EvaluationText().contains("Teljesítmény: 6 / 5 <BR>Értékelés: Óriási, csak egyet hibáztál!"));
            EXPECT_EQ(BoardText("STEP_READY"), QString("RDBUTTON"));
        }
        ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
        ASSERT_FALSE(HasFailure()) << "at " << CurrentPageName().toStdString();
    }
    for (int hits : {9, 3}) {
        auto* game = On<TJelAgyuzasForm>();
        ASSERT_NE(game, nullptr);
        Note();
        SelectionMoves::PlayCannon(*this, *game, hits);
        Note();
        EXPECT_EQ(EvaluationText(), QString("Feladat: Tüzérségi gyakorlat<BR>Név: Anna<BR>Találataid száma 10 lövésből "
                                            ": %1 <BR>Értékelés: %2<BR><BR>Ha elolvastad, akkor nyomd meg az L "
                                            "billentyűt!")
                                        .arg(hits)
                                        .arg(hits == 9 ? "Már majdnem tökéletes!"
                                                       : "Így bizony nem leszel tüzértiszt, gyakorolj!"));
        TypeText("l");
    }
    auto* game = On<TJelAgyuzasForm>();
    ASSERT_NE(game, nullptr);
    Note();
    Click(game->imgEndGame());
    Note();
    EXPECT_EQ(EvaluationText(), "Remélem, jó kedved lett!<BR>Ezzel a témakörrel is végeztél, most már bármit be tudsz "
                                "jelölni.<BR>Ne feledd a tanultakat!");
    TypeText("l");
    EXPECT_EQ(road, QStringList({"JelRdBtnForm", "JelRdCsopForm", "JelMemIntroForm", "JelMemRdQuizForm", "Ertekeles",
                                 "JelChkBoxForm", "JelChkBox2Form", "JelMemIntroForm", "JelChkBoxQuizForm",
                                 "Ertekeles", "JelSpinEdit1Form", "JelSpinEdit2Form", "JelTreckBarForm",
                                 "JelProgressBarForm", "JelAgyuzasForm", "Ertekeles", "JelAgyuzasForm", "Ertekeles",
                                 "JelAgyuzasForm", "Ertekeles"}));
    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr) << CurrentPageName().toStdString();
    EXPECT_EQ(chooser->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(PagesAlive(), 1);
    for (const char* key : {"STEP", "STEP_READY", "CHANGE_MODUL", "ERTEKEL", "ACTION"})
        EXPECT_FALSE(BoardText(key)) << key;
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

TEST_F(SelectionWalkthrough, BackPictureOfTheCannonGameReturnsToTheChooser)
{
    OpenSelectionTopic();
    auto* game = Reach<TJelAgyuzasForm>();
    ASSERT_NE(game, nullptr);
    Click(game->imgStart());
    Click(game->imgToMenu());
    ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
    EXPECT_EQ(PagesAlive(), 1);
}

} // namespace
