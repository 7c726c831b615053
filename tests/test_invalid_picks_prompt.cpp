// The invalid-picks question: a real message box, answered by clicking.
#include <gtest/gtest.h>

#include "support/dialog_answer.h"
#include "ui/document/invalid_picks_prompt.h"

namespace {

TEST(InvalidPicksPromptTest, ReturnsTheButtonClickedInAYesNoBoxOwnedByTheWindow)
{
    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    HWND owner = CreateWindowExW(0, L"Static", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL, NULL,
                                 NULL);
    ASSERT_NE(nullptr, owner);
    for (int button : {IDYES, IDNO}) {
        ScopedDialogAnswer answer(button);
        EXPECT_EQ(button, askClearInvalidPicks(owner, bracket.resourceModule));
        EXPECT_EQ(1, answer.answer.count);
        EXPECT_EQ(button, answer.answer.clicked);
        EXPECT_EQ(owner, answer.answer.owner);
        EXPECT_STREQ(L"Duelmark", answer.answer.caption);
        EXPECT_STREQ(L"發現有些不合法的選擇。您是否要清除這些不合法的選擇?", answer.answer.text);
        EXPECT_TRUE(answer.answer.hasYes && answer.answer.hasNo && !answer.answer.hasCancel && !answer.answer.hasOk)
            << "Yes and No are the only answers";
    }
    DestroyWindow(owner);
}

} // namespace
