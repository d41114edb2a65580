#include "SentenceGame.h"

#include "framework/Menu.h"
#include "platform/HungarianText.h"

namespace SentenceGame {

namespace {

const char* const LevelWords[Levels][6] = {
    {"Nóra", "Tárolka", "Lemezke", "Kábel", "Nyilacska", "Tivadar"},
    {"Ödön", "korán", "mosott", "reggel", "ugatásával", "tovább"},
    {"reggel", "hajnalban", "szeret", "alszik", "gyümölcsöket", "mindenkit"},
    {"felkelt.", "tíznél.", "locsol.", "tornázik.", "futni.", "reggelizik."},
};

void AddLevel(TMenuItem& parent, int level)
{
    if (level == Levels)
        return;
    for (const QString& word : Words(level))
        AddLevel(parent.Add(word), level + 1);
}

} // namespace

QStringList Words(int level)
{
    QStringList words;
    for (const char* word : LevelWords[level])
        words << QString::fromUtf8(word);
    return words;
}

QString WordsMenuName()
{
    return QStringLiteral("Szavak");
}

void BuildWordsMenu(TMenu& menu)
{
    AddLevel(menu.Add(WordsMenuName(), WordsTag), 0);
}

QString Target(int index)
{
    static const char* const targets[Sentences] = {
        "Nyilacska korán reggel tornázik.",      "Nóra reggel szeret futni.",
        "Tivadar mosott gyümölcsöket reggelizik.", "Lemezke ugatásával mindenkit felkelt.",
        "Tárolka tovább alszik tíznél.",           "Kábel Ödön hajnalban locsol.",
    };
    return index >= 1 && index <= Sentences ? QString::fromUtf8(targets[index - 1]) : QString();
}

QString SentenceOf(const TMenuItem& item)
{
    QStringList words;
    for (const TMenuItem* at = &item; at && at->Tag != WordsTag && at->Parent(); at = at->Parent())
        words.prepend(at->Text());
    return words.join(QLatin1Char(' '));
}

bool Matches(const QString& built, const QString& target)
{
    return HungarianText::Upper(built) == HungarianText::Upper(target);
}

QString SpeedGrade(int seconds)
{
    if (seconds <= 30)
        return QStringLiteral("Fantasztikusan gyors vagy!");
    if (seconds <= 45)
        return QStringLiteral("Klassz!");
    if (seconds <= 60)
        return QStringLiteral("Legközelebb talán gyorsabban is megy!");
    return QStringLiteral("Bizony, ezt még gyakorolnod kell!");
}

QString AccuracyGrade(int errors)
{
    if (errors <= 0)
        return QStringLiteral("Hibátlan teljesítmény!");
    if (errors <= 2)
        return QStringLiteral("Egy-két hiba nem sokat számít! Ügyes vagy!");
    if (errors <= 4)
        return QStringLiteral("Figyelj kicsit jobban a kattintás pontosságára!");
    return QStringLiteral("Nemcsak az számít, hogy milyen gyors vagy, hanem a pontosság is!");
}

QString ResultText(const QString& name, const QString& clock, int seconds, int errors)
{
    return QStringLiteral("Feladat: Mondatösszerakósdi <BR>Név: ") + name + QStringLiteral("<BR>Idő: ") + clock +
           QStringLiteral("<BR>Értékelés: ") + SpeedGrade(seconds) + QStringLiteral("<BR>Hibaszám: ") +
           QString::number(errors) + QStringLiteral(" <BR>Értékelés: ") + AccuracyGrade(errors) +
           QStringLiteral("<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

} // namespace SentenceGame
