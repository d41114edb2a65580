#include "ListsCourse.h"
#include "support/RandomInput.h"

#include <random>

namespace {

// A seeded stream of keys, characters, clicks, drags between the lists and waits on each page of
// the topic: nothing may crash, raise an error or leak a page, and the learner stays in the topic
// or gets back home.
class ListsSoakTest : public ListsCourse, public ::testing::WithParamInterface<int> {
protected:
    static constexpr int Events = 150;

    void SetUp() override
    {
        std::mt19937 draws(7);
        std::vector<int> sequence;
        for (int i = 0; i < 500; ++i)
            sequence.push_back(static_cast<int>(draws() % 1000));
        random = TFixedRandom(sequence);
        OpenListsTopic();
    }

    int Pick(int n) { return input.Pick(n); }

    // From a list box of the page to any point of it, often another list.
    void RandomDrag()
    {
        TBaseForm* page = CurrentPage();
        const QList<TDragListBox*> boxes = page->findChildren<TDragListBox*>();
        if (boxes.isEmpty())
            return void(input.Click());
        TDragListBox* from = boxes.at(Pick(static_cast<int>(boxes.size())));
        if (!from->isVisible())
            return void(input.Click());
        TDragListBox* to = boxes.at(Pick(static_cast<int>(boxes.size())));
        const QPoint start(Pick(from->viewport()->width()), Pick(from->viewport()->height()));
        const QPoint end = from->viewport()->mapFromGlobal(to->mapToGlobal(QPoint(Pick(to->width()), Pick(to->height()))));
        Drag(from->viewport(), start, end);
    }

    TRandomInput input{*this, 20261209};
};

TEST_P(ListsSoakTest, RandomInputOnEveryPage)
{
    GoTo(static_cast<TListsStop>(GetParam()));
    ASSERT_FALSE(HasFailure());
    input.Seed(3000 + static_cast<unsigned>(GetParam()));
    const QStringList topicPages = {"ListMindenkiForm", "ListKajakForm",       "ListSzulinapForm",
                                    "ListTVForm",       "ListMertekCsopForm",  "List_LY_J_Form",
                                    "ListReflexJatekForm", "ListEditableLBForm", "ListComboForm", "Ertekeles"};
    for (int i = 0; i < Events; ++i) {
        TBaseForm* page = CurrentPage();
        ASSERT_NE(page, nullptr) << "event " << i;
        const QString name = page->GetPageName();
        if (CurrentPageAs<TModulValaszt>()) {
            ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("LISTADOBOZOK")));
            continue;
        }
        ASSERT_TRUE(topicPages.contains(name)) << name.toStdString();
        const int kind = Pick(100);
        if (kind < 20)
            input.Character(QStringLiteral("aÉő5 kL"));
        else if (kind < 40)
            input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down,
                       Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Home, Qt::Key_End},
                      {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier});
        else if (kind < 60)
            input.Click();
        else if (kind < 85)
            RandomDrag();
        else if (kind < 93)
            input.Wait(3000);
        else
            ASSERT_TRUE(LearnerMoves::Helpful(*this)) << name.toStdString();

        ASSERT_EQ(PagesAlive(), 1) << "event " << i << " on " << name.toStdString();
        ASSERT_FALSE(ErrorBoxShown()) << "event " << i << " on " << name.toStdString() << ": "
                                      << messages.Texts().join(" | ").toStdString();
        ASSERT_FALSE(messages.Texts().contains("No selected form ")) << "event " << i;
        ASSERT_EQ(terminations, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ListsSoakTest, ::testing::Range(0, 12));

} // namespace
