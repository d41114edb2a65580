#include "PanelsCourse.h"
#include "PanelsMoves.h"

#include "framework/CheckBox.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "topics/panels/ColourBox.h"
#include "topics/panels/MessagePanel.h"
#include "topics/panels/PnlAutosForm.h"
#include "topics/panels/PnlFulesPanelForm.h"
#include "topics/panels/PnlKonyvJelzForm.h"
#include "topics/panels/PnlMiniVizsgaIntroForm.h"
#include "topics/panels/PnlNyomtatForm.h"
#include "topics/panels/PnlPanelForm.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class PanelsTextsTest : public PanelsCourse {
protected:
    void SetUp() override { OpenPanelsTopic(); }

    // Every text the panel shows, top to bottom.
    static QStringList Reading(const QWidget& panel)
    {
        QStringList texts;
        for (const QLabel* label : panel.findChildren<QLabel*>())
            if (label->isVisibleTo(&panel) && !label->text().isEmpty())
                texts << label->text();
        return texts;
    }
};

TEST_F(PanelsTextsTest, LessonPanelsAsTheLearnerReadsThem)
{
    auto* system = On<TPnlNyomtatForm>();
    EXPECT_EQ(system->pnlOK()->Title(), "");
    EXPECT_EQ(Reading(*system->pnlOK()),
              QStringList{"A gépet az operációs rendszer felügyeli. Több feladata is van:\n"
                          "  - működteti és ellenőrzi a gép részeit,\n"
                          "  - futtatja a programokat,\n"
                          "  - észreveszi és végrehajtja a felhasználó parancsait,\n"
                          "  - üzeneteket küld a felhasználónak a gép és a programok állapotáról."});
    EXPECT_EQ(system->btnOk()->Caption(), "Ok");
    ReachPage(QStringLiteral("PnlPanelForm"));
    EXPECT_EQ(Reading(*On<TPnlPanelForm>()->pnlOK()),
              QStringList{"Az operációs rendszer panelekre írja ki üzeneteit. A panel hasonlít a táblára, amire az "
                          "osztályban írunk: általában téglalap alakú és szürke. A paneleket üzenetük tartalma "
                          "szerint csoportokba soroljuk."});
    ReachPage(QStringLiteral("PnlKonyvJelzForm"));
    EXPECT_EQ(Reading(*On<TPnlKonyvJelzForm>()->pnlOK()),
              QStringList{"Egy panelen nem mindig fér el minden, amit szeretnénk, ezért vannak többlapos panelek. "
                          "Ezeken a fülekkel lapozhatsz. Csak kattintanod kell.\n"
                          "Kattints az OK-ra, majd lapozd végig a panelt!"});
    ReachPage(QStringLiteral("PnlMiniVizsgaIntroForm"));
    auto* intro = On<TPnlMiniVizsgaIntroForm>();
    EXPECT_EQ(intro->pnlOK()->Title(), "Információs panel");
    EXPECT_EQ(Reading(*intro->pnlOK()),
              QStringList{"Az OK-ra kattintás után egy hatlapos panelt látsz, amelyen az eddig tanult témakörökből "
                          "olvashatsz kérdéseket. Sorban nézd meg az összes lapot, és válaszolj a kérdésekre!"});
}

TEST_F(PanelsTextsTest, LongestTextsShowWhole)
{
    // The operating-system panel's last line reads on one line, inside the panel's frame.
    QLabel* text = On<TPnlNyomtatForm>()->pnlOK()->findChild<QLabel*>();
    ASSERT_NE(text, nullptr);
    const QString last = QStringLiteral("  - üzeneteket küld a felhasználónak a gép és a programok állapotáról.");
    const int lastLine = QFontMetrics(text->font()).horizontalAdvance(last);
    EXPECT_LE(lastLine, text->contentsRect().width());
    EXPECT_LE(text->geometry().right(), 513 - 3);
    // The opened colour list has room for its longest name beside the swatch.
    ReachPage(QStringLiteral("PnlAutosForm"));
    auto* trip = On<TPnlAutosForm>();
    PanelsMoves::RideToSettings(*this, *trip);
    TColourBox* colours = trip->cbColor();
    colours->showPopup();
    Settle();
    const QModelIndex longest = colours->model()->index(colours->findText(QStringLiteral("gesztenyebarna")), 0);
    EXPECT_GE(colours->view()->viewport()->width(), colours->view()->sizeHintForIndex(longest).width());
    colours->hidePopup();
}

TEST_F(PanelsTextsTest, CarTripDialogsAndTheSettingsPanel)
{
    ReachPage(QStringLiteral("PnlAutosForm"));
    auto* page = On<TPnlAutosForm>();
    PanelsMoves::RideToSettings(*this, *page);
    ASSERT_EQ(dialogs.Shown().size(), 5u);
    EXPECT_EQ(dialogs.Shown()[0].text,
              "A legtöbb panelen a programok valamilyen hasznos információt közölnek veled; elolvasás után csak az "
              "OK gombra kell kattintani.\nAz ilyen panelt információs panelnek (röviden infópanelnek) vagy "
              "üzenetpanelnek hívjuk. "
              "Az angol information szó jelentése: tájékoztatás.");
    EXPECT_TRUE(dialogs.Shown()[1].text.startsWith("Ha egy ilyen piros jelet látsz a panelen, akkor valami hiba "
                                                   "történt"));
    EXPECT_TRUE(dialogs.Shown()[2].text.endsWith("\n\nLemezke, tényleg Egérvár felé fordulsz?"));
    EXPECT_TRUE(dialogs.Shown()[3].text.endsWith(
        "Lemezke, eltévedtél! Visszafordulsz?\nIGEN: visszafordulok. NEM: továbbmegyek. MÉGSEM: megállok, és még "
        "gondolkodom."));
    EXPECT_TRUE(dialogs.Shown()[4].text.endsWith("Az ilyen paneleket párbeszédpaneleknek nevezzük."));
    std::vector<TDialogIcon> icons;
    for (const TDialogRequest& dialog : dialogs.Shown())
        icons.push_back(dialog.icon);
    EXPECT_EQ(icons, (std::vector<TDialogIcon>{TDialogIcon::Information, TDialogIcon::Error, TDialogIcon::Question,
                                               TDialogIcon::Warning, TDialogIcon::Information}));

    EXPECT_EQ(page->pnlSetting()->Title(), "Lemezke autója");
    const QStringList reading = Reading(*page->pnlSetting());
    EXPECT_TRUE(reading.contains("Az autó színe:"));
    EXPECT_TRUE(reading.contains("Rajtszám:"));
    EXPECT_TRUE(reading.contains("Tankolj 40 liter benzint!"));
    EXPECT_TRUE(reading.front().startsWith("Állítsd be a helyes válaszokat, majd kattints az Alkalmaz gombra!"));
    QStringList choices;
    for (const QRadioButton* button : page->rbgUtasok()->findChildren<QRadioButton*>())
        choices << button->text();
    EXPECT_EQ(choices, (QStringList{"Lemezke egyedül utazott", "Lemezke barátjával utazott"}));
    EXPECT_EQ(page->chkCabrio()->text(), "Lemezke kocsija nyitott tetejű");
    EXPECT_EQ(page->chkEltevedt()->text(), "Lemezke nem tévedt el");
    EXPECT_EQ(page->chkSportCar()->text(), "Lemezke autója sportkocsi");
    EXPECT_EQ(page->btnOk()->Caption(), "Ok");
    EXPECT_EQ(page->btnApply()->Caption(), "Alkalmaz");
    EXPECT_EQ(page->btnCancel()->Caption(), "Mégsem");
}

TEST_F(PanelsTextsTest, TabbedPanelTabsAndPages)
{
    ReachPage(QStringLiteral("PnlFulesPanelForm"));
    auto* page = On<TPnlFulesPanelForm>();
    EXPECT_EQ(page->pnlOK()->Title(), "Többlapos panel");
    QTabWidget& tabs = *page->PageControl1();
    ASSERT_EQ(tabs.count(), 6);
    QStringList captions;
    for (int tab = 0; tab < tabs.count(); ++tab)
        captions << tabs.tabText(tab);
    EXPECT_EQ(captions, (QStringList{"1. fül", "2. fül", "3. fül", "4. fül", "5. fül", "6. fül"}));
    EXPECT_EQ(Reading(*tabs.widget(0)), QStringList{"A fülek olyanok, mint a könyvjelzők."});
    EXPECT_EQ(Reading(*tabs.widget(3)), QStringList{"A fülek között nyílbillentyűkkel is válthatsz. Próbáld ki!"});
    EXPECT_EQ(Reading(*tabs.widget(4)),
              QStringList{"Mégsem gomb - A régebbi beállítások maradnak. \nA panel eltűnik. \n\nA panel záró X "
                          "gombja - A régebbi beállítások maradnak. A panel eltűnik."});
    EXPECT_EQ(page->Button1()->Caption(), "Ok");
}

} // namespace
