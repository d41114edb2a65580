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

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <vector>

// Places on the topic's road where a test may stand.
enum class TKeyboardStop {
    Grade,          // the grade page
    Practice,       // practice page, step "T"
    Hunt,           // first letter hunt, not started
    Evaluation,     // evaluation of the first hunt
    SecondPractice, // practice page, step "FELSO"
    Digits,         // typing page, digits
    Info,           // information page
    Words,          // typing page, words
    LastPractice,   // practice page, step "ESC"
    Closing,        // the closing evaluation
};

inline std::vector<TKeyboardStop> AllKeyboardStops()
{
    return {TKeyboardStop::Grade,  TKeyboardStop::Practice, TKeyboardStop::Hunt,  TKeyboardStop::Evaluation,
            TKeyboardStop::SecondPractice, TKeyboardStop::Digits, TKeyboardStop::Info, TKeyboardStop::Words,
            TKeyboardStop::LastPractice, TKeyboardStop::Closing};
}

// Readable names for tests run at every stop ("Pages/KeyboardSoakTest.RandomInputOnEveryPage/Hunt").
inline const char* StopWord(TKeyboardStop stop)
{
    static const char* const names[] = {"Grade", "Practice", "Hunt",         "Evaluation", "SecondPractice",
                                        "Digits", "Info",    "Words",        "LastPractice", "Closing"};
    return names[static_cast<int>(stop)];
}
inline std::string StopName(const ::testing::TestParamInfo<TKeyboardStop>& info) { return StopWord(info.param); }
inline void PrintTo(TKeyboardStop stop, std::ostream* out) { *out << StopWord(stop); }

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

    // From the grade page to the stop.
    void GoTo(TKeyboardStop stop)
    {
        switch (stop) {
        case TKeyboardStop::Grade: return;
        case TKeyboardStop::Practice: EnterGrade(); return;
        case TKeyboardStop::Hunt: EnterGrade(); PracticeFirstBlock(); return;
        case TKeyboardStop::Evaluation: EnterGrade(); PracticeFirstBlock(); HuntAll(); return;
        case TKeyboardStop::SecondPractice: ReachSecondBlock(); return;
        case TKeyboardStop::Digits: ReachDigits(); return;
        case TKeyboardStop::Info: ReachInfo(); return;
        case TKeyboardStop::Words: ReachWords(); return;
        case TKeyboardStop::LastPractice: ReachWords(); TypeAllWords(); Continue(); return;
        case TKeyboardStop::Closing:
            ReachWords();
            TypeAllWords();
            Continue();
            PressKey(Qt::Key_Escape);
            return;
        }
    }
};
