#include "shell/Board.h"
#include "shell/HashMap.h"
#include "shell/Integer.h"
#include "shell/String.h"
#include "platform/CourseError.h"

#include <gtest/gtest.h>

namespace {

QString TextOf(const TBoardValue* value)
{
    auto text = dynamic_cast<const TString*>(value);
    return text ? text->GetText() : QStringLiteral("<none>");
}

TEST(HashMap, PutReplacesInPlaceAndRemoveLeavesNothing)
{
    THashMap board;
    board.Put("A", std::make_unique<TString>("1"));
    board.Put("B", std::make_unique<TString>("2"));
    board.Put("A", std::make_unique<TString>("3"));

    ASSERT_EQ(board.Count(), 2);
    EXPECT_EQ(board.At(0).Key(), "A"); // keeps its place
    EXPECT_EQ(TextOf(board.Get("A")), "3");

    board.Remove("A");
    EXPECT_EQ(board.Get("A"), nullptr);
    EXPECT_EQ(board.IndexOfKey("A"), -1);
    EXPECT_EQ(board.IndexOfKey("B"), 0);
    board.Remove("missing"); // no effect
    EXPECT_EQ(board.Count(), 1);
}

TEST(HashMap, KeysAreCaseSensitive)
{
    THashMap board;
    board.Put("EXIT", std::make_unique<TString>("EXIT"));
    EXPECT_EQ(board.Get("Exit"), nullptr);
    EXPECT_EQ(board.IndexOfKey("exit"), -1);
    EXPECT_NE(board.Get("EXIT"), nullptr);
}

TEST(HashMap, HoldsNumbersAndTexts)
{
    THashMap board;
    board.Put("ROUND", std::make_unique<TInteger>(-7));
    auto number = dynamic_cast<const TInteger*>(board.Get("ROUND"));
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->GetNumber(), -7);
}

} // namespace
