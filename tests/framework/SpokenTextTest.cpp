#include "framework/BalloonHint.h"
#include "framework/Image.h"
#include "framework/MessageDialog.h"
#include "framework/PracticeWindow.h"
#include "framework/PushButton.h"
#include "framework/SpokenText.h"
#include "framework/TextImgWriter.h"
#include "framework/WindowGroup.h"
#include "platform/ManualTime.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SpokenTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Services::SetTime(&time);
        page = std::make_unique<QWidget>();
        page->setGeometry(0, 0, 1024, 768);
    }

    void TearDown() override
    {
        TWindowGroup::Retire(page.get());
        page.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Services::SetTime(nullptr);
    }

    TImage* Written(const QRect& area, const QString& text)
    {
        auto* picture = new TImage(page.get(), area);
        picture->SetPng(QImage(area.size(), QImage::Format_ARGB32));
        TTextImgWriter writer;
        writer.SetFont(QFont(QStringLiteral("Liberation Sans"), 18), Qt::blue);
        writer.SetImage(picture);
        writer.SetText(text);
        writer.WriteText();
        return picture;
    }

    QLabel* Label(const QRect& area, const QString& text)
    {
        auto* label = new QLabel(text, page.get());
        label->setGeometry(area);
        return label;
    }

    TManualTime time;
    std::unique_ptr<QWidget> page;
};

TEST_F(SpokenTextTest, APageSaysItsTextsAndOptionsRowByRowWithoutButtonCaptions)
{
    // Placed out of order: reading goes from the top, and left to right within a row.
    Label(QRect(500, 402, 300, 30), QStringLiteral("jobbra"));
    Written(QRect(24, 488, 500, 200), QStringLiteral("Ez egy hosszú mondat, amely a keskeny képen több sorba "
                                                      "tördelődik.<BR>Második bekezdés."));
    Label(QRect(20, 400, 300, 30), QStringLiteral("balra"));
    Label(QRect(20, 40, 300, 30), QStringLiteral("Legfelül"));
    auto* hidden = Label(QRect(20, 60, 300, 30), QStringLiteral("rejtett"));
    hidden->hide();
    new TPushButton(page.get(), QRect(20, 420, 75, 25), QStringLiteral("&Tovább"));
    auto* option = new QCheckBox(QStringLiteral("Az Esc billentyűvel lépünk ki."), page.get());
    option->setGeometry(500, 420, 300, 25);
    auto* box = new QLineEdit(page.get());
    box->setText(QStringLiteral("Anna"));
    Label(QRect(20, 100, 300, 30), QString());

    EXPECT_EQ(SpokenText::Of(page.get()),
              "Legfelül<BR>balra<BR>jobbra<BR>Az Esc billentyűvel lépünk ki.<BR>Ez egy hosszú mondat, amely a keskeny képen több sorba tördelődik."
              "<BR>Második bekezdés.");
}

TEST_F(SpokenTextTest, WrappedLinesAreOneParagraphAndANewPictureForgetsTheOldText)
{
    TImage* picture = Written(QRect(0, 0, 200, 300), QStringLiteral("Kattints a képre, majd húzd a helyére!<BR>Ügyes!"));
    ASSERT_GT(picture->Texts().size(), 2) << "the first paragraph wraps";
    EXPECT_EQ(SpokenText::OfPicture(*picture), "Kattints a képre, majd húzd a helyére!<BR>Ügyes!");

    picture->SetPng(QImage(200, 300, QImage::Format_ARGB32));
    EXPECT_EQ(SpokenText::OfPicture(*picture), "");
    TTextImgWriter writer;
    writer.SetFont(QFont(QStringLiteral("Liberation Sans"), 18), Qt::blue);
    writer.SetImage(picture);
    writer.SetText(QStringLiteral("Új szöveg"));
    writer.WriteText();
    EXPECT_EQ(SpokenText::OfPicture(*picture), "Új szöveg");
}

TEST_F(SpokenTextTest, AnOpenBalloonSpeaksForThePageAndAWindowsTextsAreThePages)
{
    Label(QRect(20, 40, 300, 30), QStringLiteral("Nézd meg a tálcát!"));
    auto* window = new TPracticeWindow(page.get(), QStringLiteral("Ablak"), QStringLiteral("Címsor"));
    window->SetBounds(QRect(100, 200, 400, 300));
    auto* inside = new QLabel(QStringLiteral("Az ablak szövege"), window->Client());
    inside->setGeometry(10, 10, 300, 30);
    page->show();
    window->Show();
    EXPECT_EQ(SpokenText::Of(page.get()), "Nézd meg a tálcát!<BR>Az ablak szövege");

    TBalloonHint* balloon = TBalloonHint::Show(page.get(), QStringLiteral("Tálca"),
                                               QStringLiteral("Ide ugranak le a futó programok."), QPoint(500, 700), 0);
    EXPECT_EQ(SpokenText::Of(page.get()), "Tálca<BR>Ide ugranak le a futó programok.");
    balloon->Close();
    EXPECT_EQ(SpokenText::Of(page.get()), "Nézd meg a tálcát!<BR>Az ablak szövege");
}

TEST_F(SpokenTextTest, ADialogSaysItsTextNotItsButtons)
{
    page->show();
    TMessageDialog dialog(page.get(), TDialogRequest::Standard(TDialogIcon::Warning, QStringLiteral("Figyelem"),
                                                                  QStringLiteral("Biztosan kilépsz?"),
                                                                  TDialogButtons::YesNo));
    dialog.show();
    EXPECT_EQ(SpokenText::Of(&dialog), "Biztosan kilépsz?");
}

} // namespace
