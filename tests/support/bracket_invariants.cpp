#include "support/bracket_invariants.h"

#include "model/group_stage.h"
#include "model/match_fields.h"

::testing::AssertionResult bracketIsConsistent(Bracket *b, bool withControls)
{
    int n = b->slotCount;
    if (n < 1 || n > MAX_TEAM_COUNT || (n & (n - 1)))
        return ::testing::AssertionFailure() << "slot count " << n << " is not a power of two up to 256";
    if ((1 << b->depth) != n)
        return ::testing::AssertionFailure() << "depth " << b->depth << " does not match " << n << " slots";
    if (!b->nodeTable)
        return ::testing::AssertionFailure() << "no node table";
    UINT id = 1;
    for (int k = b->depth; k >= 0; k--) {
        BracketNode *node = leftmostAtLevel(b, k);
        for (int j = 0; j < (1 << k); j++, id++, node = nextInLevel(node)) {
            if (!node)
                return ::testing::AssertionFailure() << "level " << k << " ends at slot " << j;
            if (node->id != id || b->nodeTable[id - 1] != node)
                return ::testing::AssertionFailure() << "slot " << id << " is misnumbered or missing from the table";
            bool base = k == b->depth;
            if (base != (node->left == NULL) || base != (node->right == NULL))
                return ::testing::AssertionFailure() << "slot " << id << " has the wrong children";
            if (!base && (node->left->parent != node || node->right->parent != node))
                return ::testing::AssertionFailure() << "children of slot " << id << " point elsewhere";
            if (lstrlenW(node->name) >= NAME_CAPACITY)
                return ::testing::AssertionFailure() << "name of slot " << id << " overflows";
            if (withControls) {
                if (!IsWindow(node->control))
                    return ::testing::AssertionFailure() << "slot " << id << " has no live control";
                if ((BracketNode *)GetWindowLongPtrW(node->control, GWLP_USERDATA) != node)
                    return ::testing::AssertionFailure() << "control of slot " << id << " is not bound to it";
            }
        }
        if (node)
            return ::testing::AssertionFailure() << "level " << k << " is too long";
    }
    if (lstrlenW(b->title) >= TITLE_CAPACITY)
        return ::testing::AssertionFailure() << "title overflows";
    return ::testing::AssertionSuccess();
}

static std::wstring windowText(HWND window)
{
    WCHAR text[600] = L"";
    GetWindowTextW(window, text, 600);
    return text;
}

static void addMatch(std::wstring &text, MatchValues values)
{
    text += L"|";
    for (int field = 0; field < MATCH_FIELD_COUNT; field++) {
        const WCHAR *value = matchFieldText(values, field);
        text += field ? L"," : L"";
        text += value ? std::wstring(value) : std::to_wstring(*matchFieldNumber(values, field));
    }
}

std::vector<BracketNode *> heldMatches(Bracket *bracket)
{
    std::vector<BracketNode *> all;
    for (int i = bracket->slotCount; i < 2 * bracket->slotCount - 1; i++)
        all.push_back(bracket->nodeTable[i]);
    if (bracket->thirdPlaceOn)
        all.push_back(&bracket->thirdPlace);
    for (int k = 0; bracket->losers.on && k < bracket->slotCount; k++)
        all.push_back(&bracket->losers.matches[k]);
    return all;
}

std::wstring matchFingerprint(Bracket *b)
{
    std::wstring text;
    for (int id = 1; b->nodeTable && id <= 2 * b->slotCount - 1; id++)
        addMatch(text, nodeValues(b->nodeTable[id - 1]));
    text += L"|third " + std::to_wstring(b->thirdPlaceOn);
    addMatch(text, nodeValues(&b->thirdPlace));
    text += L"|losers " + std::to_wstring(b->losers.on) + std::to_wstring(b->losers.reset);
    for (int k = 0; b->losers.matches && k < b->slotCount; k++)
        addMatch(text, nodeValues(&b->losers.matches[k]));
    if (b->groups.on)
        text += L"|groups " + std::to_wstring(b->groups.rules) + std::to_wstring(b->groups.advancing);
    for (int g = 0; StageGroup *group = stageGroup(b, g); g++) {
        text += L"|group";
        for (int k = 0; k < group->count; k++)
            text += L"," + std::wstring(group->entrant[k]) + L"#" + std::to_wstring(group->seed[k]);
        for (int m = 0; m < group->matchCount; m++) {
            addMatch(text, nodeValues(&group->match[m]));
            text += L"," + std::to_wstring(group->drawn[m]);
        }
        text += L"|tied " + std::wstring(group->tied);
    }
    return text;
}

BracketSnapshot takeSnapshot(Bracket *b, HWND window)
{
    BracketSnapshot s;
    s.slotCount = b->slotCount;
    s.dirty = b->dirty;
    s.title = b->title;
    s.caption = windowText(window);
    s.matches = matchFingerprint(b);
    for (int i = 0; b->nodeTable && i < 2 * b->slotCount - 1; i++) {
        BracketNode *node = b->nodeTable[i];
        s.names.push_back(node->name);
        s.controls.push_back(node->control);
        s.controlTexts.push_back(windowText(node->control));
    }
    return s;
}

::testing::AssertionResult sameSnapshot(const BracketSnapshot &a, const BracketSnapshot &b)
{
    if (a.slotCount != b.slotCount)
        return ::testing::AssertionFailure() << "slot count went from " << a.slotCount << " to " << b.slotCount;
    if (a.dirty != b.dirty)
        return ::testing::AssertionFailure() << "dirty went from " << a.dirty << " to " << b.dirty;
    if (a.title != b.title || a.caption != b.caption)
        return ::testing::AssertionFailure() << "title or caption changed";
    if (a.matches != b.matches)
        return ::testing::AssertionFailure() << "a match's fields changed";
    for (size_t i = 0; i < a.names.size(); i++) {
        if (a.names[i] != b.names[i] || a.controls[i] != b.controls[i] || a.controlTexts[i] != b.controlTexts[i])
            return ::testing::AssertionFailure() << "slot " << i + 1 << " changed";
    }
    return ::testing::AssertionSuccess();
}
