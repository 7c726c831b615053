// The bracket record, a scratch folder of real files and, for what a load or
// a save shows, a real main window: what the file tests stand on.
#ifndef DUELMARK_TESTS_SUPPORT_BRACKET_FILE_FIXTURE_H
#define DUELMARK_TESTS_SUPPORT_BRACKET_FILE_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "file/bracket_file.h"
#include "model/bracket.h"
#include "support/dialog_answer.h"

// A fresh folder under the temporary folder; removed with everything in it
// (read-only files included) by removeScratchFolder.
std::wstring makeScratchFolder();
void removeScratchFolder(const std::wstring &folder);

void writeFileBytes(const std::wstring &path, const std::string &bytes);
// The file's bytes, or "<missing>" when it cannot be read.
std::string readFileBytes(const std::wstring &path);
bool fileExists(const std::wstring &path);
// Names of the files in folder, sorted, "." and ".." left out.
std::string folderListing(const std::wstring &folder);

std::string utf8(const std::wstring &text);

// A bracket file titled Cup whose Teams element holds teams, then rest.
std::string teamsFile(const std::string &teams, const std::string &rest = "");

// The file as a plain DOM document sees it, independent of the reader:
// the document element and each child in order, one per line, element
// children as name, attributes in document order and text, e.g.
// "Games\nTitle 'Cup'\nTeam Name='A' id='1'\n". Non-element children show
// as their node type. "<unparsed>" when it does not load.
std::string describeXmlFile(const std::wstring &path);

// The one bracket record and a scratch folder of real files, with no window:
// what the reader and writer tests stand on.
struct BracketFileTest : ::testing::Test {
    Bracket bracket;
    std::wstring folder;
    // Catches any question a test did not arm for, answering No; the test
    // then fails instead of hanging.
    DialogAnswer unexpected;

    void SetUp() override;
    void TearDown() override;

    std::wstring pathOf(const std::wstring &name) const { return folder + L"\\" + name; }
    // A file of the scratch folder holding bytes.
    std::wstring fileWith(const std::string &bytes, const WCHAR *name = L"in.xml");
    // Builds a bracket the way New does, with every base slot named "T<id>"
    // when named is set, and marks it dirty.
    void build(int teams, const WCHAR *title, bool named = true);
    BracketNode *slot(int id) { return bracket.nodeTable[id - 1]; }
    void setName(int id, const WCHAR *name) { lstrcpynW(slot(id)->name, name, NAME_CAPACITY); }
    // Reads the file at path and, when it is read, makes it the bracket, as
    // opening does. A refusal must leave what was staged empty again.
    int readFile(const std::wstring &path, OpenReport *report = nullptr);
};

// The same on a real main window (the IDD_MAIN template), for what opening
// and saving show on it.
struct BracketWindowTest : BracketFileTest {
    HWND window = NULL;

    void SetUp() override;
    void TearDown() override;

    // build, then laid out the way New does; without laidOut the slots get
    // no controls: enough for saving, and much faster.
    void build(int teams, const WCHAR *title, bool named = true, bool laidOut = true);
    std::wstring caption() const;
    // Slot controls on the window: {edits, comboboxes}.
    std::pair<int, int> slotControls() const;
    // Read-only state of every base slot's edit: 1 all read-only, 0 all
    // editable, -1 mixed or missing.
    int baseSlotsReadOnly();
    // The text a slot's control shows.
    std::wstring shownText(int id);
};

#endif
