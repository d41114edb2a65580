#include "topics/buttons/ButtonsCourse.h"

namespace {

class ButtonsWalkthrough : public ButtonsCourse {
protected:
    void Note()
    {
        const QString name = CurrentPageName();
        if (road.isEmpty() || road.last() != name)
            road << name;
        Snapshot(QString("buttons_%1_%2").arg(++shots, 2, 10, QChar('0')).arg(name));
    }

    QStringList road;
    int shots = 0;
};

TEST_F(ButtonsWalkthrough, WholeRoadFromTheChooserThroughBothPuzzlesBackToTheChooser)
{
    OpenButtonsTopic(QStringLiteral("Bence"));
    for (TButtonsStop stop : AllButtonsStops()) {
        Note();
        if (stop == TButtonsStop::QuizRating) {
            EXPECT_EQ(EvaluationText(), "Feladat: Teszt <BR>Név: Bence<BR>Teljesítmény: 12/10 <BR>Értékelés: Egy-két "
                                        "hiba nem a világ, jó vagy!<BR><BR>Ha elolvastad, akkor nyomd meg az L "
                                        "billentyűt!");
            EXPECT_FALSE(BoardText("STEP_READY"));
        }
        if (stop == TButtonsStop::SecondPuzzle) {
            EXPECT_EQ(BoardText("STEP_READY"), QString("FINISHED"));
        }
        if (stop == TButtonsStop::Closing) {
            EXPECT_EQ(EvaluationText(), "Név: Bence<BR><BR>Gratulálok, ezzel a témakörrel is végeztél!<BR>Tudásod "
                                        "sokat gyarapodott, használd fel jól!<BR>Már tudod, hogy mire kell "
                                        "kattintanod!");
        }
        if (stop == TButtonsStop::Quiz)
            AnswerQuiz(2);
        else
            Pass(stop);
        ASSERT_FALSE(HasFailure()) << "at " << CurrentPageName().toStdString();
    }
    EXPECT_EQ(road, QStringList({"GombGombForm", "GombSokfalytaForm", "GombFokuszosForm", "GombTabulatorForm",
                                 "GombInaktivForm", "GombAcceleratedForm", "GombEszkoztarakForm", "GombKirakoForm",
                                 "GombAngolForm", "GombKerdesekForm", "Ertekeles", "GombKirakoForm", "Ertekeles"}));
    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr) << CurrentPageName().toStdString();
    EXPECT_EQ(chooser->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(PagesAlive(), 1);
    for (const char* key : {"STEP", "STEP_READY", "CHANGE_MODUL", "ERTEKEL"})
        EXPECT_FALSE(BoardText(key)) << key;
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

TEST_F(ButtonsWalkthrough, BackPictureFromALessonReturnsToTheChooser)
{
    OpenButtonsTopic();
    PassPlain();
    auto* page = On<TGombSokfalytaForm>();
    ASSERT_NE(page, nullptr);
    Click(page->imgToMenu());
    ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
    EXPECT_EQ(PagesAlive(), 1);
}

} // namespace
