#include "support/bracket_file_fixture.h"
#include "file/bracket_reader.h"
#include "model/adopt_bracket.h"

#include <msxml2.h>

#include <algorithm>
#include <vector>

#include "res/resource.h"
#include "ui/window/layout.h"

namespace {

const CLSID DOM_DOCUMENT_CLASS = { 0xF6D90F11, 0x9C73, 0x11D3, { 0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4 } };
const IID DOM_DOCUMENT_INTERFACE = { 0x2933BF81, 0x7B36, 0x11D2, { 0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60 } };

std::string bstrUtf8(BSTR text)
{
    std::string bytes = text ? utf8(std::wstring(text, SysStringLen(text))) : "";
    SysFreeString(text);
    return bytes;
}

std::string describeElement(IXMLDOMNode *node)
{
    BSTR name = NULL;
    node->get_nodeName(&name);
    std::string line = bstrUtf8(name);
    IXMLDOMNamedNodeMap *attributes = NULL;
    long count = 0;
    if (node->get_attributes(&attributes) == S_OK && attributes && attributes->get_length(&count) == S_OK) {
        for (long i = 0; i < count; i++) {
            IXMLDOMNode *attribute = NULL;
            if (attributes->get_item(i, &attribute) != S_OK || !attribute)
                continue;
            BSTR attributeName = NULL, value = NULL;
            attribute->get_nodeName(&attributeName);
            attribute->get_text(&value);
            line += " " + bstrUtf8(attributeName) + "='" + bstrUtf8(value) + "'";
            attribute->Release();
        }
    }
    if (attributes)
        attributes->Release();
    IXMLDOMNode *child = NULL;
    if (node->get_firstChild(&child) == S_OK && child) {
        BSTR text = NULL;
        node->get_text(&text);
        line += " '" + bstrUtf8(text) + "'";
        child->Release();
    }
    return line + "\n";
}

INT_PTR CALLBACK quietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

} // namespace

std::wstring makeScratchFolder()
{
    static int serial;
    WCHAR temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    WCHAR name[64];
    wsprintfW(name, L"dmfile-%lx-%lx-%d", GetCurrentProcessId(), GetTickCount(), ++serial);
    std::wstring folder = std::wstring(temp) + name;
    CreateDirectoryW(folder.c_str(), NULL);
    return folder;
}

void removeScratchFolder(const std::wstring &folder)
{
    if (folder.empty())
        return;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeScratchFolder(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

void writeFileBytes(const std::wstring &path, const std::string &bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << "cannot create " << utf8(path);
    DWORD written = 0;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL);
    CloseHandle(file);
    ASSERT_EQ(bytes.size(), written);
}

std::string readFileBytes(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool fileExists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string folderListing(const std::wstring &folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                names.push_back(utf8(name));
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string &name : names)
        listing += (listing.empty() ? "" : " ") + name;
    return listing;
}

std::string utf8(const std::wstring &text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), NULL, 0, NULL, NULL);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &bytes[0], size, NULL, NULL);
    return bytes;
}

std::string describeXmlFile(const std::wstring &path)
{
    IXMLDOMDocument *document = NULL;
    if (FAILED(CoCreateInstance(DOM_DOCUMENT_CLASS, NULL, CLSCTX_INPROC_SERVER, DOM_DOCUMENT_INTERFACE,
                                (void **)&document)))
        return "<no component>";
    document->put_async(VARIANT_FALSE);
    document->put_preserveWhiteSpace(VARIANT_TRUE);
    // The bytes go in through a stream: the scratch path must not matter.
    std::string bytes = readFileBytes(path);
    std::string description = "<unparsed>";
    IStream *stream = NULL;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    CreateStreamOnHGlobal(memory, TRUE, &stream);
    ULARGE_INTEGER size;
    size.QuadPart = bytes.size();
    stream->SetSize(size);
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_UNKNOWN;
    source.punkVal = stream;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    IXMLDOMElement *root = NULL;
    if (document->load(source, &loaded) == S_OK && loaded == VARIANT_TRUE &&
        document->get_documentElement(&root) == S_OK && root) {
        BSTR name = NULL;
        root->get_nodeName(&name);
        description = bstrUtf8(name) + "\n";
        IXMLDOMNode *child = NULL;
        root->get_firstChild(&child);
        while (child) {
            DOMNodeType type;
            child->get_nodeType(&type);
            if (type == NODE_ELEMENT)
                description += describeElement(child);
            else
                description += "node type " + std::to_string((int)type) + "\n";
            IXMLDOMNode *next = NULL;
            child->get_nextSibling(&next);
            child->Release();
            child = next;
        }
        root->Release();
    }
    stream->Release();
    document->Release();
    return description;
}

std::string teamsFile(const std::string &teams, const std::string &rest)
{
    return "<Games><Title>Cup</Title><Teams>" + teams + "</Teams>" + rest + "</Games>";
}

std::wstring BracketFileTest::fileWith(const std::string &bytes, const WCHAR *name)
{
    std::wstring path = pathOf(name);
    writeFileBytes(path, bytes);
    return path;
}

void BracketFileTest::SetUp()
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(NULL)));
    initBracket(&bracket, GetModuleHandleW(NULL));
    folder = makeScratchFolder();
    armDialogAnswer(&unexpected, IDNO);
}

void BracketFileTest::TearDown()
{
    disarmDialogAnswer();
    EXPECT_EQ(0, unexpected.count) << "a question nobody expected was shown: \"" << utf8(unexpected.text) << "\"";
    resetBracket(&bracket);
    removeScratchFolder(folder);
    CoUninitialize();
}

void BracketFileTest::build(int teams, const WCHAR *title, bool named)
{
    ASSERT_EQ(1, buildBracket(&bracket, teams));
    lstrcpynW(bracket.title, title, TITLE_CAPACITY);
    if (named) {
        for (int id = 1; id <= bracket.slotCount; id++) {
            WCHAR name[16];
            wsprintfW(name, L"T%d", id);
            setName(id, name);
        }
    }
    bracket.dirty = 1;
}

int BracketFileTest::readFile(const std::wstring &path, OpenReport *report)
{
    OpenReport unused;
    Bracket staged;
    initBracket(&staged, bracket.resourceModule);
    if (!readBracketFile(path.c_str(), &staged, report ? report : &unused)) {
        EXPECT_EQ(0, staged.slotCount) << "a refused file left a staged bracket: " << utf8(path);
        EXPECT_EQ(nullptr, staged.nodeTable) << utf8(path);
        return 0;
    }
    adoptStagedBracket(&bracket, &staged);
    return 1;
}

// The window comes first: a dialog made while the catch-all is armed would
// be taken for a question.
void BracketWindowTest::SetUp()
{
    window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, quietDialogProc, 0);
    ASSERT_NE(nullptr, window) << "the main window template must load";
    BracketFileTest::SetUp();
}

void BracketWindowTest::TearDown()
{
    BracketFileTest::TearDown();
    if (window)
        DestroyWindow(window);
}

void BracketWindowTest::build(int teams, const WCHAR *title, bool named, bool laidOut)
{
    BracketFileTest::build(teams, title, named);
    if (laidOut && bracket.slotCount)
        layoutBracket(&bracket, window, 1);
    bracket.dirty = 1;
}

std::wstring BracketWindowTest::caption() const
{
    WCHAR text[600] = L"";
    GetWindowTextW(window, text, 600);
    return text;
}

std::pair<int, int> BracketWindowTest::slotControls() const
{
    std::pair<int, int> counts(0, 0);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        if (id == IDC_TEAM_EDIT)
            counts.first++;
        else if (id == IDC_PICK_COMBO)
            counts.second++;
    }
    return counts;
}

int BracketWindowTest::baseSlotsReadOnly()
{
    int readOnly = 0, editable = 0;
    for (int id = 1; id <= bracket.slotCount && bracket.depth > 0; id++) {
        HWND control = slot(id)->control;
        if (!control)
            return -1;
        if (GetWindowLongW(control, GWL_STYLE) & ES_READONLY)
            readOnly++;
        else
            editable++;
    }
    return editable == 0 ? 1 : readOnly == 0 ? 0 : -1;
}

std::wstring BracketWindowTest::shownText(int id)
{
    HWND control = slot(id)->control;
    if (!control)
        return L"<no control>";
    WCHAR text[NAME_CAPACITY + 8] = L"";
    if (GetDlgCtrlID(control) == IDC_PICK_COMBO) {
        int selected = (int)SendMessageW(control, CB_GETCURSEL, 0, 0);
        if (selected >= 0)
            SendMessageW(control, CB_GETLBTEXT, selected, (LPARAM)text);
    } else {
        GetWindowTextW(control, text, NAME_CAPACITY + 8);
    }
    return text;
}
