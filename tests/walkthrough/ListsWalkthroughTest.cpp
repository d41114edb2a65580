#include "topics/lists/ListsCourse.h"

namespace {

class ListsWalkthrough : public ListsCourse {
protected:
    void Note()
    {
        const QString name = CurrentPageName();
        if (road.isEmpty() || road.last() != name)
            road << name;
        Snapshot(QString("lists_%1_%2").arg(++shots, 2, 10, QChar('0')).arg(name));
    }

    QStringList road;
    int shots = 0;
};

TEST_F(ListsWalkthrough, WholeRoadFromTheChooserThroughBothBirdPassesAndTheGameBackToTheChooser)
{
    OpenListsTopic();
    QPointer<TBaseForm> birds;
    for (int stop = 0; stop < 12 && !CurrentPageAs<TModulValaszt>(); ++stop) {
        Note();
        if (CurrentPageName() == "List_LY_J_Form") {
            if (!birds)
                birds = CurrentPage();
            EXPECT_EQ(CurrentPage(), birds.data()) << "the second pass runs on the same page";
        }
        if (stop == 8) {
            EXPECT_TRUE(EvaluationText().startsWith("Feladat: Szóáthúzás<BR>Név: Anna<BR>Idő: 00:00<BR>Értékelés: "
                                                    "Fantasztikus, géppuska kezed van!<BR>Hibaszám: 0 <BR>"))
                << EvaluationText().toStdString();
        }
        if (stop == 11) {
            EXPECT_EQ(EvaluationText(),
                      "Ezt a fejezetet is befejezted. Az itt tanultakat nagyon sok helyen hasznosíthatod a programok "
                      "használata közben. Jól jegyezd meg, hogyan jelölhetsz ki egyszerre több elemet:<BR>Shift + "
                      "nyílbillentyűk = szomszédos elemek<BR>Ctrl + kattintás = nem szomszédos elemek<BR>Sok sikert "
                      "a következő témakörhöz!");
        }
        ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
        ASSERT_FALSE(HasFailure()) << "at " << CurrentPageName().toStdString();
    }
    EXPECT_EQ(road, QStringList({"ListMindenkiForm", "ListKajakForm", "ListSzulinapForm", "ListTVForm",
                                 "ListMertekCsopForm", "List_LY_J_Form", "ListReflexJatekForm", "Ertekeles",
                                 "ListEditableLBForm", "ListComboForm", "Ertekeles"}));
    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr) << CurrentPageName().toStdString();
    EXPECT_EQ(chooser->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(PagesAlive(), 1);
    for (const char* key : {"STEP", "STEP_READY", "ACTION", "CHANGE_MODUL", "ERTEKEL"})
        EXPECT_FALSE(BoardText(key)) << key;
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

TEST_F(ListsWalkthrough, LeavingTheFirstBirdPassClosesThePageAndAStaleActionSkipsNoEvaluation)
{
    OpenListsTopic();
    GoTo(TListsStop::BirdsShift);
    QPointer<TList_LY_J_Form> birds = On<TList_LY_J_Form>();
    ASSERT_NE(birds, nullptr);
    Click(birds->imgToMain());
    ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
    EXPECT_TRUE(birds.isNull()) << "the birds page lives on behind the chooser";
    EXPECT_EQ(PagesAlive(), 1);

    // Another topic's game left "ACTION" behind.
    Board::PutText(Controller(), "ACTION", "NEXTFORM");
    ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("LISTADOBOZOK")));
    EXPECT_FALSE(BoardText("ACTION"));
    GoTo(TListsStop::Reflex);
    ASSERT_NE(On<TListReflexJatekForm>(), nullptr);
    Board::PutText(Controller(), "ACTION", "NEXTFORM");
    Click(On<TListReflexJatekForm>()->imgToMain());
    EXPECT_FALSE(BoardText("ACTION")) << "the visit left its key behind";
}

} // namespace
