// Schedule matches on the groups' day: whatever is asked for (one group's
// round, every group's round, every match ready), nobody is given two
// matches at once, and where the courts leave a match of rested entrants
// for every court, nobody plays twice in a row.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "model/group_event.h"
#include "model/group_schedule.h"
#include "model/group_stage.h"
#include "model/match_outcome.h"
#include "model/seeding.h"
#include "support/bracket_file_fixture.h"
#include "ui/schedule/order_of_play.h"

namespace {

struct Timed {
    std::wstring first, second, time;
};

long long minutesOf(const std::wstring &time)
{
    SYSTEMTIME parsed;
    FILETIME file;
    EXPECT_EQ(1, parseMatchTime(time.c_str(), &parsed)) << time.size();
    SystemTimeToFileTime(&parsed, &file);
    return (((long long)file.dwHighDateTime << 32) | file.dwLowDateTime) / 600000000;
}

struct GroupSchedule : BracketFileTest {
    void buildEvent(int entrants, int groups)
    {
        std::wstring list;
        for (int k = 1; k <= entrants; k++)
            list += L"P" + std::to_wstring(k) + L"\n";
        resetBracket(&bracket);
        GroupEventFormat format = {groups, 0, 2, RULES_FOOTBALL, PLACE_SEEDED};
        ASSERT_EQ(1, buildGroupEventFromList(&bracket, list.c_str(), &format, cryptoRandomBelow, NULL));
    }

    int schedule(int round, const WCHAR *start, const WCHAR *courts)
    {
        ScheduleRequest request = {round, L"", 30, courts, 0};
        lstrcpyW(request.start, start);
        return scheduleEventMatches(&bracket, &request);
    }

    std::vector<Timed> timedGroupMatches(int *open)
    {
        std::vector<Timed> timed;
        *open = 0;
        for (int g = 0; g < bracket.groups.groupCount; g++) {
            StageGroup *group = stageGroup(&bracket, g);
            for (int m = 0; m < group->matchCount; m++) {
                const WCHAR *home, *away;
                groupMatchNames(group, m, &home, &away);
                const WCHAR *time = group->match[m].details.time;
                if (time[0])
                    timed.push_back({home, away, time});
                else
                    ++*open;
            }
        }
        return timed;
    }
};

// Each row asks for some rounds in turn (all at 10:00, so later requests
// must work around the earlier ones) and says whether rest between
// matches is within the courts' reach: a group of three on one court plays
// someone twice in a row whatever the order, and eight courts for sixteen
// entrants leave nobody to rest.
TEST_F(GroupSchedule, NobodyPlaysTwiceAtOnceNorTwiceInARowWhereTheCourtsAllow)
{
    struct Row {
        int entrants, groups;
        const WCHAR *courts;
        std::vector<int> requests;
        int expected;  // matches scheduled over all requests
        bool rested;
    } rows[] = {
        {16, 4, L"1, 2, 3, 4", {SCHEDULE_READY_MATCHES}, 24, true},
        {16, 4, L"1,2", {scheduleGroupRound(-1, 1), scheduleGroupRound(-1, 2), scheduleGroupRound(-1, 3)}, 24, true},
        {16, 4, L"1,2,3,4", {scheduleGroupRound(-1, 2), scheduleGroupRound(-1, 1), scheduleGroupRound(-1, 3)}, 24, true},
        {16, 4, L"1,2,3,4,5,6,7,8", {SCHEDULE_READY_MATCHES}, 24, false},
        {3, 1, L"Centre", {SCHEDULE_READY_MATCHES}, 3, false},
        {5, 1, L"", {scheduleGroupRound(0, 2), scheduleGroupRound(0, 1)}, 4, true},
        {25, 5, L"A, B, C", {SCHEDULE_READY_MATCHES}, 50, true},
        {14, 2, L"1,2", {scheduleGroupRound(1, 1), scheduleGroupRound(-1, 1)}, 6, true},
        {24, 3, L"1,2,3,4", {SCHEDULE_READY_MATCHES}, 84, true},
    };
    for (const Row &row : rows) {
        buildEvent(row.entrants, row.groups);
        int scheduled = 0;
        for (int request : row.requests)
            scheduled += schedule(request, L"2026-12-08T10:00", row.courts);
        SCOPED_TRACE(testing::Message() << row.entrants << " entrants in " << row.groups << " groups, courts "
                                        << utf8(row.courts));
        EXPECT_EQ(row.expected, scheduled);
        int open = 0;
        std::vector<Timed> timed = timedGroupMatches(&open);
        EXPECT_EQ(row.expected, (int)timed.size());
        for (size_t i = 0; i < timed.size(); i++) {
            for (size_t j = i + 1; j < timed.size(); j++) {
                const Timed &a = timed[i], &b = timed[j];
                if (a.first != b.first && a.first != b.second && a.second != b.first && a.second != b.second)
                    continue;
                long long gap = minutesOf(a.time) - minutesOf(b.time);
                gap = gap < 0 ? -gap : gap;
                EXPECT_GE(gap, 30) << utf8(a.first + L"-" + a.second + L" and " + b.first + L"-" + b.second +
                                           L" at " + a.time);
                if (row.rested) {
                    EXPECT_GE(gap, 60) << utf8(a.first + L"-" + a.second + L" then " + b.first + L"-" + b.second +
                                               L" at " + a.time + L", " + b.time);
                }
            }
        }
    }
}

// The order of play holds every group match of a fresh event, more than
// a knockout of that field ever has open at once, in the order scheduled.
TEST_F(GroupSchedule, TheOrderOfPlayListsEveryGroupMatchInTimeOrder)
{
    buildEvent(160, 20);
    ASSERT_EQ(4, schedule(scheduleGroupRound(0, 1), L"2026-12-08T09:00", L"1,2,3"));
    std::vector<OrderEntry> entries(ORDER_CAPACITY);
    int count = collectOrderOfPlay(&bracket, entries.data());
    ASSERT_EQ(20 * 28, count);
    for (int i = 1; i < 4; i++)
        EXPECT_LE(lstrcmpW(entries[i - 1].node->details.time, entries[i].node->details.time), 0) << i;
    EXPECT_EQ(0, entries[4].node->details.time[0]) << "unscheduled matches come last";
}

}  // namespace
