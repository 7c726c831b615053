// The knockout filled from the groups, on the model alone: for every count
// of groups and of entrants through from each, who stands in which base
// slot, where the byes go and how late two of one group can meet.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "model/group_knockout.h"

namespace {

std::string seatText(const KnockoutSeat &seat)
{
    return seat.group < 0 ? std::string("bye") : std::to_string(seat.place) + char('A' + seat.group);
}

std::string firstRound(const GroupKnockout &knockout)
{
    std::string text;
    for (int slot = 0; slot < knockout.slotCount; slot++)
        text += (slot ? " " : "") + seatText(knockout.seat[slot]);
    return text;
}

// The round (1 = first) in which the entrants of two base slots can meet:
// the size of the smallest section of the draw holding both.
int meetingRound(int slot, int otherSlot)
{
    int round = 0;
    for (int apart = slot ^ otherSlot; apart; apart >>= 1)
        round++;
    return round;
}

TEST(GroupKnockout, TwoThroughFromEachOfTwoToTheKGroupsCrossOver)
{
    GroupKnockout knockout;
    ASSERT_EQ(1, placeGroupKnockout(2, 2, &knockout));
    EXPECT_EQ("1A 2B 1B 2A", firstRound(knockout));
    ASSERT_EQ(1, placeGroupKnockout(8, 2, &knockout));
    EXPECT_EQ("1A 2B 1C 2D 1E 2F 1G 2H 1B 2A 1D 2C 1F 2E 1H 2G", firstRound(knockout));
}

// Every count of groups and of entrants through: each entrant once, the
// byes against the best (winners A, B, ..., then runners-up A, B, ...),
// a group's winner and runner-up apart until the final, and with three or
// four through none of one group before the semi-finals.
TEST(GroupKnockout, NoTwoOfOneGroupMeetBeforeTheRuleAllows)
{
    for (int groups = 1; groups <= MAX_GROUP_COUNT; groups++) {
        for (int through = 1; through <= MAX_GROUP_ADVANCING; through++) {
            if (groups * through < 2)
                continue;
            SCOPED_TRACE(std::to_string(groups) + " groups, " + std::to_string(through) + " through");
            GroupKnockout knockout;
            ASSERT_EQ(1, placeGroupKnockout(groups, through, &knockout));
            int slots = knockout.slotCount, rounds = meetingRound(0, slots - 1);
            ASSERT_TRUE(slots >= groups * through && slots / 2 < std::max(2, groups * through) && slots >= 2);
            int slotOf[MAX_GROUP_COUNT][MAX_GROUP_ADVANCING + 1];
            std::set<std::pair<int, int>> seen, facingByes;
            for (int slot = 0; slot < slots; slot++) {
                const KnockoutSeat &seat = knockout.seat[slot], &opponent = knockout.seat[slot ^ 1];
                if (seat.group < 0) {
                    ASSERT_GE(opponent.group, 0) << "bye against bye at slot " << slot;
                    facingByes.insert({opponent.place, opponent.group});
                    continue;
                }
                ASSERT_TRUE(seat.group < groups && seat.place >= 1 && seat.place <= through);
                ASSERT_TRUE(seen.insert({seat.place, seat.group}).second) << seatText(seat) << " twice";
                slotOf[seat.group][seat.place] = slot;
            }
            ASSERT_EQ(groups * through, (int)seen.size());
            // The best winners (A first) take the byes; byes beyond the
            // winners go to runners-up, and so on down the places.
            int byes = slots - groups * through;
            for (auto byed : facingByes) {
                int better = (byed.first - 1) * groups;
                ASSERT_LT(better, byes) << "a bye for place " << byed.first << " before every better place had one";
                if (byes < groups) {
                    ASSERT_LT(byed.second, byes) << "a bye passed over a better winner";
                }
            }
            for (int g = 0; g < groups; g++) {
                if (through >= 2) {
                    EXPECT_EQ(rounds, meetingRound(slotOf[g][1], slotOf[g][2])) << "winner and runner-up of " << g;
                }
                for (int p = 1; through >= 3 && p <= through; p++) {
                    for (int q = p + 1; q <= through; q++)
                        EXPECT_GE(meetingRound(slotOf[g][p], slotOf[g][q]), rounds - 1)
                            << "places " << p << " and " << q << " of group " << g;
                }
            }
        }
    }
}

}  // namespace
