#pragma once

#include "MouseMoves.h"
#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

#include "framework/ClipPlayer.h"
#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/ModuleBase.h"
#include "home/ModulValaszt.h"
#include "shell/Board.h"
#include "topics/mouse/EgerAHazbaBeForm.h"
#include "topics/mouse/EgerDragDropForm.h"
#include "topics/mouse/EgerEgerfajtakForm.h"
#include "topics/mouse/EgerJatekvalasztasForm.h"
#include "topics/mouse/EgerKattInfoForm.h"
#include "topics/mouse/EgerKattintForm.h"
#include "topics/mouse/EgerKurzorForm.h"
#include "topics/mouse/EgerNoraSzinezForm.h"
#include "topics/mouse/EgerSzabalyokForm.h"
#include "topics/mouse/EgerSzinezoInfoForm.h"
#include "topics/mouse/EgerTipusForm.h"
#include "topics/mouse/EgerekForm.h"

#include <QLabel>
#include <QPointer>

// The course opened on the mouse topic, with the moves a learner makes on its pages.
class MouseCourse : public CourseFixture {
protected:
    // Name page, greeting, then the mouse tile: the first lesson is on screen.
    void OpenMouseTopic()
    {
        StartCourse();
        EXPECT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("EGEREZES")));
        ASSERT_EQ(CurrentPageName(), "EgerekForm");
    }

    template <class Page> Page* On()
    {
        auto* page = CurrentPageAs<Page>();
        EXPECT_NE(page, nullptr) << "on " << CurrentPageName().toStdString();
        return page;
    }

    // The topic's module shows a page of its road as its road would, with a value on the board.
    template <class Page> Page* Stand(const QString& key = {}, const QString& text = {})
    {
        auto module = std::dynamic_pointer_cast<TModuleBase>(Controller().CurrentModule());
        EXPECT_NE(module, nullptr);
        if (!module)
            return nullptr;
        auto* page = new Page();
        module->SwitchTo(page, [&] {
            if (!key.isEmpty())
                Board::PutText(Controller(), key, text);
        });
        Settle();
        sound.Clear();
        return On<Page>();
    }

    // The game chooser's four titles and the game each starts.
    struct TTitle {
        TImage* (TEgerJatekvalasztasForm::*title)() const;
        const char* choice;
        const char* page;
    };
    static constexpr TTitle Titles[] = {
        {&TEgerJatekvalasztasForm::imgLepkevadasz, "LEPKE", "LepkevadaszForm"},
        {&TEgerJatekvalasztasForm::imgLufi, "LUFI", "EgerLufipukkForm"},
        {&TEgerJatekvalasztasForm::imgJobbraBalra, "EGERVADASZ", "EgervadaszatForm"},
        {&TEgerJatekvalasztasForm::imgKosar, "KOSAR", "EgerBasketBallForm"},
    };

    // The lines written on a picture, read as one text (a wrapped line continues the next).
    static QString Read(const TImage* picture) { return picture->Texts().join(' ').simplified(); }
};
