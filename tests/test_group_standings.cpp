// A group's table on the model alone: results read from the winner's side,
// the columns they add to, and the order each sport's tiebreak rules give
// a three-way tie, worked out by hand from the rules' words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/group_standings.h"
#include "model/match_score.h"

namespace {

enum { A = 1, B, C, D };

GroupMatch won(int winner, int loser, const wchar_t *result, int outcome = OUTCOME_PLAYED)
{
    GroupMatch match = {};
    // Home and away alternate with the winner's letter, so both sides of
    // the record are read.
    match.home = winner < loser ? winner : loser;
    match.away = winner < loser ? loser : winner;
    match.winner = match.home == winner ? GROUP_HOME_WON : GROUP_AWAY_WON;
    match.outcome = outcome;
    lstrcpynW(match.result, result, RESULT_CAPACITY);
    return match;
}

// The order as letters, "=" before each entrant the rules left level and
// "~" before each the lots placed.
std::string order(const std::vector<GroupMatch> &matches, int rules, std::vector<int> tied = {})
{
    GroupStandings standings;
    EXPECT_EQ(1, computeStandings(4, matches.data(), (int)matches.size(), rules, tied.data(), (int)tied.size(),
                                  &standings));
    std::string text;
    for (int i = 0; i < standings.count; i++) {
        const StandingRow &row = standings.rows[i];
        text += std::string(i ? " " : "") + (row.byLot ? "~" : row.level ? "=" : "") + char('A' + row.entrant - 1);
    }
    return text;
}

TEST(GroupStandings, ResultsAreReadFromTheWinnersSide)
{
    struct Case {
        const wchar_t *text;
        int reading, gamesWon, gamesLost, pointsWon, pointsLost;
    } cases[] = {
        {L"11:7 9:11 11:5", SCORE_POINTS, 2, 1, 31, 23},
        {L"21-15, 18-21; 21-19", SCORE_POINTS, 2, 1, 60, 55},
        {L"11\x2013" L"7 11\x2013" L"9", SCORE_POINTS, 2, 0, 22, 16},
        {L"3:1", SCORE_GAMES, 3, 1, 0, 0},
        {L" 2 - 2 ", SCORE_GAMES, 2, 2, 0, 0},
        {L"", SCORE_NONE, 0, 0, 0, 0},
        {L"w/o", SCORE_UNREADABLE, 0, 0, 0, 0},
        {L"3:1:0", SCORE_UNREADABLE, 0, 0, 0, 0},
        {L"11:7 9", SCORE_UNREADABLE, 0, 0, 0, 0},
        {L"123456:0", SCORE_UNREADABLE, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        MatchScore score;
        EXPECT_EQ(c.reading, readMatchScore(c.text, &score)) << c.text;
        EXPECT_EQ(c.gamesWon, score.games[0]) << c.text;
        EXPECT_EQ(c.gamesLost, score.games[1]) << c.text;
        EXPECT_EQ(c.pointsWon, score.points[0]) << c.text;
        EXPECT_EQ(c.pointsLost, score.points[1]) << c.text;
    }
}

// Table tennis. A, B and C beat each other in a ring and D: five match
// points each (2 + 2 + 1). D lost two played matches (1 each) and one by
// walkover (0): two. Between A, B and C alone each won one match (3 match
// points) and four games to four, so the ratio of points decides:
// A 49:56, B 56:64, C 64:49. C is settled first; A and B, both 7/8, are
// compared again between themselves: A beat B. Counted over the whole
// group, B's 11:0 games against D would have put B above A.
TEST(GroupStandings, TableTennisComparesTheRestAgainOncePlaceIsSettled)
{
    std::vector<GroupMatch> matches = {
        won(A, B, L"11:4 11:4 0:11 11:4"),
        won(B, C, L"11:7 11:7 0:11 11:6"),
        won(C, A, L"11:1 11:2 0:11 11:2"),
        won(A, D, L"11:9 9:11 11:9 9:11 11:9"),
        won(B, D, L"11:0 11:0 11:0"),
        won(C, D, L"", OUTCOME_WALKOVER),
    };
    EXPECT_EQ("C A B D", order(matches, RULES_TABLE_TENNIS));

    GroupStandings standings;
    ASSERT_EQ(1, computeStandings(4, matches.data(), 6, RULES_TABLE_TENNIS, NULL, 0, &standings));
    // A: played 3, won 2, lost 1, games 3+1+3 to 1+3+2, points 49+51.
    const StandingRow &a = standings.rows[1];
    EXPECT_EQ("3 2 1 7 6 100 5", std::to_string(a.played) + " " + std::to_string(a.won) + " " +
                                     std::to_string(a.lost) + " " + std::to_string(a.gamesFor) + " " +
                                     std::to_string(a.gamesAgainst) + " " + std::to_string(a.pointsFor) + " " +
                                     std::to_string(a.matchPoints));
    EXPECT_EQ(2, standings.rows[3].matchPoints) << "the walkover earns D nothing";
    EXPECT_TRUE(standings.complete);
}

// Badminton. A, B and C won two each. Game difference over all the group's
// matches: A +3 (2:0, 1:2, 2:0), B +1 (0:2, 2:1, 2:0), C +1 (1:2, 2:1,
// 2:1): A is first. Only B and C remain, so their match decides: B beat
// C, although C's point difference (+16) is far better than B's (-16).
TEST(GroupStandings, BadmintonTurnsToTheMatchBetweenTheLastTwo)
{
    std::vector<GroupMatch> matches = {
        won(A, B, L"21:10 21:10"),
        won(B, C, L"21:19 19:21 21:19"),
        won(C, A, L"21:19 19:21 21:19"),
        won(A, D, L"21:5 21:5"),
        won(B, D, L"21:19 21:19"),
        won(C, D, L"21:5 5:21 21:5"),
    };
    EXPECT_EQ("A B C D", order(matches, RULES_BADMINTON));
}

// Football and head-to-head first on one group. A, B and C beat each other
// in a ring (A 2:1 B, B 3:0 C, C 2:0 A) and D (5:0, 2:1, 4:0): six points
// each.
// Football: difference over the group A +4, B +3, C +3; B and C both
// scored 6; the match between them, B 3:0 C, puts B above C.
// Head-to-head first: between the three, points 3 each; differences A -1,
// B +2, C -1 puts B first; A and C are level on points, difference and
// goals (2) between the three, so only their own match is taken again:
// C 2:0 A.
TEST(GroupStandings, FootballAndHeadToHeadFirstOrderOneTieDifferently)
{
    std::vector<GroupMatch> matches = {
        won(A, B, L"2:1"), won(B, C, L"3:0"), won(C, A, L"2:0"),
        won(A, D, L"5:0"), won(B, D, L"2:1"), won(C, D, L"4:0"),
    };
    EXPECT_EQ("A B C D", order(matches, RULES_FOOTBALL));
    EXPECT_EQ("B C A D", order(matches, RULES_HEAD_TO_HEAD));
}

// A ring of 1:0 wins, all three beating D 1:0, and a draw D cannot use:
// no rule separates A, B and C. The lots' order places them only when it
// names all three.
TEST(GroupStandings, EntrantsNoRuleSeparatesWaitForTheLots)
{
    std::vector<GroupMatch> matches = {
        won(A, B, L"1:0"), won(B, C, L"1:0"), won(C, A, L"1:0"),
        won(A, D, L"1:0"), won(B, D, L"1:0"), won(C, D, L"1:0"),
    };
    for (int rules = 0; rules < RULES_COUNT; rules++) {
        SCOPED_TRACE("rules " + std::to_string(rules));
        EXPECT_EQ("=A =B =C D", order(matches, rules));
        EXPECT_EQ("=A =B =C D", order(matches, rules, {C, A}));
        EXPECT_EQ("~C ~A ~B D", order(matches, rules, {D, C, A, B}));
    }
    GroupStandings standings;
    ASSERT_EQ(1, computeStandings(4, matches.data(), 6, RULES_FOOTBALL, NULL, 0, &standings));
    EXPECT_TRUE(standings.awaitingLots);
    EXPECT_EQ(1, standings.rows[2].place) << "level entrants share the place";
    EXPECT_EQ(4, standings.rows[3].place);
    const int lots[] = {B, C, A};
    ASSERT_EQ(1, computeStandings(4, matches.data(), 6, RULES_FOOTBALL, lots, 3, &standings));
    EXPECT_FALSE(standings.awaitingLots);
    EXPECT_EQ(3, standings.rows[2].place);
}

// Results that count for less than a played match: a text no rule can
// read counts for its winner alone, both sides of a double walkover lose,
// a draw counts only where the rules allow one, and the group is complete
// once every pairing is decided.
TEST(GroupStandings, UnreadableResultsDoubleWalkoversAndDraws)
{
    GroupMatch drawn = {};
    drawn.home = A;
    drawn.away = D;
    drawn.winner = GROUP_DRAWN;
    lstrcpyW(drawn.result, L"1:1");
    GroupMatch bothOut = {};
    bothOut.home = B;
    bothOut.away = C;
    bothOut.outcome = OUTCOME_DOUBLE_WALKOVER;
    std::vector<GroupMatch> matches = {won(A, B, L"three nil"), drawn, bothOut};

    GroupStandings standings;
    ASSERT_EQ(1, computeStandings(4, matches.data(), 3, RULES_FOOTBALL, NULL, 0, &standings));
    EXPECT_EQ("A D =B =C", order(matches, RULES_FOOTBALL));
    const StandingRow &a = standings.rows[0], &c = standings.rows[3];
    EXPECT_EQ(4, a.matchPoints);
    EXPECT_EQ(1, a.unreadable);
    EXPECT_EQ(1, a.gamesFor) << "only the draw's goal";
    EXPECT_EQ(C, c.entrant);
    EXPECT_EQ(1, c.lost) << "the double walkover";
    EXPECT_EQ(0, c.matchPoints);
    EXPECT_FALSE(standings.complete);

    ASSERT_EQ(1, computeStandings(4, matches.data(), 3, RULES_TABLE_TENNIS, NULL, 0, &standings));
    EXPECT_EQ(2, standings.decided) << "no draws in table tennis";
}

}  // namespace
