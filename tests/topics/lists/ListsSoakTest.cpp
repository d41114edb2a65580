#include "ListsCourse.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

#include <random>

namespace {

// A seeded stream of keys, characters, clicks, drags between the lists and waits on each page of
// the topic.
class ListsSoakTest : public ListsCourse, public ::testing::WithParamInterface<int> {
protected:
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
    TPageSoak soak;
    soak.topic = "LISTADOBOZOK";
    soak.pages = {"ListMindenkiForm",   "ListKajakForm",       "ListSzulinapForm",   "ListTVForm",
                  "ListMertekCsopForm", "List_LY_J_Form",      "ListReflexJatekForm", "ListEditableLBForm",
                  "ListComboForm",      "Ertekeles"};
    soak.kinds = {
        {20, [&] { input.Character(QStringLiteral("aÉő5 kL")); }},
        {20, [&] {
             input.Key({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down,
                        Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Home, Qt::Key_End},
                       {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier});
         }},
        {20, [&] { input.Click(); }},
        {25, [&] { RandomDrag(); }},
        {8, [&] { input.Wait(3000); }},
        {7, [&] { EXPECT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString(); }},
    };
    soak.Run(*this, input);
}

INSTANTIATE_TEST_SUITE_P(Pages, ListsSoakTest, ::testing::Range(0, 12));

} // namespace
