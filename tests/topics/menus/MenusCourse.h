#pragma once

#include "MenusMoves.h"
#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

#include "framework/Ertekeles.h"
#include "framework/Menu.h"
#include "home/ModulValaszt.h"

// Places on the topic's road where a test may stand.
enum class TMenusStop { Menu, Kedvenc, Asztalka, Torna, AlMenu, Almenu2, PopUp, PopUp2, Mondat };

// The course opened on the menus topic, with the moves a learner makes to get along its road.
class MenusCourse : public CourseFixture {
protected:
    void OpenMenusTopic()
    {
        StartCourse();
        EXPECT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("MENUK")));
        ASSERT_EQ(CurrentPageName(), "MenuMenuMForm");
    }

    template <class Page> Page* Reach(TMenusStop stop)
    {
        OpenMenusTopic();
        for (int at = 0; at < static_cast<int>(stop) && !::testing::Test::HasFailure(); ++at)
            EXPECT_TRUE(MenusMoves::Helpful(*this)) << CurrentPageName().toStdString();
        sound.Clear();
        auto* page = CurrentPageAs<Page>();
        EXPECT_NE(page, nullptr) << "on " << CurrentPageName().toStdString();
        return page;
    }

    // The item of a menu with this text (case and "&" as written), nullptr when none.
    static TMenuItem* Item(TMenu* menu, const QString& text) { return menu->Root().FindByText(text); }

    QString EvaluationText() const
    {
        auto* page = CurrentPageAs<TErtekeles>();
        return page ? page->Text() : QStringLiteral("<no evaluation page>");
    }
};
