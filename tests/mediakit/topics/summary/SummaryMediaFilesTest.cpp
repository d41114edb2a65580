// The summary topic's files as the build wrote them: every name its pages use, spelled as the
// pages spell it (some folders in upper case, clips with the "..\res\avis\" path), resolves to a
// written file at the size the page shows it.

#include "mediakit/MediaLiterals.h"
#include "mediakit/ResFiles.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

TEST(SummaryMediaFiles, EveryNameTheSummaryPagesUseResolvesToAFileOfItsSize)
{
    const struct {
        const char* name;
        const char* size; // empty for sounds, which have none
    } used[] = {
        {"osszefoglal\\OsszeFoglBillForm.jpg", "1024x768"},
        {"osszefoglal\\OsszeFoglEgerForm.jpg", "1024x768"},
        {"osszefoglal\\OsszeFoglForm.jpg", "1024x768"},
        {"osszefoglal\\Tivadar.png", "174x124"},
        {"osszefoglal\\nora.png", "174x124"},
        {"osszefoglal\\tarolka.png", "174x124"},
        {"osszefoglal\\tabla.png", "284x340"},
        {"osszefoglal\\mappa_ikon.png", "16x16"},
        {"osszefoglal\\szamologep_ikon.png", "16x16"},
        {"osszefoglal\\odon.png", "234x261"},
        {"betuvadaszat.jpg", "1024x768"},
        {"..\\res\\avis\\kabel_odon_bologat.avi", "160x320"},
        {"..\\res\\avis\\kabel_odon_fejet_raz.avi", "160x320"},
        {"1_katt1.wav", ""},
        {"1_katt2.wav", ""},
        {"04_kattintas_fogalma.avi", "232x160"},
        {"egerezes\\EgerKattInfoForm_jobbkatt.png", "193x145"},
        {"egerezes\\EgerKattInfoForm_helyes.png", "200x145"},
        {"egerezes\\EgerKattInfoForm_helytelen.png", "185x193"},
        {"gombok\\GombSokfalytaForm_roundBtn.png", "70x70"},
        {"gombok\\GombSokfalytaForm_ellipseBtn.png", "96x37"},
        // The detective's tabs: the first spelled with "Panel\", the others with "panel\".
        {"Panel\\PnlFulesPanelForm_odon.png", "174x124"},
        {"panel\\PnlFulesPanelForm_nora.png", "174x124"},
        {"panel\\PnlFulesPanelForm_tivadar.png", "174x124"},
        {"panel\\PnlFulesPanelForm_lemezke.png", "174x124"},
        {"panel\\PnlFulesPanelForm_nyilacska.png", "174x124"},
        {"Panel\\PnlFulesPanelForm_nora.png", "174x124"},
    };
    const QMap<QString, QString> listed = ResFiles::ListedSizes();
    for (const auto& u : used) {
        SCOPED_TRACE(u.name);
        const QString path = MediaLiterals::MediaPath(QString::fromUtf8(u.name));
        ASSERT_FALSE(path.isEmpty());
        ASSERT_TRUE(listed.contains(path)) << path.toStdString();
        EXPECT_EQ(listed.value(path).toStdString(), u.size);
        // Pictures are stored enciphered under the name with a trailing "e".
        EXPECT_FALSE(ResFiles::Read(path.startsWith("images/") ? path + "e" : path).isEmpty());
    }
}

} // namespace
