// The Windows half of the published page's checks (run_page_checks.sh drives
// it; python and, where installed, a real browser read what it writes):
//   page_samples <folder>  writes <folder>\hostile\index.html, an 8-entrant
//                          bracket whose title and names are made of markup,
//                          quotes, a zero-width space, CJK, a control
//                          character, half a surrogate pair and an emoji,
//                          and <folder>\sample16\index.html, a 16-entrant
//                          event with results, times, courts and groups.
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "file/published_page.h"
#include "model/bracket.h"
#include "model/match_result.h"
#include "ui/picture/picture_layout.h"

namespace {

// Python's check holds the same names, as the page must show them.
const WCHAR *const HOSTILE_NAMES[] = {
    L"<script>alert(1)</script>", L"Tom & Jerry \"the best\"", L"O'Neil <b>bold</b>", L"Zero\x200Bwidth",
    L"\x81FA\x5317\x96C4\x9DF9",  L"Bell\x0007Ring",           L"</svg><img src=x>", L"Half\xD800 \xD83C\xDFC6 &amp;",
};

const WCHAR *const MIXED_NAMES[] = {
    L"\x81FA\x5317\x96C4\x9DF9", L"Harbour City", L"\x9AD8\x96C4\x6D77\x8C5A", L"Riverside Rovers",
    L"\x53F0\x4E2D\x91D1\x5B89", L"Northgate United", L"\x6843\x5712\x98DB\x7FD4", L"Eastfield Eagles",
    L"\x65B0\x7AF9\x706B\x7130", L"Lakeside Lions", L"\x53F0\x5357\x7368\x89D2\x7378", L"Old Town Otters",
    L"\x57FA\x9686\x6D77\x9DD7", L"Summit Stars", L"\x5F70\x5316\x7375\x9DF9", L"West End Wanderers",
};

const WCHAR *const ORDER_HEADINGS[] = {L"Time", L"Court", L"Round", L"First", L"Second"};
const WCHAR *const GROUP_HEADINGS[] = {L"Entrant", L"Won", L"Lost", L"Points"};

// The texts of a page's tables, kept alive while it is written.
struct Cells {
    std::vector<std::wstring> texts;
    std::vector<const WCHAR *> pointers;
    void add(const std::wstring &text) { texts.push_back(text); }
    const WCHAR *const *freeze()
    {
        pointers.clear();
        for (const std::wstring &text : texts)
            pointers.push_back(text.c_str());
        return pointers.data();
    }
};

bool writePage(const std::wstring &folder, Bracket *bracket, Cells *order, Cells *groups, int groupCount,
               const WCHAR *groupNames[])
{
    CreateDirectoryW(folder.c_str(), NULL);
    PictureDescription picture = {};
    if (!describeBracketPicture(bracket, &picture)) {
        fprintf(stderr, "the picture was not laid out\n");
        return false;
    }
    PublishedPage page = {};
    page.title = bracket->title;
    page.picture = &picture;
    page.orderOfPlay = {L"Order of play", ORDER_HEADINGS, 5, order->freeze(), (int)order->texts.size() / 5};
    std::vector<PublishedTable> standings;
    const WCHAR *const *cells = groups->freeze();
    int perGroup = (int)groups->texts.size() / 4 / (groupCount ? groupCount : 1);
    for (int g = 0; g < groupCount; g++)
        standings.push_back({groupNames[g], GROUP_HEADINGS, 4, cells + g * perGroup * 4, perGroup});
    page.standings = standings.data();
    page.standingsCount = groupCount;
    page.writtenAt = L"Written at 2026-12-08 18:00 <local>";
    int written = writePublishedPage(folder.c_str(), &page);
    freePictureDescription(&picture);
    if (!written)
        fprintf(stderr, "index.html was not written in %ls: error %lu\n", folder.c_str(), GetLastError());
    return written != 0;
}

bool hostile(const std::wstring &folder)
{
    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    if (!buildBracket(&bracket, 8))
        return false;
    lstrcpynW(bracket.title, L"Cup <i>&</i> \"Open\" 'R'", TITLE_CAPACITY);
    for (int id = 1; id <= 8; id++)
        lstrcpynW(bracket.nodeTable[id - 1]->name, HOSTILE_NAMES[id - 1], NAME_CAPACITY);
    Cells order, groups;
    for (int match = 0; match < 4; match++) {
        order.add(L"10:00 <AM>");
        order.add(L"Court \"1\" & 2");
        order.add(L"Round 1");
        order.add(HOSTILE_NAMES[2 * match]);
        order.add(HOSTILE_NAMES[2 * match + 1]);
    }
    for (int i = 0; i < 8; i++) {
        groups.add(HOSTILE_NAMES[i]);
        groups.add(L"1");
        groups.add(L"0");
        groups.add(L"3 <pts>");
    }
    const WCHAR *groupNames[] = {L"Group <A>", L"Group \"B\" & C"};
    bool done = writePage(folder, &bracket, &order, &groups, 2, groupNames);
    resetBracket(&bracket);
    return done;
}

bool sixteen(const std::wstring &folder)
{
    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    if (!buildBracket(&bracket, 16))
        return false;
    lstrcpynW(bracket.title, L"City Open 2026 \x57CE\x5E02\x516C\x958B\x8CFD", TITLE_CAPACITY);
    for (int id = 1; id <= 16; id++)
        lstrcpynW(bracket.nodeTable[id - 1]->name, MIXED_NAMES[id - 1], NAME_CAPACITY);
    Cells order, groups;
    // First-round matches: the first four played, the rest on court later.
    for (int k = 0; k < 8; k++) {
        BracketNode *match = bracket.nodeTable[16 + k];
        if (k < 4) {
            setMatchResult(&bracket, match, match->left->name, L"21-15 21-18");
            continue;
        }
        wsprintfW(match->details.time, L"2026-12-08T%02d:%02d", 10 + (k - 4) / 2, (k % 2) * 30);
        wsprintfW(match->details.court, L"Court %d", k % 2 + 1);
        WCHAR shown[32], court[16];
        wsprintfW(shown, L"%d:%02d AM", 10 + (k - 4) / 2, (k % 2) * 30);
        wsprintfW(court, L"Court %d", k % 2 + 1);
        order.add(shown);
        order.add(court);
        order.add(L"Round of 16");
        order.add(match->left->name);
        order.add(match->right->name);
    }
    for (int i = 0; i < 8; i++) {
        groups.add(MIXED_NAMES[i]);
        WCHAR won[8], lost[8], points[8];
        wsprintfW(won, L"%d", 3 - i % 4);
        wsprintfW(lost, L"%d", i % 4);
        wsprintfW(points, L"%d", 2 * (3 - i % 4));
        groups.add(won);
        groups.add(lost);
        groups.add(points);
    }
    const WCHAR *groupNames[] = {L"Group A", L"Group B"};
    bool done = writePage(folder, &bracket, &order, &groups, 2, groupNames);
    resetBracket(&bracket);
    return done;
}

} // namespace

int wmain(int argc, WCHAR **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: page_samples <folder>\n");
        return 2;
    }
    std::wstring folder = argv[1];
    return hostile(folder + L"\\hostile") && sixteen(folder + L"\\sample16") ? 0 : 1;
}
