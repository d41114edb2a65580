#pragma once

#include "support/CourseFixture.h"

#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "home/ModulValaszt.h"
#include "topics/keyboard/Betuvadaszat.h"
#include "topics/keyboard/BillInfo.h"
#include "topics/keyboard/Billentyuzet.h"
#include "topics/keyboard/OsztalyBe.h"
#include "topics/keyboard/Szogepeles.h"

#include <QLabel>
#include <QLineEdit>

// The course opened on the keyboard topic, with the moves a learner makes to get along its road.
class KeyboardCourse : public CourseFixture {
protected:
    // Name page, greeting, then the keyboard tile: the grade page is on screen.
    void OpenKeyboardTopic(const QString& name = QStringLiteral("Anna"))
    {
        StartCourse();
        TypeText(name);
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        auto* chooser = CurrentPageAs<TModulValaszt>();
        ASSERT_NE(chooser, nullptr);
        Click(chooser->Tile(1, 1));
        ASSERT_EQ(CurrentPageName(), "OsztalyBe");
    }

    void EnterGrade(const QString& grade = QStringLiteral("harmadikos"))
    {
        TypeText(grade);
        PressKey(Qt::Key_Return);
    }

    // Steps "T", "CAPSLOCK", "SHIFT".
    void PracticeFirstBlock()
    {
        TypeText(QStringLiteral("t"));
        PressKey(Qt::Key_CapsLock);
        TypeText(QStringLiteral("T"));
    }

    // Steps "FELSO", "ALSO", "HÁROMBILL".
    void PracticeSecondBlock()
    {
        TypeText(QStringLiteral("§"));
        TypeText(QStringLiteral("@"));
        TypeText(QStringLiteral("~"));
    }

    // Starts the hunt on screen and types each target as it appears, waiting between them.
    void HuntAll(int millisecondsPerTarget = 0)
    {
        ASSERT_NE(CurrentPageAs<TBetuvadaszat>(), nullptr) << CurrentPageName().toStdString();
        PressKey(Qt::Key_Return);
        for (int i = 0; i < 10; ++i) {
            auto* hunt = CurrentPageAs<TBetuvadaszat>();
            ASSERT_NE(hunt, nullptr) << "the hunt ended after " << i << " targets";
            const QString target = hunt->txtBetuMutat()->text();
            ASSERT_EQ(target.size(), 1);
            time.Advance(millisecondsPerTarget);
            TypeText(target);
        }
    }

    // The digits exercise, typed right, and the Enter that leaves it.
    void TypeDigits()
    {
        TypeText(TSzogepeles::DigitRow);
        PressKey(Qt::Key_Return);
        PressKey(Qt::Key_Return);
    }

    void TypeAllWords()
    {
        for (const QString& word : TSzogepeles::Words()) {
            TypeText(word);
            PressKey(Qt::Key_Return);
        }
    }

    // The L key on an evaluation page.
    void Continue() { TypeText(QStringLiteral("l")); }

    // The text the evaluation page on screen shows.
    QString EvaluationText() const
    {
        auto* page = CurrentPageAs<TErtekeles>();
        return page ? page->Text() : QStringLiteral("<no evaluation page>");
    }

    // The road from the grade page up to the practice page's "FELSO" step.
    void ReachSecondBlock()
    {
        EnterGrade();
        PracticeFirstBlock();
        HuntAll();
        Continue();
    }

    // ... up to the typing page's digits.
    void ReachDigits()
    {
        ReachSecondBlock();
        PracticeSecondBlock();
        HuntAll();
        Continue();
        PressKey(Qt::Key_NumLock);
    }

    // ... up to the information page.
    void ReachInfo()
    {
        ReachDigits();
        TypeDigits();
        HuntAll();
        Continue();
    }

    // ... up to the words exercise.
    void ReachWords()
    {
        ReachInfo();
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
    }

    bool ErrorBoxShown() const
    {
        return std::any_of(messages.ShownBoxes().begin(), messages.ShownBoxes().end(),
                           [](const auto& box) { return box.kind == TScriptedMessageBoxes::Kind::Error; });
    }
};
