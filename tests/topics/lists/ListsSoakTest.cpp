#include "ListsCourse.h"

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

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    void RandomKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Home, Qt::Key_End};
        static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
        PressKey(keys[Pick(std::size(keys))], modifiers[Pick(std::size(modifiers))]);
    }

    QWidget* At(QPoint at) const { return WidgetAt(at); }

    void RandomClick()
    {
        TBaseForm* page = CurrentPage();
        const QPoint at(Pick(1024), Pick(768));
        QWidget* target = At(at);
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton};
        Click(target, target->mapFrom(page, at), buttons[Pick(std::size(buttons))]);
    }

    // From a list box of the page to any point of it, often another list.
    void RandomDrag()
    {
        TBaseForm* page = CurrentPage();
        const QList<TDragListBox*> boxes = page->findChildren<TDragListBox*>();
        if (boxes.isEmpty())
            return RandomClick();
        TDragListBox* from = boxes.at(Pick(static_cast<int>(boxes.size())));
        if (!from->isVisible())
            return RandomClick();
        TDragListBox* to = boxes.at(Pick(static_cast<int>(boxes.size())));
        const QPoint start(Pick(from->viewport()->width()), Pick(from->viewport()->height()));
        const QPoint end = from->viewport()->mapFromGlobal(to->mapToGlobal(QPoint(Pick(to->width()), Pick(to->height()))));
        Drag(from->viewport(), start, end);
    }

    std::mt19937 rng{20261209};
};

TEST_P(ListsSoakTest, RandomInputOnEveryPage)
{
    GoTo(static_cast<TListsStop>(GetParam()));
    ASSERT_FALSE(HasFailure());
    rng.seed(3000 + static_cast<unsigned>(GetParam()));
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
            TypeText(QString(QStringLiteral("aÉő5 kL").at(Pick(7))));
        else if (kind < 40)
            RandomKey();
        else if (kind < 60)
            RandomClick();
        else if (kind < 85)
            RandomDrag();
        else if (kind < 93)
            time.Advance(Pick(3000));
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
