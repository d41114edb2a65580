// listspreview OUTPUT_DIR: the lists topic's pictures as plain PNGs, each background with mock
// controls and sample text in the page's places, the clips as contact sheets, and the review sheet.

#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPage.h"
#include "mediakit/topics/lists/ListsClipsArt.h"
#include "mediakit/topics/lists/ListsPicturesArt.h"
#include "mediakit/topics/lists/ListsPlaces.h"
#include "mediakit/topics/lists/ListsScreensArt.h"
#include "topics/lists/ListNamePlaces.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

namespace Places = ListsPlaces;

// Mock controls painted as the pages show them: list boxes, combos, buttons, labels and text.
struct TMock : TPreviewPage {
    using TPreviewPage::TPreviewPage;
    void List(QRect rect, const QStringList& items, int selected = -1)
    {
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.setBrush(Qt::white);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(16);
        painter.setFont(font);
        for (int i = 0; i < items.size() && 4 + (i + 1) * 20 <= rect.height(); ++i) {
            const QRect row(rect.left() + 2, rect.top() + 2 + i * 20, rect.width() - 4, 20);
            if (i == selected)
                painter.fillRect(row, QColor(0x33, 0x66, 0xcc));
            painter.setPen(i == selected ? Qt::white : Qt::black);
            painter.drawText(row.adjusted(4, 0, 0, 0), Qt::AlignVCenter, items[i]);
        }
    }
    void Button(QRect rect, const QString& caption)
    {
        painter.setPen(QColor(0x70, 0x70, 0x70));
        painter.setBrush(QColor(0xe8, 0xe8, 0xe8));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        Text(rect, caption, 14, Qt::black, Qt::AlignCenter);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "listspreview OUTPUT_DIR"))
        return 2;
    using namespace ListsScreensArt;
    const QImage next = [] {
        QImage b(Places::NextButton.size(), QImage::Format_RGB32);
        b.fill(QColor(0xe8, 0xe8, 0xe8));
        return b;
    }();

    {
        TMock mock(NamesScreen());
        mock.Text(Places::NamesText.adjusted(8, 6, -8, 0),
                  QString::fromUtf8("Ez egy számítógépes felsorolás, azaz lista. A lista egy listadobozban van. Felsorolhatsz "
                                    "neveket, számokat, színeket, mértékegységeket stb. A listából kattintással választhatsz ki "
                                    "szavakat, azaz elemeket.\nVálaszd ki Tárolka nevét! Kattints rá!"));
        mock.List(Places::NamesList, {QString::fromUtf8("Digit Nóra"), "Pixeles Tivadar", QString::fromUtf8("Tárolka"),
                                      QString::fromUtf8("Kábel Ödön"), "Lemezke", "Nyilacska"}, 2);
        for (const auto& guide : ListNamePlaces::Guides)
            mock.Text(guide.label, QString::fromUtf8(guide.name), 18, QColor(0, 0, 255), Qt::AlignCenter);
        mock.Button(Places::NextButton, QString::fromUtf8("Tovább"));
        out.Page(mock.Done(), "names.png");
    }
    const auto firstFrame = [](const std::vector<QImage>& frames) { return frames.front(); };
    {
        TMock mock(FoodScreen());
        mock.Text(Places::FoodText.adjusted(8, 6, -8, 0),
                  QString::fromUtf8("A listadobozok mérete néha kisebb, mint a lista. Ilyenkor a gördítősávval, a "
                                    "nyílbillentyűkkel vagy az egér görgőjével mozoghatsz a listában. Válaszd ki Tárolka "
                                    "kedvenc ételét!"), 21);
        mock.Picture(Places::FoodClip.topLeft(), firstFrame(ListsClipsArt::FoodClip()));
        mock.List(Places::FoodList, {QString::fromUtf8("Húsleves"), QString::fromUtf8("Rántott hús"), "Palacsinta",
                                     QString::fromUtf8("Rétes"), QString::fromUtf8("Krémes"), QString::fromUtf8("Tökfőzelék"),
                                     "Kefir", "Sajt", QString::fromUtf8("Krumpliprósza")});
        out.Page(mock.Done(), "food.png");
    }
    {
        TMock mock(FoodScreen());
        mock.Picture(Places::FoodClip.topLeft(), firstFrame(ListsClipsArt::BirthdayClip()));
        const QRect lists = Places::BirthdayLists;
        mock.List(QRect(lists.left(), lists.top(), 120, 220), {"2029", "2028", "2027", "2026", "2025"});
        mock.List(QRect(lists.left() + 140, lists.top(), 140, 220), {QString::fromUtf8("január"), QString::fromUtf8("február")});
        mock.List(QRect(lists.left() + 300, lists.top(), 120, 220), {"1", "2", "3", "4"});
        out.Page(mock.Done(), "birthday.png");
    }
    {
        TMock mock(TvScreen());
        mock.Text(Places::TvText.adjusted(8, 6, -8, 0),
                  QString::fromUtf8("A képernyőn sokszor kell takarékoskodni a hellyel, ezért találkozhatsz a legördíthető "
                                    "listákkal, amelyek kis helyet foglalnak. Keresd ki és állítsd be Tárolka kedvenc TV műsorát!"), 21);
        const char* shown[] = {"MiaSat", "Kandúr Bandi kalandjai", "akciófilm", "szerda", "17", "55"};
        const int widths[] = {130, 250, 150, 130, 80, 80};
        int x = 24;
        for (int i = 0; i < 6; ++i) {
            mock.List(QRect(x, 568, widths[i], 26), {QString::fromUtf8(shown[i])});
            x += widths[i] + 12;
        }
        out.Page(mock.Done(), "tv.png");
    }
    {
        TMock mock(UnitsScreen());
        mock.Text(Places::UnitsText.adjusted(8, 6, -8, 0),
                  QString::fromUtf8("A listadobozok elemei összekeveredtek. A kijelölt elemeket a nyílgombokkal vagy az "
                                    "egérrel húzhatod a helyükre. Emlékezz, hogy mit tanultál a \"Fogd és vidd!\" módszerről!"));
        mock.List(Places::LengthList, {QString::fromUtf8("Óra"), "Kilogramm", QString::fromUtf8("Centiméter")});
        mock.List(Places::MassList, {QString::fromUtf8("Méter"), QString::fromUtf8("Másodperc"), "Dekagramm"});
        mock.List(Places::TimeList, {"Perc", QString::fromUtf8("Deciméter"), "Gramm"});
        mock.Button(QRect(240, 336, 105, 25), QString::fromUtf8("Jobbra másol ->"));
        mock.Button(QRect(240, 384, 105, 25), QString::fromUtf8("<- Balra másol"));
        out.Page(mock.Done(), "units.png");
    }
    {
        TMock mock(BirdsScreen());
        mock.Picture(Places::KeyboardPicture.topLeft(), ListsPicturesArt::CtrlKeyboard());
        mock.Picture(Places::BirdsClip.topLeft(), firstFrame(ListsClipsArt::BirdsClip()));
        mock.List(Places::LyList, {"Bagoly", "Fogoly", QString::fromUtf8("Fürj"), QString::fromUtf8("Gólya"), QString::fromUtf8("Héja"),
                                   "Karvaly", QString::fromUtf8("Ölyv"), QString::fromUtf8("Papagáj"), QString::fromUtf8("Sólyom"),
                                   QString::fromUtf8("Varjú")}, 4);
        mock.List(Places::JList, {});
        mock.Text(Places::Warning.adjusted(8, 8, -8, 0),
                  QString::fromUtf8("Kérlek, hogy egyszerre húzd át az összes j-s elemet! Próbáld újra!"), 20, QColor(0, 128, 0));
        mock.Text(Places::BirdsText.adjusted(8, 6, -8, 0),
                  QString::fromUtf8("NEM szomszédos elemek kijelölése: Ehhez egy új segédbillentyű kell. A képen pirossal "
                                    "jelöltük a Ctrl billentyűt. Tartsd lenyomva, és kattints sorban minden j-s madárra!"), 23);
        out.Page(mock.Done(), "birds.png");
    }
    {
        TMock mock(ComboScreen());
        mock.Text(Places::ComboText.adjusted(8, 6, -8, 0),
                  QString::fromUtf8("Ezek a listadobozok helytakarékosak és szerkeszthetők is. Ez a kombinált (kevert, "
                                    "összetett) lista. Írd be kedvenc neveidet! Mindegyik lista legalább öt névből álljon! "
                                    "Törölhetsz is!"), 21);
        mock.List(Places::GirlsCombo.adjusted(0, 0, 0, -6), {"Ide gépelhetsz"});
        mock.List(Places::BoysCombo.adjusted(0, 0, 0, -6), {"Ide gépelhetsz"});
        mock.Picture(Places::ComboClip.topLeft(), ListsClipsArt::ComboClip()[14]);
        out.Page(mock.Done(), "combo.png");
    }
    {
        const QImage reflex = ReflexScreen(); // one background for the three pages
        TMock mock(reflex);
        mock.Text(Places::ReflexText, QString::fromUtf8("A kijelzőn megjelenő szót vagy szavakat jelöld ki és húzd át a "
                                                        "kisebbik listadobozba! Az is számít, hogy milyen gyorsan oldod meg "
                                                        "a feladatot. Kattints a játék címére!"));
        mock.Text(Places::ReflexWords, QString::fromUtf8("alma, körte, szilva"), 19, Qt::black, Qt::AlignCenter);
        mock.Text(Places::ReflexClock, "01:05", 24, QColor(0, 0, 255), Qt::AlignCenter);
        out.Page(mock.Done(), "reflex_start.png");
        TMock game(reflex);
        game.Text(Places::ReflexWords, QString::fromUtf8("alma, körte, szilva"), 19, Qt::black, Qt::AlignCenter);
        game.Text(Places::ReflexClock, "01:05", 24, QColor(0, 0, 255), Qt::AlignCenter);
        game.List(Places::ReflexFrom, {"alma", "asztal", QString::fromUtf8("körte"), "ablak", "szilva"}, 0);
        game.List(Places::ReflexTo, {"asztal"});
        out.Page(game.Done(), "reflex_game.png");
        TMock start(reflex);
        start.Picture(Places::ReflexStart.topLeft(), ListsPicturesArt::StartTitle());
        out.Page(start.Done(), "reflex_title.png");
    }
    {
        TMock mock(EditableScreen());
        mock.Text(Places::Paper, QString::fromUtf8("Kábel Ödön, ezt szúrd be Nyilacska neve fölé!"), 19, Qt::black,
                  Qt::AlignCenter | Qt::TextWordWrap);
        mock.List(Places::EditField, {QString::fromUtf8("Kábel Ödön")});
        mock.List(Places::EditableList, {"Pixeles Tivadar", "Lemezke", "Nyilacska", QString::fromUtf8("Digit Nóra")}, 2);
        const char* buttons[] = {"Új elem - Felvétel", "Beszúrás", "Törlés", "Az összes törlése"};
        for (int i = 0; i < 4; ++i)
            mock.Button(QRect(584, 272 + 64 * i, 137, 25), QString::fromUtf8(buttons[i]));
        mock.Text(QRect(736, 248 + 68, 257, 73), QString::fromUtf8("Az új elem beszúrásához ezt a gombot kell használnod! Klikk!"),
                  16, Qt::black, Qt::AlignCenter | Qt::TextWordWrap);
        mock.Text(Places::EditText, QString::fromUtf8("Az új elem felvételéhez hasonló az új elem beszúrása. Beszúráskor az "
                                                      "új elem nem a lista végére, hanem a listában kijelölt elem fölé kerül."),
                  17);
        out.Page(mock.Done(), "editable.png");
    }
    out.Save(ListsPicturesArt::CtrlKeyboard(), "keyboard_ctrl.png");
    out.Save(ListsPicturesArt::StartTitle(), "start.png");
    const std::pair<const char*, std::vector<QImage>> clips[] = {
        {"food", ListsClipsArt::FoodClip()}, {"birthday", ListsClipsArt::BirthdayClip()},
        {"birds", ListsClipsArt::BirdsClip()}, {"combo", ListsClipsArt::ComboClip()}};
    for (const auto& [name, frames] : clips)
        out.Clip(name, frames, 8);

    out.SaveReviewSheet("lists_media_sheet.png", out.ReviewSheet());
    return out.Result();
}
