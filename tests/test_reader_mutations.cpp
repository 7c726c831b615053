// Hostile input for the reader: valid bracket files of every size, mutated
// by a seeded generator, fed to the real reader on a real main window. Each
// file either loads into a whole bracket or is refused with the previous
// bracket untouched; nothing crashes or hangs. DUELMARK_MUTATIONS sets how
// many files to try (300 in the normal run, 50000 in the long one) and
// DUELMARK_MUTATION_SEED which series of files, so a long run can be split
// across processes.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/bracket.h"
#include "model/pick_rules.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/bracket_invariants.h"
#include "support/dialog_answer.h"
#include "ui/document/open_bracket.h"

namespace {

// xorshift64*: the same seed gives the same files on every machine.
struct Random {
    unsigned long long state;
    unsigned long long next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 2685821657736338717ULL;
    }
    size_t below(size_t n) { return n ? (size_t)(next() % n) : 0; }
};

std::string escapeXml(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A well-formed bracket file for n slots, its names, picks and layout of
// the text varied by `variant`.
std::string validFile(int n, Random &random)
{
    static const wchar_t *const names[] = {L"Lions", L"Tigers & Bears", L"<Owls>", L"\"Quoted\" 'Q'",
                                           L"\u968a\u4f0d", L"\U0001F600 Smile", L"  spaced  ", L"A"};
    int variant = (int)random.below(8);
    std::string nl = variant & 1 ? "\r\n  " : "";
    std::string xml = variant & 2 ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + nl : "";
    xml += "<Games>" + nl + "<Title>" + escapeXml(utf8(L"Cup \u676f " + std::to_wstring(n))) + "</Title>" + nl;
    xml += "<Teams>" + std::to_string(n) + "</Teams>" + nl;
    std::vector<std::string> slot(2 * n);
    for (int id = 1; id <= n; id++)
        slot[id] = utf8(names[random.below(8)]) + std::to_string(id);
    // Picks: mostly a feeder's name, sometimes empty, sometimes invalid.
    int firstOfLevel = 1, width = n;
    while (width > 1) {
        for (int j = 0; j < width / 2; j++) {
            int id = firstOfLevel + width + j;
            int roll = (int)random.below(10);
            slot[id] = roll < 6 ? slot[firstOfLevel + 2 * j + (roll & 1)] : roll < 9 ? "" : "Nobody";
        }
        firstOfLevel += width;
        width /= 2;
    }
    for (int id = 1; id <= 2 * n - 1; id++) {
        std::string name = "Name=\"" + escapeXml(slot[id]) + "\"", number = "id=\"" + std::to_string(id) + "\"";
        xml += "<Team " + (variant & 4 ? number + " " + name : name + " " + number) + "/>" + nl;
    }
    return (variant == 7 ? "\xEF\xBB\xBF" : "") + xml + "</Games>";
}

size_t findNth(const std::string &text, const std::string &what, size_t nth)
{
    size_t at = text.find(what);
    while (at != std::string::npos && nth--)
        at = text.find(what, at + 1);
    return at;
}

size_t count(const std::string &text, const std::string &what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        n++;
    return n;
}

// One mutation, chosen and placed by the generator.
void mutate(std::string &xml, Random &random)
{
    static const char *const numbers[] = {"99999999999999999999", "2147483647", "2147483648", "4294967297",
                                          "-1", "257", "256", "0", "", " 8", "+4", "0x10", "1e3", "\xD9\xA3",
                                          "00000000000000000000000000000004"};
    switch (random.below(9)) {
    case 0:  // flip a few bytes
        for (size_t i = 0, flips = 1 + random.below(8); i < flips && !xml.empty(); i++)
            xml[random.below(xml.size())] ^= (char)(1 << random.below(8));
        break;
    case 1:  // truncate
        xml.resize(random.below(xml.size()));
        break;
    case 2: {  // duplicate an element
        size_t at = findNth(xml, "<Team ", random.below(count(xml, "<Team ") + 1));
        size_t end = at == std::string::npos ? at : xml.find("/>", at);
        if (end != std::string::npos)
            xml.insert(at, xml.substr(at, end + 2 - at));
        break;
    }
    case 3: {  // remove an attribute or an element
        static const char *const parts[] = {"Name=\"", "id=\"", "<Title>", "<Teams>"};
        const char *part = parts[random.below(4)];
        size_t at = findNth(xml, part, random.below(count(xml, part) + 1));
        if (at == std::string::npos)
            break;
        size_t end = part[0] == '<' ? xml.find("</", at) : xml.find('"', at + lstrlenA(part));
        if (end != std::string::npos)
            xml.erase(at, end + 1 - at);
        break;
    }
    case 4: {  // an odd number where a count or an id stands
        bool teams = random.below(3) == 0;
        size_t at = teams ? xml.find("<Teams>") : findNth(xml, "id=\"", random.below(count(xml, "id=\"") + 1));
        if (at == std::string::npos)
            break;
        at += teams ? 7 : 4;
        size_t end = xml.find(teams ? '<' : '"', at);
        if (end != std::string::npos)
            xml.replace(at, end - at, numbers[random.below(sizeof numbers / sizeof *numbers)]);
        break;
    }
    case 5: {  // deep nesting inside Games
        size_t depth = 1 + random.below(random.below(2) ? 100 : 20000);
        std::string open, close;
        for (size_t i = 0; i < depth; i++) {
            open += "<a>";
            close += "</a>";
        }
        size_t at = xml.find("<Teams>");
        if (at != std::string::npos)
            xml.insert(at, open + "<Team Name=\"deep\" id=\"1\"/>" + close);
        break;
    }
    case 6: {  // a 1 MiB name or title, ASCII or CJK
        size_t at = random.below(2) ? xml.find("Name=\"") : xml.find("<Title>");
        if (at == std::string::npos)
            break;
        std::string big;
        if (random.below(2))
            big.assign(1 << 20, 'x');
        else
            for (int i = 0; i < (1 << 18); i++)
                big += "\xE9\x9A\x8A";
        xml.insert(at + (xml[at] == 'N' ? 6 : 7), big);
        break;
    }
    case 7: {  // junk bytes
        std::string junk;
        for (size_t i = 0, n = 1 + random.below(16); i < n; i++)
            junk += (char)random.below(256);
        xml.insert(random.below(xml.size() + 1), junk);
        break;
    }
    default: {  // a declaration of another world: a doctype, entities, an external reference
        static const char *const prologs[] = {
            "<!DOCTYPE Games [<!ENTITY e \"Lions\">]>",
            "<!DOCTYPE Games SYSTEM \"file:///etc/passwd\">",
            "<!DOCTYPE Games [<!ENTITY x SYSTEM \"file:///etc/hostname\">]>",
            "<!DOCTYPE Games [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
            "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>",
        };
        size_t at = xml.find("<Games>");
        if (at != std::string::npos)
            xml.insert(at, prologs[random.below(4)]);
        break;
    }
    }
}

// Answers the invalid-picks question Yes or No at random.
Random answers = {0x5eedULL};
int questionsAsked;
int answerQuestion(HWND box, DialogAnswer *)
{
    if (!GetDlgItem(box, IDYES))
        return IDCANCEL;
    questionsAsked++;
    return answers.below(2) ? IDYES : IDNO;
}

using ReaderMutations = BracketWindowTest;

TEST_F(ReaderMutations, EveryMutatedFileLoadsWholeOrIsRefusedWithoutATrace)
{
    ScopedDialogAnswer answer(answerQuestion, NULL);
    const char *setting = getenv("DUELMARK_MUTATIONS");
    int files = setting ? atoi(setting) : 300;
    std::wstring path = pathOf(L"mutation.xml");

    // Mostly small brackets: a 256-slot layout costs as much as fifty small ones.
    static const int sizes[] = {1, 2, 4, 4, 8, 8, 8, 16, 16, 32, 64};
    const char *seed = getenv("DUELMARK_MUTATION_SEED");
    Random random = {0xB5AC4E7ULL + (seed ? strtoull(seed, NULL, 10) : 0)};
    int loaded = 0, refused = 0;
    ULONGLONG slowest = 0;
    for (int i = 0; i < files; i++) {
        int slots = random.below(50) == 0 ? (random.below(2) ? 128 : 256) : sizes[random.below(sizeof sizes / sizeof *sizes)];
        std::string xml = validFile(slots, random);
        for (size_t m = 0, rounds = random.below(4); m < rounds; m++)
            mutate(xml, random);
        writeFileBytes(path, xml);

        BracketSnapshot before = takeSnapshot(&bracket, window);
        int askedBefore = questionsAsked;
        ULONGLONG start = GetTickCount64();
        int result = loadBracketFile(&bracket, window, path.c_str());
        ULONGLONG elapsed = GetTickCount64() - start;
        slowest = elapsed > slowest ? elapsed : slowest;
        if (getenv("DUELMARK_MUTATIONS_VERBOSE") && elapsed > 100)
            printf("file %d: %zu bytes, %d slots, asked %d, %s, %llu ms\n", i, xml.size(), bracket.slotCount, questionsAsked - askedBefore,
                   result ? "loaded" : "refused", elapsed);
        ASSERT_LT(elapsed, 120000u) << "file " << i << " took " << elapsed << " ms";
        if (result) {
            loaded++;
            ASSERT_TRUE(bracketIsConsistent(&bracket, true)) << "file " << i;
            ASSERT_EQ(1, baseSlotsReadOnly()) << "file " << i;
            if (questionsAsked == askedBefore) {
                ASSERT_EQ(0, bracket.dirty) << "file " << i << ": a load without a question leaves it clean";
                ASSERT_EQ(1, validatePicks(&bracket, 0)) << "file " << i << ": invalid picks went unasked";
            }
        } else {
            refused++;
            ASSERT_EQ(0, result);
            ASSERT_TRUE(sameSnapshot(before, takeSnapshot(&bracket, window))) << "file " << i << " was refused";
            ASSERT_EQ(askedBefore, questionsAsked) << "a refused file asked a question";
        }
    }
    printf("mutation files tried %d, loaded %d, refused %d, questions %d, slowest load %llu ms, crashes 0, hangs 0\n",
           files, loaded, refused, questionsAsked, slowest);
    EXPECT_GT(loaded, files / 10) << "the generator should leave many files loadable";
    EXPECT_GT(refused, files / 10) << "the generator should break many files";
}

}  // namespace
