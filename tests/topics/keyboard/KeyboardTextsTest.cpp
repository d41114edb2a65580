#include "KeyboardCourse.h"

namespace {

// Every text the keyboard pages write, letter for letter, as the learner reads it.
class KeyboardTextsTest : public KeyboardCourse {
protected:
    void SetUp() override { OpenKeyboardTopic(); }

    // The lines written on a picture, read as one text (a wrapped line continues the next).
    static QString Read(const TImage* picture) { return picture->Texts().join(' ').simplified(); }
    static QString Paragraphs(const QString& text) { return QString(text).replace("<BR>", " ").simplified(); }
};

TEST_F(KeyboardTextsTest, TextsOfTheGradePageAndTheTypingPage)
{
    auto* grade = CurrentPageAs<TOsztalyBe>();
    ASSERT_NE(grade, nullptr);
    const QStringList gradeLines = grade->hatter()->Texts();
    const QString backspaceHint = grade->lblBeck()->text();
    EnterGrade("hetedikes");
    const QString gradeError = grade->lblHiba()->text();
    grade->osztaly()->clear();
    ReachDigits();
    auto* typing = CurrentPageAs<TSzogepeles>();
    ASSERT_NE(typing, nullptr);
    const QString digits = Read(typing->feladat());
    TypeText("1");
    PressKey(Qt::Key_Return);
    const QStringList boxes = messages.Texts();
    typing->szoBe()->clear();
    TypeText("9173468250");
    PressKey(Qt::Key_Return);
    const QString praise = Read(typing->feladat());

    const std::pair<QStringList, QStringList> rows[] = {
        {gradeLines,
         {"Kedves Anna, Kábel Ödön vagyok!", "Én mutatom be neked a billentyűzetet.",
          "Egy fehér csíkot látsz, villog benne egy fekete pálcika, ",
          "amit kurzornak neveznek. A kurzor jelzi a gépelés helyét.", "Most írd be, hogy hányadikos vagy!",
          "Ha eltéveszted, a törléshez használd a", "Backspace (bekszpész) billentyűt,",
          "amit az ENTER felett találsz!", "Ha kész, nyomd meg az ENTER-t!"}},
        {{backspaceHint, gradeError},
         {"Backspace (bekszpész) billentyű. Ezt használd a törléshez!",
          "A beírható szavak: elsős, másodikas vagy másodikos, \nharmadikas vagy harmadikos, negyedikes."}},
        {{digits},
         {Paragraphs("Gépeld be a fenti számsort!<BR>Csak számbillentyűzeten lévő számokat használd!<BR>Ha kell, "
                     "kapcsold be a számokat a Num Lockkal!<BR>Ha végeztél, nyomd meg az ENTER-t!")}},
        {boxes, {"Nézd meg figyelmesebben, valamit elgépeltél..."}},
        {{praise},
         {Paragraphs("Ügyes vagy!<BR>Következzen az utolsó betűvadászat, ahol már minden írásjel szerepelhet!<BR>Az "
                     "írásjeleket karakternek is nevezik. Minden írásjel karakter, <BR>vagyis a betűk, a számok és "
                     "a többi írásjel is.<BR><BR>Ha felkészültél, nyomd meg az ENTER-t!")}},
    };
    for (const auto& [shown, expected] : rows)
        EXPECT_EQ(shown, expected);
}

TEST_F(KeyboardTextsTest, TheWordsExerciseShowsItsInstructionAndTheWordsInOrder)
{
    ReachWords();
    auto* typing = CurrentPageAs<TSzogepeles>();
    ASSERT_NE(typing, nullptr);
    EXPECT_EQ(Read(typing->feladat()),
              Paragraphs("Ebben a feladatban szavakat kell begépelned. 10 szót kapsz.<BR>Nézd meg a Caps Lock "
                         "lámpáját, ha kell, kapcsold ki!<BR>Gépeld be a fent megjelenő kék színű szót, majd nyomd "
                         "meg az ENTER-t!<BR>A következő szó csak akkor jelenik meg, ha hibátlanul gépeltél!"));
    QStringList shown;
    for (int i = 0; i < 10; ++i) {
        shown << typing->txtSzoKi()->text();
        TypeText(typing->txtSzoKi()->text());
        PressKey(Qt::Key_Return);
    }
    EXPECT_EQ(shown, QStringList({"kicsi", "hosszú", "Duna", "MÁV", "árvíz", "tükör", "fúró", "példás", "fűző",
                                  "billentyű"}));
}

} // namespace
