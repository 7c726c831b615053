// The live page of an event with groups: each group's standings stand on
// the page as a table of their own, every entrant's name as text in it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "model/group_stage.h"
#include "support/bracket_file_fixture.h"
#include "ui/publish/live_page_content.h"

namespace {

struct LivePageGroups : BracketFileTest {};

TEST_F(LivePageGroups, EachGroupsEntrantsStandInTheirOwnTableAsText)
{
    static const WCHAR *const NAMES[8] = {L"Ann", L"Bea", L"Cal", L"Dov", L"Eli", L"Fay & Co", L"Gil", L"H\u00fc <b>"};
    static const char *const CELLS[8] = {"Ann", "Bea", "Cal", "Dov", "Eli", "Fay &amp; Co", "Gil", "H\xc3\xbc &lt;b&gt;"};
    const int sizes[2] = {4, 4};
    build(4, L"Harbour Open");
    ASSERT_EQ(1, prepareGroupStage(&bracket, 2, sizes, RULES_TABLE_TENNIS, 2));
    for (int i = 0; i < 8; i++)
        lstrcpyW(stageGroup(&bracket, i / 4)->entrant[i % 4], NAMES[i]);
    ASSERT_EQ(1, writeLivePage(&bracket, folder.c_str()));
    std::string page = readFileBytes(pathOf(L"index.html"));
    size_t groups = page.find("<div class=\"groups\">");
    ASSERT_NE(std::string::npos, groups) << "no standings on the page";
    std::string standings = page.substr(groups);
    size_t second = standings.find("<section>", standings.find("<section>") + 1);
    ASSERT_NE(std::string::npos, second) << "the two groups share one table";
    for (int i = 0; i < 8; i++) {
        std::string cell = std::string("<td>") + CELLS[i] + "</td>";
        size_t found = standings.find(cell);
        ASSERT_NE(std::string::npos, found) << "entrant " << i << " missing: " << cell;
        EXPECT_EQ(i < 4, found < second) << "entrant " << i << " in the wrong group's table";
    }
}

} // namespace
