#include "platform/SpeechText.h"

#include <gtest/gtest.h>

namespace {

struct TSpoken {
    const char* written;
    const char* said;
};

TEST(SpeechTextTest, WhatTheLearnerReadsIsSaidAsATeacherWouldSayIt)
{
    const TSpoken table[] = {
        // Breaks are pauses; a line without a mark of its own ends as a sentence.
        {"Kedves Anna!<BR>Írd be a neved", "Kedves Anna! Írd be a neved"},
        {"Feladat: Memória teszt<BR>Név: Anna<br>Teljesítmény: 10 / 3 <BR><BR>Viszlát",
         "Feladat: Memória teszt. Név: Anna. Teljesítmény: 10-ből 3. Viszlát"},
        {"Gépeld ide a keresztneved!\nAztán nyomd meg", "Gépeld ide a keresztneved! Aztán nyomd meg"},
        {"  első sor\r\n\r\n  második  sor  ", "első sor. második sor"},
        // Results by the vowels of the number said last.
        {"5 / 2", "5-ből 2"},
        {"3/1 és 20 / 20 és 100 / 7 és 1000 / 1", "3-ból 1 és 20-ból 20 és 100-ból 7 és 1000-ből 1"},
        {"0 / 0", "0-ból 0"},
        {"12 / 4", "12-ből 4"},
        // Times as minutes and seconds; a score "1:0" is not a time.
        {"Idő: 01:25", "Idő: 1 perc 25 másodperc"},
        {"00:05 és 10:00 és 00:00", "5 másodperc és 10 perc és 0 másodperc"},
        {"Fokozat: lassú 1:0", "Fokozat: lassú 1:0"},
        // Keys by their spoken names, whatever case the page writes them in.
        {"Nyomd meg az ENTER feliratú gombot!", "Nyomd meg az enter feliratú gombot!"},
        {"Az ujjak a két ENTER-t mutatják, a Shift-et ne.", "Az ujjak a két enter-t mutatják, a sift-et ne."},
        {"Shift + a, Caps Lock, Alt Gr + Q", "sift + a, kepszlokk, alt gé er + Q"},
        {"Az Esc és az F1, F10, F12 billentyű", "Az eszkéjp és az ef egy, ef tíz, ef tizenkettő billentyű"},
        {"Backspace (bekszpész) billentyű. Ezt használd a törléshez!", "bekszpész billentyű. Ezt használd a törléshez!"},
        {"Num Lock, Delete, Tab", "numlokk, diléjt, tabulátor"},
        // Words that only contain a key's name stay as written.
        {"Eszközök, Shiftelés, Entert, F1-es", "Eszközök, Shiftelés, Entert, F1-es"},
        // Access keys are not said; a doubled "&" is an "és".
        {"&Fájl, Sz&erkesztés, Fekete && fehér", "Fájl, Szerkesztés, Fekete és fehér"},
        {"Kenyér & vaj", "Kenyér és vaj"},
        // The guides keep their names, also in capitals.
        {"DIGIT NÓRA és Pixeles Tivadar, KÁBEL ÖDÖN, Tárolka, Nyilacska, Lemezke",
         "Digit Nóra és Pikszeles Tivadar, Kábel Ödön, Tárolka, Nyilacska, Lemezke"},
        {"", ""},
        {"<BR><BR>", ""},
    };
    for (const TSpoken& row : table)
        EXPECT_EQ(SpeechText::Prepare(QString::fromUtf8(row.written)), QString::fromUtf8(row.said)) << row.written;
}

} // namespace
