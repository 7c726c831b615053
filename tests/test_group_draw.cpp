// A field shared out into groups, on the model alone: how many groups a
// field makes, and who stands where by seed, by lot and as listed.
#include <gtest/gtest.h>

#include <string>

#include "model/group_draw.h"

namespace {

// Group members as "A: 1 8 9 | B: 2 7 10 ..." with entrants numbered from 1.
std::string groupsText(const GroupDraw &draw)
{
    std::string text;
    for (int g = 0; g < draw.groupCount; g++) {
        text += std::string(g ? " | " : "") + char('A' + g) + ":";
        for (int i = 0; i < draw.size[g]; i++)
            text += " " + std::to_string(draw.member[g][i] + 1);
    }
    return text;
}

// Always the last choice offered: each pot drawn into the groups in a fixed
// order that is neither the snake nor the list.
int lastChoice(UINT bound, UINT *value, void *)
{
    *value = bound - 1;
    return 1;
}

TEST(GroupDraw, HowManyGroupsAFieldMakes)
{
    struct Case {
        int entrants, size, groups;
    } cases[] = {
        {28, 7, 4},   // four groups of seven
        {30, 4, 8},   // groups no larger than four: six of 4, two of 3
        {5, 4, 1},    // two groups would leave one of two: one of five
        {4, 3, 1},    // likewise with groups of three
        {17, 8, 3},   // 6, 6, 5
        {2, 3, 0},    // too few for any group
        {9, 2, 0},    // no groups of two
        {300, 8, 0},  // more groups than letters
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.groups, groupCountForSize(c.entrants, c.size)) << c.entrants << " in groups of " << c.size;
    EXPECT_TRUE(groupsFit(24, 3));
    EXPECT_FALSE(groupsFit(25, 3)) << "a group of nine";
    EXPECT_FALSE(groupsFit(11, 4)) << "a group of two";
}

// Fourteen entrants in four groups: the snake leaves its short last pot to
// D and C; listed, A and B take one more.
TEST(GroupDraw, SnakeDrawAndListedPlacesAreExact)
{
    GroupDraw draw;
    ASSERT_EQ(1, drawGroups(14, 4, PLACE_SEEDED, NULL, NULL, &draw));
    EXPECT_EQ("A: 1 8 9 | B: 2 7 10 | C: 3 6 11 14 | D: 4 5 12 13", groupsText(draw));
    ASSERT_EQ(1, drawGroups(14, 4, PLACE_AS_LISTED, NULL, NULL, &draw));
    EXPECT_EQ("A: 1 2 3 4 | B: 5 6 7 8 | C: 9 10 11 | D: 12 13 14", groupsText(draw));
    EXPECT_EQ(0, drawGroups(14, 5, PLACE_SEEDED, NULL, NULL, &draw)) << "groups of two and three";
}

TEST(GroupDraw, ARandomDrawPutsOneOfEachPotInEachGroup)
{
    GroupDraw draw;
    for (int entrants = 12; entrants <= 32; entrants++) {
        ASSERT_EQ(1, drawGroups(entrants, 4, PLACE_RANDOM, lastChoice, NULL, &draw));
        for (int g = 0; g < 4; g++) {
            ASSERT_TRUE(draw.size[g] == entrants / 4 || draw.size[g] == entrants / 4 + 1);
            for (int i = 0; i < draw.size[g]; i++)
                ASSERT_EQ(i, draw.member[g][i] / 4) << "group " << g << " holds pot " << i << " at " << i;
        }
    }
    ASSERT_EQ(1, drawGroups(16, 4, PLACE_RANDOM, lastChoice, NULL, &draw));
    EXPECT_NE("A: 1 8 9 16 | B: 2 7 10 15 | C: 3 6 11 14 | D: 4 5 12 13", groupsText(draw));
}

}  // namespace
