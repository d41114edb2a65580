#pragma once

#include "ListsMoves.h"
#include "support/CourseFixture.h"
#include "shell/Board.h"
#include "support/LearnerMoves.h"

#include "framework/ClipPlayer.h"
#include "framework/DragListBox.h"
#include "framework/DropDownList.h"
#include "framework/EditCombo.h"
#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "home/ModulValaszt.h"
#include "topics/lists/ListComboForm.h"
#include "topics/lists/ListEditableLBForm.h"
#include "topics/lists/ListKajakForm.h"
#include "topics/lists/ListMertekCsopForm.h"
#include "topics/lists/ListMindenkiForm.h"
#include "topics/lists/ListReflexJatekForm.h"
#include "topics/lists/ListSzulinapForm.h"
#include "topics/lists/ListTVForm.h"
#include "topics/lists/List_LY_J_Form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

// Places on the topic's road where a test may stand.
enum class TListsStop { Names, Food, Birthday, TV, Units, BirdsShift, BirdsCtrl, Reflex, ReflexRating, Editable, Combo, Closing };

// The course opened on the list box topic, with the moves a learner makes to get along its road.
class ListsCourse : public CourseFixture {
protected:
    // Name page, greeting, then the list box tile: the names page is on screen.
    void OpenListsTopic()
    {
        StartCourse();
        EXPECT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("LISTADOBOZOK")));
        ASSERT_EQ(CurrentPageName(), "ListMindenkiForm");
    }

    template <class Page> Page* On()
    {
        auto* page = CurrentPageAs<Page>();
        EXPECT_NE(page, nullptr) << "on " << CurrentPageName().toStdString();
        return page;
    }

    // From the names page to the stop, each page's task done right.
    void GoTo(TListsStop stop)
    {
        for (int at = 0; at < static_cast<int>(stop) && !::testing::Test::HasFailure(); ++at)
            ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
    }

    template <class Page> Page* Reach(TListsStop stop)
    {
        GoTo(stop);
        sound.Clear();
        return On<Page>();
    }

    void ClickItem(TDragListBox& box, int row, bool ctrl = false) { ListsMoves::ClickItem(*this, box, row, ctrl); }
    void DragItem(TDragListBox& from, int row, TDragListBox& to) { ListsMoves::DragItem(*this, from, row, to); }

    QString EvaluationText() const
    {
        auto* page = CurrentPageAs<TErtekeles>();
        return page ? page->Text() : QStringLiteral("<no evaluation page>");
    }
};
