#include "ButtonsCourse.h"

#include "framework/MediaAccess.h"
#include "framework/SpeedButton.h"

namespace {

class PuzzlePageTest : public ButtonsCourse {
protected:
    void SetUp() override
    {
        // The shuffle's draws: tile 1 <-> 3 and back, 4 <-> 9, 8 <-> 2, then 9 <-> 5.
        random = TFixedRandom({3, 0, 1, 9, 0, 0, 0, 2, 5});
        OpenButtonsTopic();
        GoTo(TButtonsStop::Puzzle);
        page = On<TGombKirakoForm>();
        ASSERT_NE(page, nullptr);
        sound.Clear();
    }

    // The tile standing at slot s, by its place on the page.
    int TileAt(int slot) const
    {
        for (int tile = 1; tile <= 9; ++tile)
            if (page->Tile(tile)->pos() == page->SlotPosition(slot))
                return tile;
        return 0;
    }

    std::vector<int> Layout() const
    {
        std::vector<int> tiles;
        for (int slot = 1; slot <= 9; ++slot)
            tiles.push_back(TileAt(slot));
        return tiles;
    }

    TGombKirakoForm* page = nullptr;
};

TEST_F(PuzzlePageTest, TilesAppearWithTheFirstPictureAndShuffleUsesTheRandomService)
{
    EXPECT_FALSE(page->Tile(1)->isVisible());
    Click(page->imgKever()); // no picture yet: ignored
    EXPECT_EQ(random.Calls(), 0);

    Click(page->Thumbnail(2));
    EXPECT_EQ(page->CurrentPicture(), 2);
    for (int tile = 1; tile <= 9; ++tile)
        EXPECT_TRUE(page->Tile(tile)->isVisible() && page->Tile(tile)->isEnabled());
    EXPECT_EQ(page->Tile(1)->pos(), QPoint(37, 117));
    EXPECT_EQ(page->Tile(9)->pos(), QPoint(215, 295));

    Click(page->imgKever());
    EXPECT_EQ(random.Calls(), 9);
    EXPECT_EQ(Layout(), std::vector<int>({1, 8, 3, 5, 9, 6, 7, 2, 4}));
    EXPECT_FALSE(page->Animate1()->Active());
    EXPECT_TRUE(sound.PlayedNames().isEmpty());
}

TEST_F(PuzzlePageTest, PiecesJoinIntoThePicture)
{
    Click(page->Thumbnail(1));
    const QImage whole = LoadBmp("gombok\\GombKirakoForm_nagy1.bmp");
    ASSERT_EQ(whole.size(), QSize(255, 255));
    const QImage piece = TGombKirakoForm::Piece(whole, 6);
    EXPECT_EQ(piece.size(), QSize(85, 85));
    EXPECT_EQ(piece.pixel(0, 0), whole.pixel(170, 85));
    EXPECT_EQ(piece.pixel(84, 84), whole.pixel(254, 169));
}

TEST_F(PuzzlePageTest, SwapAndSwapBackSolvesWithApplause)
{
    Click(page->Thumbnail(1));
    Click(page->Tile(2));
    EXPECT_TRUE(page->Tile(2)->Down());
    EXPECT_EQ(sound.PlayedNames(), QStringList({"2_plink.wav"}));
    Click(page->Tile(5));
    EXPECT_EQ(TileAt(2), 5);
    EXPECT_EQ(TileAt(5), 2);
    EXPECT_FALSE(page->Tile(2)->Down() || page->Tile(5)->Down());
    EXPECT_FALSE(page->Animate1()->Active());

    Click(page->Tile(5));
    Click(page->Tile(2));
    EXPECT_EQ(Layout(), std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(page->Animate1()->Active());
    EXPECT_EQ(sound.PlayedNames(),
              QStringList({"2_plink.wav", "2_plunk.wav", "2_plink.wav", "2_plunk.wav", "2_taps.wav"}));
}

TEST_F(PuzzlePageTest, RepeatClickCancelsSilentlyAndShuffleOrPictureChangeDropThePick)
{
    Click(page->Thumbnail(1));
    Click(page->Tile(4));
    Click(page->Tile(4));
    EXPECT_FALSE(page->Tile(4)->Down());
    EXPECT_EQ(page->Board().SelectedSlot(), 0);
    EXPECT_EQ(sound.PlayedNames(), QStringList({"2_plink.wav"}));

    // A pick before a shuffle is gone after it: the next click picks again.
    Click(page->Tile(1));
    Click(page->imgKever());
    EXPECT_FALSE(page->Tile(1)->Down());
    EXPECT_EQ(page->Board().SelectedSlot(), 0);
    Click(page->Tile(7));
    EXPECT_EQ(page->Board().SelectedSlot(), 7);

    // The other picture puts the shuffled tiles home and drops the pick.
    Click(page->Thumbnail(2));
    EXPECT_EQ(page->CurrentPicture(), 2);
    EXPECT_EQ(Layout(), std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(page->Tile(7)->Down());
    EXPECT_EQ(page->Board().SelectedSlot(), 0);
    // The next swap that leaves every tile home is solved.
    Click(page->Tile(3));
    Click(page->Tile(6));
    Click(page->Tile(3));
    Click(page->Tile(6));
    EXPECT_TRUE(page->Animate1()->Active());
}

TEST_F(PuzzlePageTest, EscMovesOnLikeTovabb)
{
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(CurrentPageName(), "GombAngolForm");
}

class EnglishPageTest : public ButtonsCourse {
protected:
    void SetUp() override
    {
        OpenButtonsTopic();
        GoTo(TButtonsStop::English);
        page = On<TGombAngolForm>();
        ASSERT_NE(page, nullptr);
    }

    TGombAngolForm* page = nullptr;
};

TEST_F(EnglishPageTest, OnlyContinueGoesOnAndCloseHasItsOwnLetter)
{
    const QStringList captions = {"OK",   "&Yes", "&No",   "Cancel", "Abort",  "&Retry",   "GO",
                                  "Begin", "Play", "&Exit", "&Quit", "C&lose", "&Continue"};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(page->BitBtn(i)->Caption(), captions[i]);
    EXPECT_EQ(page->BitBtn(11)->Accelerator(), QChar('L'));
    EXPECT_EQ(FocusedControl(), page->BitBtn(0));

    for (int i = 0; i < 12; ++i)
        Click(page->BitBtn(i));
    TypeText("ynrelqYL");
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_FALSE(ErrorBoxShown());

    TypeText("c");
    EXPECT_EQ(CurrentPageName(), "GombKerdesekForm");
}

TEST_F(EnglishPageTest, ContinueByClick)
{
    EXPECT_EQ(page->hatter()->Texts().filter("CONTINUE = kántinyú").size(), 1);
    Click(page->BitBtn(12));
    EXPECT_EQ(CurrentPageName(), "GombKerdesekForm");
}

TEST_F(EnglishPageTest, EachButtonStandsBesideItsLineClearOfIt)
{
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        const QRect button = page->BitBtn(i)->geometry();
        const QRect line = WrittenBounds(page->hatter(), "gombok\\GombAngolForm.jpg",
                                         QRect(40, button.top(), button.left() - 40, button.height()));
        ASSERT_FALSE(line.isEmpty()) << "no line beside the button";
        EXPECT_LE(line.right(), button.left() - 4);
        EXPECT_GE(line.right(), button.left() - 40);
        EXPECT_TRUE(WrittenBounds(page->hatter(), "gombok\\GombAngolForm.jpg", button).isEmpty()) << "under the button";
        EXPECT_LE(button.right(), 990) << "on the board";
    }
    // Buttons whose lines end well before them keep their places.
    EXPECT_EQ(page->BitBtn(7)->pos(), QPoint(384, 464));
    EXPECT_EQ(page->BitBtn(8)->pos(), QPoint(344, 496));
}

class QuizPageTest : public ButtonsCourse {
protected:
    void SetUp() override
    {
        OpenButtonsTopic("Bence");
        GoTo(TButtonsStop::Quiz);
        page = On<TGombKerdesekForm>();
        ASSERT_NE(page, nullptr);
        sound.Clear();
    }

    TGombKerdesekForm* page = nullptr;
};

TEST_F(QuizPageTest, AnswersInAnyOrderEndWithTheTwelfth)
{
    EXPECT_EQ(page->AnswerButtons().size(), 27u);
    EXPECT_EQ(page->Row(3).size(), 3u);
    EXPECT_EQ(page->Row(3)[2]->text(), "Cancel");
    EXPECT_EQ(page->Row(5)[0]->geometry().topLeft(), QPoint(40, 403));
    for (int q = 12; q >= 2; --q)
        Click(page->Row(q)[static_cast<std::size_t>(QuizResult::RightAnswer(q))]);
    EXPECT_EQ(page->Right(), 11);
    EXPECT_EQ(CurrentPage(), page);
    Click(page->Row(1)[1]); // "No" to the first question
    EXPECT_EQ(CurrentPageName(), "Ertekeles");
    EXPECT_EQ(EvaluationText(), "Feladat: Teszt <BR>Név: Bence<BR>Teljesítmény: 12/11 <BR>Értékelés: Egy-két hiba "
                                "nem a világ, jó vagy!<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
    EXPECT_EQ(sound.PlayedNames().count("3_jo.wav"), 11);
    EXPECT_EQ(sound.PlayedNames().count("3_rossz.wav"), 1);
}

TEST_F(QuizPageTest, EachQuestionStandsAboveItsOwnAnswers)
{
    const int rowTops[] = {222, 267, 312, 357, 403, 448, 493, 538, 583, 628, 673, 718};
    const QString background = "gombok\\GombKerdesekForm.jpg";
    for (int q = 1; q <= 12; ++q) {
        SCOPED_TRACE(q);
        const int top = rowTops[q - 1];
        EXPECT_EQ(page->Row(q)[0]->y(), top);
        EXPECT_FALSE(WrittenBounds(page->hatter(), background, QRect(40, top - 22, 760, 22)).isEmpty());
        EXPECT_TRUE(WrittenBounds(page->hatter(), background, QRect(40, top, 760, 20)).isEmpty())
            << "question text under the answer row";
    }
}

TEST_F(QuizPageTest, NothingOfTheRowsReachesTheBackPicture)
{
    // The back picture at (888, 664), 104 x 61, beside the last two rows; 8 pixels kept clear.
    const QRect back(888, 664, 104, 61);
    ASSERT_EQ(page->imgToMenu()->geometry(), back);
    const QRect clear = back.adjusted(-8, -8 - 2 * 45, 8, 8);
    EXPECT_TRUE(WrittenBounds(page->hatter(), "gombok\\GombKerdesekForm.jpg", clear).isEmpty());
    for (TPushButton* button : page->AnswerButtons())
        EXPECT_FALSE(button->geometry().intersects(clear)) << button->text().toStdString();
    for (int q = 11; q <= 12; ++q) {
        Click(page->Row(q)[static_cast<std::size_t>(QuizResult::RightAnswer(q))]);
        EXPECT_FALSE(QRect(page->CheckMarkPosition(q), QSize(40, 40)).intersects(clear));
    }
    EXPECT_TRUE(WrittenBounds(page->hatter(), "gombok\\GombKerdesekForm.jpg", clear).isEmpty()) << "check marks";
}

TEST_F(QuizPageTest, RowIsAnsweredOnceAndStaysDisabledAcrossHelp)
{
    const QImage before = page->hatter()->Picture().image.copy(QRect(page->CheckMarkPosition(2), QSize(40, 40)));
    Click(page->Row(2)[1]);
    const QImage after = page->hatter()->Picture().image.copy(QRect(page->CheckMarkPosition(2), QSize(40, 40)));
    EXPECT_NE(before, after) << "check mark drawn";
    for (TPushButton* button : page->Row(2))
        EXPECT_FALSE(button->isEnabled());
    Click(page->Row(2)[0]);
    EXPECT_EQ(page->Answered(), 1);

    Click(page->imgHelp());
    EXPECT_TRUE(page->imgHelpCont()->isVisible());
    EXPECT_EQ(page->imgHelpCont()->Texts().filter("RETRY  = retri").size(), 1);
    for (TPushButton* button : page->AnswerButtons())
        EXPECT_FALSE(button->isVisible());
    // Hidden answers take no keys.
    PressKey(Qt::Key_Return);
    EXPECT_EQ(page->Answered(), 1);
    Click(page->imgHelp());
    EXPECT_FALSE(page->imgHelpCont()->isVisible());
    EXPECT_TRUE(page->Row(1)[0]->isVisible());
    for (TPushButton* button : page->Row(2))
        EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(FocusedControl(), page->Row(1)[0]);
}

class QuizRatingTest : public ButtonsCourse, public ::testing::WithParamInterface<std::pair<int, const char*>> {};

TEST_P(QuizRatingTest, RatingByWrongAnswers)
{
    OpenButtonsTopic();
    GoTo(TButtonsStop::Quiz);
    const auto [wrong, word] = GetParam();
    AnswerQuiz(wrong);
    EXPECT_TRUE(EvaluationText().contains(QString("Teljesítmény: 12/%1 <BR>Értékelés: %2<BR>")
                                              .arg(12 - wrong)
                                              .arg(QString::fromUtf8(word))))
        << EvaluationText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Wrong, QuizRatingTest,
    ::testing::Values(std::pair{0, "Hibátlan, szuper vagy!"}, std::pair{1, "Egy-két hiba nem a világ, jó vagy!"},
                      std::pair{2, "Egy-két hiba nem a világ, jó vagy!"},
                      std::pair{3, "Pár választ elrontottál, de még így is elégedett lehetsz!"},
                      std::pair{4, "Pár választ elrontottál, de még így is elégedett lehetsz!"},
                      std::pair{5, "Kicsit jobban figyelj oda!"}, std::pair{8, "Kicsit jobban figyelj oda!"},
                      std::pair{9, "Sok a hibád, szerintem szórakoztál a gombokkal!"}));

} // namespace
