#include "topics/menus/MenusCourse.h"

#include "framework/BaseCustForm.h"
#include "framework/Image.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"
#include "topics/menus/MenuMondatForm.h"
#include "topics/menus/MenuMondatMForm.h"

namespace {

class MenusWalkthrough : public MenusCourse {
protected:
    void Note()
    {
        const QString name = CurrentPageName();
        road << name;
        Snapshot(QString("menus_%1_%2").arg(++shots, 2, 10, QChar('0')).arg(name));
    }

    // A sentence chosen with the keys only: Alt arms the bar, Down opens "Szavak", Down moves to a
    // word, Right opens its submenu, Enter chooses the last word.
    void ChooseByKeys(const std::vector<int>& path)
    {
        PressKey(Qt::Key_Alt);
        PressKey(Qt::Key_Down);
        for (std::size_t level = 1; level < path.size(); ++level) {
            for (int down = 0; down < path[level]; ++down)
                PressKey(Qt::Key_Down);
            if (level + 1 == path.size()) {
                // The sentence's last word lies in the fourth column of the cascade.
                ASSERT_NE(TPopupMenu::Current(), nullptr);
                EXPECT_EQ(TPopupMenu::Current()->Depth(), 4);
                Snapshot(QStringLiteral("menus_sentence_cascade"));
            }
            PressKey(level + 1 < path.size() ? Qt::Key_Right : Qt::Key_Return);
        }
    }

    QStringList road;
    int shots = 0;
};

TEST_F(MenusWalkthrough, EveryLessonByRealMenusTwoSentenceGamesTheExitPictureAndHome)
{
    OpenMenusTopic();
    for (int lesson = 0; lesson < 8; ++lesson) {
        Note();
        ASSERT_TRUE(MenusMoves::Helpful(*this)) << CurrentPageName().toStdString();
    }

    // The first game with one wrong sentence; the evaluation counts it.
    auto* game = CurrentPageAs<TMenuMondatMForm>();
    ASSERT_NE(game, nullptr);
    Note();
    EXPECT_FALSE(game->imgEndGame()->isVisible());
    Click(game->MondatWindow()->btnTovabb());
    MenusMoves::ChooseByMouse(*this, *game->MondatWindow(), MenusMoves::SentencePath("Tivadar tovább alszik tíznél."));
    for (int second = 0; second < 40; ++second)
        game->Timer1()->Fire();
    ASSERT_TRUE(MenusMoves::Helpful(*this));
    Note();
    EXPECT_EQ(EvaluationText(), "Feladat: Mondatösszerakósdi <BR>Név: Anna<BR>Idő: 00:40<BR>Értékelés: Klassz!<BR>"
                                "Hibaszám: 1 <BR>Értékelés: Egy-két hiba nem sokat számít! Ügyes vagy!<BR><BR>"
                                "Ha elolvastad, akkor nyomd meg az L billentyűt!");
    PressKey(Qt::Key_L);

    // The second game, played with the keys to its end, then a third one left by its exit picture.
    auto* replay = CurrentPageAs<TMenuMondatMForm>();
    ASSERT_NE(replay, nullptr);
    Note();
    EXPECT_TRUE(replay->imgEndGame()->isVisible());
    TMenuMondatForm* window = replay->MondatWindow();
    Click(window->btnTovabb());
    for (int sentence = 1; sentence <= 6 && window->SentenceIndex() == sentence; ++sentence)
        ChooseByKeys(MenusMoves::SentencePath(window->TargetSentence()));
    EXPECT_EQ(window->SentenceIndex(), 7);
    EXPECT_EQ(window->Errors(), 0);
    Click(window->btnTovabb());
    Note();
    EXPECT_TRUE(EvaluationText().contains("Hibaszám: 0 <BR>")) << EvaluationText().toStdString();
    PressKey(Qt::Key_L);
    Note();
    ASSERT_TRUE(MenusMoves::Helpful(*this)); // the exit picture
    Note();
    EXPECT_TRUE(EvaluationText().startsWith("Már majdnem mindent tudsz")) << EvaluationText().toStdString();
    PressKey(Qt::Key_L);

    EXPECT_EQ(road, QStringList({"MenuMenuMForm", "MenuKedvencMForm", "MenuAsztalkaMForm", "MenuTornaMForm",
                                 "MenuAlMenuMForm", "MenuAlmenu2MForm", "MenuPopUpMForm", "MenuPopUp2MForm",
                                 "MenuMondatMForm", "Ertekeles", "MenuMondatMForm", "Ertekeles", "MenuMondatMForm",
                                 "Ertekeles"}));
    EXPECT_TRUE(CurrentPageAs<TModulValaszt>());
    for (const char* key : {"MENU_GAME_ROUND", "END_GAME", "STEP_READY", "STEP", "ERTEKEL"})
        EXPECT_FALSE(BoardText(key)) << key;
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

} // namespace
