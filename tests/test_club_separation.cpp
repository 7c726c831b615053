// Club-mates kept apart in the draw, on the model alone: over many random
// fields no two club-mates stand where they can meet before the rule
// allows unless the draw names them, seeds keep their lines, byes their
// places; and the group snake keeps club-mates in different groups.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/club_separation.h"
#include "model/group_event.h"
#include "model/group_standings.h"
#include "model/heap.h"
#include "model/seeding.h"
#include "ui/editing/club_clash_message.h"

namespace {

int fromEngine(UINT bound, UINT *value, void *context)
{
    *value = std::uniform_int_distribution<UINT>(0, bound - 1)(*(std::mt19937 *)context);
    return 1;
}

int failing(UINT, UINT *, void *)
{
    return 0;
}

std::vector<Entrant> randomField(std::mt19937 &engine, int count, int clubs, int seeds)
{
    std::vector<Entrant> field(count);
    std::vector<int> seedNumbers;
    for (int s = 1; s <= seeds; s++)
        seedNumbers.push_back(s * 2 - (int)(engine() % 2));  // gaps in the numbers
    std::shuffle(seedNumbers.begin(), seedNumbers.end(), engine);
    for (int i = 0; i < count; i++) {
        Entrant &e = field[i];
        e = Entrant();
        wsprintfW(e.name, L"P%d", i);
        if (engine() % 8)  // now and then an entrant of no club
            wsprintfW(e.club, engine() % 2 ? L"Club %d" : L"CLUB %d", (int)(engine() % clubs));
        e.rated = engine() % 4 != 0;
        e.rating = e.rated ? (int)(engine() % 50) : 0;  // ties on rating
        e.seed = i < seeds ? seedNumbers[i] : 0;
    }
    std::shuffle(field.begin(), field.end(), engine);
    return field;
}

// The club-mates ranked above b, by seed, then rating, then list order.
bool ranksAbove(const std::vector<Entrant> &field, int a, int b)
{
    auto key = [&](int i) {
        return std::make_tuple(field[i].seed ? field[i].seed : 1000, !field[i].rated, -field[i].rating, i);
    };
    return key(a) < key(b);
}

// Clubs as numbers (-1 for none), read independently of the draw:
// "Club 3" and "CLUB 3" are one club.
std::vector<int> clubNumbers(const std::vector<Entrant> &field)
{
    std::vector<int> club;
    for (const Entrant &e : field)
        club.push_back(e.club[0] ? _wtoi(e.club + 5) : -1);
    return club;
}

// Every club-mate ranked j (from 0) who can meet one ranked above it before
// round depth - floor(log2 j) is named by the draw with that round or an
// earlier one, and every name the draw gives is such a club-mate.
void expectRuleKeptOrNamed(const std::vector<Entrant> &field, const SeparatedDraw &draw, const std::string &what)
{
    int depth = 0;
    while ((1 << depth) < draw.slotCount)
        depth++;
    std::vector<int> slotOf(field.size(), -1);
    for (int s = 0; s < draw.slotCount; s++) {
        if (draw.entrantOfSlot[s] >= 0)
            slotOf[draw.entrantOfSlot[s]] = s;
    }
    std::vector<int> club = clubNumbers(field);
    auto mates = [&](size_t a, size_t b) { return club[a] >= 0 && club[a] == club[b]; };
    std::vector<int> named(field.size(), 0);
    for (int c = 0; c < draw.clashCount; c++) {
        const SeparationClash &clash = draw.clash[c];
        named[clash.entrant] = clash.round;
        EXPECT_TRUE(mates(clash.entrant, clash.mate)) << what;
        EXPECT_LT(clash.round, clash.allowedRound) << what;
    }
    for (size_t b = 0; b < field.size(); b++) {
        int rank = 0;
        for (size_t a = 0; a < field.size(); a++)
            rank += a != b && mates(a, b) && ranksAbove(field, (int)a, (int)b);
        int floorLog = 0;
        while ((2 << floorLog) <= rank)
            floorLog++;
        int allowed = std::max(1, depth - floorLog);
        for (size_t a = 0; a < field.size(); a++) {
            if (a == b || !mates(a, b) || !ranksAbove(field, (int)a, (int)b))
                continue;
            int x = slotOf[a] ^ slotOf[b], round = 0;
            while (x >> round)
                round++;
            if (round < allowed) {
                EXPECT_TRUE(named[b] && named[b] <= round)
                    << what << ": entrants " << a << " and " << b << " meet in round " << round
                    << ", the rule allows " << allowed;
            }
        }
    }
}

TEST(ClubSeparation, RandomFieldsKeepClubMatesApartOrNameThem)
{
    std::mt19937 engine(20261208);
    int clashFree = 0, draws = 0;
    for (int trial = 0; trial < 120; trial++) {
        int count = 2 + (int)(engine() % 255);
        if (trial < 4)
            count = trial % 2 ? MAX_TEAM_COUNT : 2;
        int clubs = 1 + (int)(engine() % 20);
        int seeds = (int)(engine() % std::min(count + 1, 33));
        std::vector<Entrant> field = randomField(engine, count, clubs, seeds);
        int slotCount = 2;
        while (slotCount < count)
            slotCount *= 2;
        int seedOfSlot[MAX_TEAM_COUNT];
        seedPlacement(slotCount, seedOfSlot);
        std::string what = std::to_string(count) + " entrants of " + std::to_string(clubs) + " clubs, " +
                           std::to_string(seeds) + " seeds";

        for (int seeded = 0; seeded < 2; seeded++) {
            SeparatedDraw draw;
            ASSERT_TRUE((seeded ? drawSeededField : drawRandomField)(field.data(), count, slotCount, fromEngine,
                                                                     &engine, &draw));
            std::vector<int> times(count, 0);
            for (int s = 0; s < slotCount; s++) {
                int e = draw.entrantOfSlot[s];
                EXPECT_EQ(seedOfSlot[s] > count, e < 0) << what << ": byes stand where seeds above the field would";
                if (e >= 0)
                    times[e]++;
            }
            EXPECT_EQ(std::vector<int>(count, 1), times) << what << ": each entrant once";
            if (seeded) {
                std::vector<int> seededInOrder;
                for (int i = 0; i < count; i++) {
                    if (field[i].seed)
                        seededInOrder.push_back(i);
                }
                std::sort(seededInOrder.begin(), seededInOrder.end(),
                          [&](int a, int b) { return field[a].seed < field[b].seed; });
                for (int s = 0; s < slotCount; s++) {
                    if (seedOfSlot[s] <= (int)seededInOrder.size()) {
                        EXPECT_EQ(seededInOrder[seedOfSlot[s] - 1], draw.entrantOfSlot[s]) << what << ": seed lines";
                    }
                }
            }
            expectRuleKeptOrNamed(field, draw, what + (seeded ? ", seeded" : ", random"));
            int largest = 0;
            std::vector<int> club = clubNumbers(field);
            for (int c : club)
                largest = std::max(largest, c < 0 ? 0 : (int)std::count(club.begin(), club.end(), c));
            bool roomy = largest * 2 <= count;

            // Draw teams on that draw: byes stay, the same entrants drawn again.
            SeparatedDraw again;
            ASSERT_TRUE(redrawFirstRound(field.data(), count, draw.entrantOfSlot, slotCount, fromEngine, &engine,
                                         &again));
            for (int s = 0; s < slotCount; s++)
                EXPECT_EQ(draw.entrantOfSlot[s] < 0, again.entrantOfSlot[s] < 0) << what << ": bye kept";
            expectRuleKeptOrNamed(field, again, what + ", drawn again");
            if (roomy) {
                clashFree += (seeded ? 0 : draw.clashCount == 0) + (again.clashCount == 0);
                draws += 1 + !seeded;
            }
        }
    }
    // Without seeds fixed, a field where no club holds more than half has a
    // draw that keeps the rule whole; naming clashes there would pass the
    // property without keeping the rule.
    EXPECT_EQ(draws, clashFree) << clashFree << " of " << draws << " draws kept the rule whole";

    SeparatedDraw untouched = {};
    std::vector<Entrant> pair = randomField(engine, 2, 1, 0);
    EXPECT_FALSE(drawRandomField(pair.data(), 2, 2, failing, NULL, &untouched));
    EXPECT_EQ(0, untouched.slotCount);
}

// Clubs given by letter, best first: the snake as drawGroups makes it unless
// a club-mate already stands in the group; where every group of a pot holds
// one, the clash is counted.
TEST(ClubSeparation, GroupSnakeKeepsClubMatesInDifferentGroups)
{
    struct Case {
        const char *clubs;
        int groups;
        const char *expected;
        int clashes;
    } cases[] = {
        // The snake: A: 1 4 5 8 | B: 2 3 6 7.
        {"--------", 2, "A: 1 4 5 8 | B: 2 3 6 7", 0},
        {"ab-a----", 2, "A: 1 3 5 8 | B: 2 4 6 7", 0},
        {"aab-b-a-", 2, "A: 1 4 5 8 | B: 2 3 6 7", 1},  // three of a in two groups
        {"aaaaaaaa", 2, "A: 1 4 5 8 | B: 2 3 6 7", 12},
        // Nine in three: the second pot's 5 would join 2 of its club in B,
        // so the pot turns round; the last pot fits around it.
        {"abcabc-ab", 3, "A: 1 6 9 | B: 2 4 7 | C: 3 5 8", 0},
    };
    for (const Case &c : cases) {
        std::vector<Entrant> field(strlen(c.clubs));
        for (size_t i = 0; i < field.size(); i++) {
            field[i] = Entrant();
            if (c.clubs[i] != '-')
                field[i].club[0] = c.clubs[i];
        }
        GroupDraw draw;
        int clashes = -1;
        ASSERT_TRUE(drawGroupsApart(field.data(), (int)field.size(), c.groups, &draw, &clashes)) << c.clubs;
        std::string text;
        for (int g = 0; g < draw.groupCount; g++) {
            text += std::string(g ? " | " : "") + char('A' + g) + ":";
            for (int i = 0; i < draw.size[g]; i++)
                text += " " + std::to_string(draw.member[g][i] + 1);
        }
        EXPECT_EQ(c.expected, text) << c.clubs;
        EXPECT_EQ(c.clashes, clashes) << c.clubs;
    }
}

}  // namespace

namespace {

// The pots' draw and the event New from list builds: whatever the lots,
// each pot fills distinct groups of the sizes drawGroups gives, club-mates
// share a group only as often as the pots force, and the message names
// exactly the pairs that share one.
TEST(ClubSeparation, DrawnPotsKeepClubMatesApartAndTheEventNamesWhoShares)
{
    struct Case {
        const char *clubs;
        int groups;
        int clashes;  // pairs the pots force into one group
    } cases[] = {
        {"--------", 2, 0},
        {"abab----", 2, 0},
        {"aab-b-a-", 2, 1},
        {"aaaaaaaa", 2, 12},
        {"abcabc-ab", 3, 0},
        {"aaaabbbbcccc", 3, 3},  // four of a club in three groups, twice over
        {"abcdefabcdef", 4, 0},
    };
    std::mt19937 engine(11);
    for (const Case &c : cases) {
        int count = (int)strlen(c.clubs);
        std::vector<Entrant> field(count);
        for (int i = 0; i < count; i++) {
            field[i] = Entrant();
            wsprintfW(field[i].name, L"P%d", i + 1);
            if (c.clubs[i] != '-')
                field[i].club[0] = c.clubs[i];
        }
        GroupDraw sizes;
        ASSERT_TRUE(drawGroups(count, c.groups, PLACE_SEEDED, NULL, NULL, &sizes));
        std::set<std::string> seen;
        for (int round = 0; round < 20; round++) {
            GroupDraw draw;
            int clashes = -1;
            ASSERT_TRUE(drawRandomGroupsApart(field.data(), count, c.groups, fromEngine, &engine, &draw, &clashes));
            EXPECT_EQ(c.clashes, clashes) << c.clubs;
            std::string text;
            for (int g = 0; g < c.groups; g++) {
                EXPECT_EQ(sizes.size[g], draw.size[g]) << c.clubs;
                for (int i = 0; i < draw.size[g]; i++) {
                    EXPECT_EQ(i, draw.member[g][i] / c.groups) << c.clubs << ": one of each pot, in pot order";
                    text += std::to_string(draw.member[g][i]) + " ";
                }
                text += "|";
            }
            seen.insert(text);
        }
        if (c.clashes == 0) {
            EXPECT_GT(seen.size(), 1u) << c.clubs << ": the lots still choose";
        }

        // The seeded event, and the message naming each pair in one group.
        Bracket bracket;
        initBracket(&bracket, GetModuleHandleW(NULL));
        GroupEventFormat format = {c.groups, 0, 1, RULES_FOOTBALL, PLACE_SEEDED};
        ASSERT_TRUE(buildGroupEventFromField(&bracket, field.data(), count, &format, fromEngine, &engine));
        for (const Entrant &e : field)
            ASSERT_TRUE(addEntrant(&bracket.entrants, &e));
        GroupDraw snake;
        int snakeClashes = 0;
        ASSERT_TRUE(drawGroupsApart(field.data(), count, c.groups, &snake, &snakeClashes));
        EXPECT_EQ(c.clashes, snakeClashes) << c.clubs;
        WCHAR *message = groupClubClashText(&bracket);
        // One line per pair after the heading, in either language.
        std::wstring text = message ? message : L"";
        size_t list = text.rfind(L"\n\n");
        int named = list == std::wstring::npos ? 0 : 1 + (int)std::count(text.begin() + list + 2, text.end(), L'\n');
        EXPECT_EQ(std::min(c.clashes, 12), named) << c.clubs;
        freeBlock(message);
        freeEntrantList(&bracket.entrants);
        resetBracket(&bracket);
    }
}

}  // namespace
