#include "framework/MessageDialog.h"
#include "framework/PushButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessageDialogTest, SitsAtTwoHundredCentredAndAnswersByButtonOrEscThenGivesTheFocusBack)
{
    QWidget canvas;
    canvas.resize(1024, 768);
    auto* box = new QLineEdit(&canvas);
    canvas.show();
    box->setFocus();
    TMessageDialog dialog(&canvas, TDialogRequest::Standard(TDialogIcon::Warning, QStringLiteral("Veszélyt jelző panel"),
                                                                QStringLiteral("Visszafordulsz?"),
                                                                TDialogButtons::YesNoCancel));
    EXPECT_EQ(dialog.y(), 200);
    EXPECT_EQ(dialog.x(), (1024 - dialog.width()) / 2);
    ASSERT_EQ(dialog.Buttons().size(), 3u);
    EXPECT_EQ(dialog.Buttons()[0]->Caption(), "Igen");
    EXPECT_EQ(dialog.Buttons()[1]->Caption(), "Nem");
    EXPECT_EQ(dialog.Buttons()[2]->Caption(), "Mégsem");
    EXPECT_EQ(dialog.Buttons()[1]->x() - dialog.Buttons()[0]->x(), 80);
    EXPECT_EQ(dialog.Buttons()[0]->y(), dialog.height() - 60);
    EXPECT_NE(dialog.CloseButton(), nullptr);

    QTimer::singleShot(0, [&] {
        // A key meant for the box behind goes to the dialog; Esc answers Cancel.
        QTest::keyClick(box, Qt::Key_A);
        QTest::keyClick(canvas.focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.Exec(), TDialogResult::Cancel);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(canvas.focusWidget(), box);
}

TEST(MessageDialogTest, EndQuestionHasNoCloseAndIgnoresEsc)
{
    QWidget canvas;
    canvas.resize(1024, 768);
    canvas.show();
    TDialogRequest request;
    request.icon = TDialogIcon::Question;
    request.text = QStringLiteral("Szeretnél még játszani?");
    request.buttons = TDialogButtons::YesNo;
    request.closeButton = false;
    request.placement = TButtonPlacement::AroundCentre;
    TMessageDialog dialog(&canvas, request);
    EXPECT_EQ(dialog.CloseButton(), nullptr);
    EXPECT_EQ(dialog.Buttons()[0]->x() + 75, dialog.width() / 2 - 3);
    EXPECT_EQ(dialog.Buttons()[1]->x(), dialog.width() / 2 + 3);
    QTimer::singleShot(0, [&] {
        QTest::keyClick(canvas.focusWidget(), Qt::Key_Escape);
        QTest::mouseClick(dialog.Buttons()[1], Qt::LeftButton);
    });
    EXPECT_EQ(dialog.Exec(), TDialogResult::No);
}
