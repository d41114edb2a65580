#include "support/CourseFixture.h"

#include "framework/Image.h"
#include "home/ModulValaszt.h"
#include "home/NavBeker.h"

#include <QLabel>

namespace {

// Every text the home pages show, letter for letter, as the learner reads it.
class HomeTextsTest : public CourseFixture {
protected:
    static QStringList LabelTexts(const QWidget* page)
    {
        QStringList texts;
        for (const QLabel* label : page->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        return texts;
    }
};

TEST_F(HomeTextsTest, TextsOfTheNamePageTheGreetingAndTheChooser)
{
    StartCourse();
    auto* name = CurrentPageAs<TNavBeker>();
    ASSERT_NE(name, nullptr);
    const QStringList nameLabels = LabelTexts(name);
    TypeText("Bo");
    PressKey(Qt::Key_Return);
    const QString tooShort = name->txtErrorMsg()->text();
    TypeText("Abcdefghijklmnop");
    PressKey(Qt::Key_Return);
    const QString tooLong = name->txtErrorMsg()->text();
    messages.AnswerNext(false);
    PressKey(Qt::Key_Escape);
    TypeText("Anna");
    PressKey(Qt::Key_Return);

    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr);
    const QStringList greeting = chooser->imgEmptyScr()->Texts();
    TypeText("t");
    const QStringList hints = chooser->hatter()->Texts();

    const std::pair<QStringList, QStringList> rows[] = {
        {nameLabels,
         {"Gépeld ide a keresztneved (legfeljebb 15 betű)!\nAztán nyomd meg az ENTER feliratú gombot!",
          "Pixeles Tivadar\nDigit Nóra\nKábel Ödön", "Lemezke\nTárolka\nNyilacska"}},
        {{tooShort, tooLong},
         {"A három karakternél kisebb név túlontúl rövid.", "Csak 15 karakteres vagy annál kisebb nevet adj meg."}},
        {messages.Texts(), {"Valóban ki akarsz lépni a programból?"}},
        {greeting,
         {"Kedves Anna!", "Gondolom, használtál már számítógépet, ha másra nem is,",
          "már biztosan játszottál vele. Ha nem, az sem baj!",
          "Már ismerjük egymást. A mi kis baráti körünk fog téged kalauzolni a programban.", " ",
          "Mi segítünk majd neked a tanulásban. Ha hívsz, akkor súgunk!", "Felkészültél? Kezdhetjük?",
          "Ha igen, akkor keresd meg, majd nyomd le a T billentyűt!",
          "Csak arra vigyázz, hogy ne ragadjon rá az ujjad, ", "vagyis ne tartsd hosszú ideig lenyomva! ",
          "Elég egyszer megnyomni! Rajta!"}},
        {hints,
         {"Ha kiválasztottad a témakört", "akkor üsd le az ENTER billentyűt!", "Kattinthatsz is!",
          "A nyilak vagy az egér", "segítségével mozgasd Nórát,", "és így váltasz témakört!"}},
        {LabelTexts(chooser), {"Kilépés a programból."}},
    };
    for (const auto& [shown, expected] : rows)
        EXPECT_EQ(shown, expected);
}

} // namespace
