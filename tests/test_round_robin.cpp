// Who meets whom inside a group: the Berger tables for 3 to 8 entrants,
// on the model alone.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "model/round_robin.h"

namespace {

// A group's table as "home-away ... | next round", the bye left out.
std::string tableText(int entrants)
{
    std::string text;
    for (int round = 1; round <= roundRobinRounds(entrants); round++) {
        Pairing pairings[MAX_ROUND_PAIRINGS];
        int count = roundRobinRound(entrants, round, pairings);
        if (round > 1)
            text += " | ";
        for (int i = 0; i < count; i++)
            text += (i ? " " : "") + std::to_string(pairings[i].home) + "-" + std::to_string(pairings[i].away);
    }
    return text;
}

// As the published tables print them: the highest number on the first
// board, at home in even rounds; five entrants play the table of six with
// 6 as the bye.
TEST(RoundRobin, TablesForFourFiveAndSixAreThePublishedOnes)
{
    EXPECT_EQ("1-4 2-3 | 4-3 1-2 | 2-4 3-1", tableText(4));
    EXPECT_EQ("2-5 3-4 | 5-3 1-2 | 3-1 4-5 | 1-4 2-3 | 4-2 5-1", tableText(5));
    EXPECT_EQ("1-6 2-5 3-4 | 6-4 5-3 1-2 | 2-6 3-1 4-5 | 6-5 1-4 2-3 | 3-6 4-2 5-1", tableText(6));
    const int sitsOut[] = {1, 4, 2, 5, 3};
    for (int round = 1; round <= 5; round++)
        EXPECT_EQ(sitsOut[round - 1], roundRobinSitsOut(5, round)) << "round " << round;
}

TEST(RoundRobin, EveryPairMeetsOnceAndNobodyTwiceInARound)
{
    for (int n = MIN_GROUP_SIZE; n <= MAX_GROUP_SIZE; n++) {
        SCOPED_TRACE("entrants " + std::to_string(n));
        int rounds = roundRobinRounds(n);
        ASSERT_EQ(n % 2 ? n : n - 1, rounds);
        std::set<std::pair<int, int>> met;
        int byes[MAX_GROUP_SIZE + 1] = {};
        Pairing all[MAX_GROUP_MATCHES];
        int total = roundRobinMatches(n, all);
        ASSERT_EQ(n * (n - 1) / 2, total);
        int match = 0;
        for (int round = 1; round <= rounds; round++) {
            Pairing pairings[MAX_ROUND_PAIRINGS];
            int count = roundRobinRound(n, round, pairings);
            std::set<int> playing;
            for (int i = 0; i < count; i++, match++) {
                const Pairing &p = pairings[i];
                ASSERT_TRUE(p.home >= 1 && p.home <= n && p.away >= 1 && p.away <= n && p.home != p.away);
                ASSERT_TRUE(playing.insert(p.home).second && playing.insert(p.away).second)
                    << "someone plays twice in round " << round;
                ASSERT_TRUE(met.insert({std::min(p.home, p.away), std::max(p.home, p.away)}).second)
                    << p.home << "-" << p.away << " meet again in round " << round;
                // The table order is the rounds' order, and every pairing is
                // found where it stands, asked either way round.
                ASSERT_EQ(p.home, all[match].home);
                ASSERT_EQ(p.away, all[match].away);
                PairingPlace place;
                ASSERT_EQ(1, findPairing(n, p.away, p.home, &place));
                EXPECT_EQ(round, place.round);
                EXPECT_EQ(i, place.board);
                EXPECT_EQ(match, place.match);
                EXPECT_EQ(0, place.home);
            }
            int out = roundRobinSitsOut(n, round);
            ASSERT_EQ(n - (out != 0), (int)playing.size()) << "round " << round;
            if (out) {
                ASSERT_EQ(0u, playing.count(out));
                byes[out]++;
            }
        }
        ASSERT_EQ(total, match);
        for (int e = 1; e <= n; e++)
            EXPECT_EQ(n % 2, byes[e]) << "byes of entrant " << e;
    }
}

}  // namespace
