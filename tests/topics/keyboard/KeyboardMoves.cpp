#include "KeyboardMoves.h"

#include "support/Learner.h"
#include "topics/keyboard/Betuvadaszat.h"
#include "topics/keyboard/BillInfo.h"
#include "topics/keyboard/Billentyuzet.h"
#include "topics/keyboard/OsztalyBe.h"
#include "topics/keyboard/Szogepeles.h"

#include <QLabel>
#include <QLineEdit>

namespace KeyboardMoves {

namespace {

// The key each practice step asks for.
void PracticeStep(TLearner& learner, const QString& step)
{
    static const std::pair<const char*, const char*> typed[] = {
        {"T", "t"}, {"SHIFT", "T"}, {"FELSO", "§"}, {"ALSO", "@"}, {"HÁROMBILL", "~"}};
    static const std::pair<const char*, Qt::Key> pressed[] = {
        {"CAPSLOCK", Qt::Key_CapsLock}, {"NUMLOCK", Qt::Key_NumLock}, {"ESC", Qt::Key_Escape}};
    for (const auto& [name, text] : typed)
        if (step == QString::fromUtf8(name))
            return learner.TypeText(QString::fromUtf8(text));
    for (const auto& [name, key] : pressed)
        if (step == QString::fromUtf8(name))
            return learner.PressKey(key);
}

} // namespace

bool Helpful(TLearner& learner)
{
    if (auto* hunt = learner.CurrentPageAs<TBetuvadaszat>()) {
        if (!hunt->Running())
            learner.PressKey(Qt::Key_Return);
        else if (!hunt->txtBetuMutat()->text().isEmpty())
            learner.TypeText(hunt->txtBetuMutat()->text());
    } else if (auto* words = learner.CurrentPageAs<TSzogepeles>()) {
        words->szoBe()->clear();
        learner.TypeText(words->Target());
        learner.PressKey(Qt::Key_Return);
    } else if (auto* grade = learner.CurrentPageAs<TOsztalyBe>()) {
        grade->osztaly()->clear();
        learner.TypeText(QStringLiteral("elsős"));
        learner.PressKey(Qt::Key_Return);
    } else if (auto* practice = learner.CurrentPageAs<TBillentyuzet>()) {
        PracticeStep(learner, practice->Step());
    } else if (learner.CurrentPageAs<TBillInfo>()) {
        learner.PressKey(Qt::Key_Return);
        learner.TypeText(QStringLiteral("t"));
    } else {
        return false;
    }
    return true;
}

} // namespace KeyboardMoves
