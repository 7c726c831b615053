#include "file/bracket_writer.h"
#include "file/bracket_reader.h"
#include "file/document_stream.h"
#include "file/group_elements.h"
#include "file/entrant_elements.h"
#include "file/match_status.h"
#include "file/xml_document.h"
#include "model/losers_bracket.h"
#include "model/match_fields.h"
#include "model/undo_history.h"

static IXMLDOMElement *createNamedElement(IXMLDOMDocument *document, BSTR name)
{
    IXMLDOMElement *element = NULL;
    if (FAILED(document->createElement(name, &element)) && element) {
        element->Release();
        element = NULL;
    }
    return element;
}

static int appendChildElement(IXMLDOMElement *parent, IXMLDOMElement *child)
{
    IXMLDOMNode *added = NULL;
    HRESULT hr = parent->appendChild(child, &added);
    if (added)
        added->Release();
    return SUCCEEDED(hr) && added;
}

enum { REPLACEMENT_CHARACTER = 0xFFFD };

/* A BSTR of text with every character XML 1.0 cannot carry turned into
 * U+FFFD. Save refuses such text before it builds anything and names it,
 * so only the recovery copy meets this: there one stray control character
 * must cost that character, not a copy the reader refuses whole. */
static BSTR carriableString(const WCHAR *text)
{
    BSTR copy = SysAllocString(text);
    if (!copy || !holdsUnwritableCharacter(copy))
        return copy;
    for (WCHAR *c = copy; *c; c++) {
        int pair = *c >= 0xD800 && *c <= 0xDBFF && c[1] >= 0xDC00 && c[1] <= 0xDFFF;
        WCHAR single[2] = {*c, 0};
        if (pair)
            c++;
        else if (holdsUnwritableCharacter(single))
            *c = REPLACEMENT_CHARACTER;
    }
    return copy;
}

static int setStringAttribute(IXMLDOMElement *element, BSTR name, const WCHAR *value)
{
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = carriableString(value);
    if (!text.bstrVal)
        return 0;
    HRESULT hr = element->setAttribute(name, text);
    SysFreeString(text.bstrVal);
    return SUCCEEDED(hr);
}

int appendTextElement(IXMLDOMDocument *document, IXMLDOMElement *parent, const WCHAR *elementName,
                      const WCHAR *text)
{
    BSTR name = SysAllocString(elementName);
    BSTR content = carriableString(text);
    IXMLDOMElement *element = name && content ? createNamedElement(document, name) : NULL;
    int result = element && SUCCEEDED(element->put_text(content)) && appendChildElement(parent, element);
    if (element)
        element->Release();
    SysFreeString(content);
    SysFreeString(name);
    return result;
}

/* Seed and Bye after Name and id, and only where there is one: a bracket
 * without seeds or byes is written exactly as it always was. */
static int setSeedAndBye(IXMLDOMElement *team, const BracketNode *node)
{
    int result = 1;
    if (node->seed > 0) {
        WCHAR seed[16];
        wsprintfW(seed, L"%d", node->seed);
        BSTR name = SysAllocString(L"Seed");
        result = name && setStringAttribute(team, name, seed);
        SysFreeString(name);
    }
    if (result && node->bye) {
        BSTR name = SysAllocString(L"Bye");
        result = name && setStringAttribute(team, name, L"1");
        SysFreeString(name);
    }
    return result;
}

/* The text a field is written as: a number as the name of what it holds. */
static const WCHAR *fieldText(MatchValues values, int field)
{
    if (MATCH_FIELDS[field].kind != KIND_OUTCOME)
        return matchFieldText(values, field);
    const WCHAR *status = matchStatusName(*matchFieldNumber(values, field));
    return status ? status : L"";
}

enum {
    WRITE_EMPTY_RESULT = 1  /* Score even when there is none */
};

/* An element for one match with its fields in the table's order, id (when
 * not 0) after Name. Name is always written, the rest only where set, so a
 * match without a result, time or court is written exactly as it always
 * was. Returns NULL when the element could not be made whole. */
static IXMLDOMElement *matchElement(IXMLDOMDocument *document, const WCHAR *elementName, MatchValues values,
                                    int id, int flags)
{
    BSTR name = SysAllocString(elementName);
    IXMLDOMElement *element = name ? createNamedElement(document, name) : NULL;
    SysFreeString(name);
    int result = element != NULL;
    for (int field = 0; result && field < MATCH_FIELD_COUNT; field++) {
        const WCHAR *text = fieldText(values, field);
        int written = field == FIELD_NAME || text[0] || (field == FIELD_RESULT && (flags & WRITE_EMPTY_RESULT));
        if (written) {
            BSTR attribute = SysAllocString(MATCH_FIELDS[field].attribute);
            result = attribute && setStringAttribute(element, attribute, text);
            SysFreeString(attribute);
        }
        if (result && field == FIELD_NAME && id) {
            WCHAR number[16];
            wsprintfW(number, L"%d", id);
            BSTR attribute = SysAllocString(L"id");
            result = attribute && setStringAttribute(element, attribute, number);
            SysFreeString(attribute);
        }
    }
    if (!result && element) {
        element->Release();
        element = NULL;
    }
    return element;
}

/* The match's element, appended to parent. */
static int appendMatchElement(IXMLDOMDocument *document, IXMLDOMElement *parent, const WCHAR *elementName,
                              MatchValues values, int id, int flags)
{
    IXMLDOMElement *element = matchElement(document, elementName, values, id, flags);
    int result = element && appendChildElement(parent, element);
    if (element)
        element->Release();
    return result;
}

/* One Team element per slot, base slots first and the champion last, which
 * is ascending id order, with Seed and Bye after the match's fields. */
static int appendTeams(IXMLDOMDocument *document, IXMLDOMElement *games, Bracket *bracket)
{
    int result = 1;
    for (int k = bracket->depth; result && k >= 0; k--) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); result && node; node = nextInLevel(node)) {
            IXMLDOMElement *team = matchElement(document, L"Team", nodeValues(node), (int)node->id, 0);
            result = team && setSeedAndBye(team, node) && appendChildElement(games, team);
            if (team)
                team->Release();
        }
    }
    return result;
}

/* <ThirdPlace Name="" Score=""/> after the last Team, only while the match
 * is on; Score always, empty or not. */
static int appendThirdPlace(IXMLDOMDocument *document, IXMLDOMElement *games, Bracket *bracket)
{
    if (!bracket->thirdPlaceOn)
        return 1;
    return appendMatchElement(document, games, L"ThirdPlace", nodeValues(&bracket->thirdPlace), 0,
                              WRITE_EMPTY_RESULT);
}

/* <Losers Reset="1"> with a Team per losers' match, <GrandFinal/> and,
 * while the reset is on, <GrandFinalReset/>, after the winners' Teams and
 * only in double elimination: a reader that knows only Team children of
 * Games still finds the winners' bracket. */
static int appendLosers(IXMLDOMDocument *document, IXMLDOMElement *games, Bracket *bracket)
{
    if (!bracket->losers.on || !grandFinal(bracket))
        return 1;
    BSTR losersName = SysAllocString(L"Losers");
    IXMLDOMElement *losers = losersName ? createNamedElement(document, losersName) : NULL;
    SysFreeString(losersName);
    int result = losers != NULL;
    if (result && bracket->losers.reset) {
        BSTR reset = SysAllocString(L"Reset");
        result = reset && setStringAttribute(losers, reset, L"1");
        SysFreeString(reset);
    }
    for (int k = 1; result && k <= losersMatchCount(bracket); k++)
        result = appendMatchElement(document, losers, L"Team", nodeValues(losersMatch(bracket, k)), k, 0);
    result = result && appendChildElement(games, losers) &&
             appendMatchElement(document, games, L"GrandFinal", nodeValues(grandFinal(bracket)), 0, 0) &&
             (!bracket->losers.reset ||
              appendMatchElement(document, games, L"GrandFinalReset", nodeValues(grandFinalReset(bracket)), 0, 0));
    if (losers)
        losers->Release();
    return result;
}

int fillBracketDocument(IXMLDOMDocument *document, Bracket *bracket)
{
    BSTR gamesName = SysAllocString(L"Games");
    IXMLDOMElement *games = gamesName ? createNamedElement(document, gamesName) : NULL;
    SysFreeString(gamesName);
    if (!games)
        return 0;
    WCHAR count[16];
    wsprintfW(count, L"%d", bracket->slotCount);
    int result = SUCCEEDED(document->putref_documentElement(games)) &&
                 appendTextElement(document, games, L"Title", bracket->title) &&
                 appendTextElement(document, games, L"Teams", count) && appendTeams(document, games, bracket) &&
                 appendThirdPlace(document, games, bracket) && appendLosers(document, games, bracket) &&
                 appendGroupElements(document, games, bracket) && appendEntrantElements(document, games, bracket);
    games->Release();
    return result;
}

int holdsUnwritableCharacter(const WCHAR *text)
{
    for (; *text; text++) {
        WCHAR c = *text;
        if (c < 0x20 && c != L'\t' && c != L'\n' && c != L'\r')
            return 1;
        if (c == 0xFFFE || c == 0xFFFF)
            return 1;
        if (c >= 0xDC00 && c <= 0xDFFF)
            return 1;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (text[1] < 0xDC00 || text[1] > 0xDFFF)
                return 1;
            text++;
        }
    }
    return 0;
}

int findUnwritableText(Bracket *bracket, int *slotId)
{
    *slotId = 0;
    if (holdsUnwritableCharacter(bracket->title))
        return 1;
    for (int id = 1; id <= 2 * bracket->slotCount - 1; id++) {
        if (holdsUnwritableCharacter(bracket->nodeTable[id - 1]->name)) {
            *slotId = id;
            return 1;
        }
    }
    return 0;
}

/* The first result the file could not carry: 1 with the slot id in slotId,
 * 0 for the third-place match; 0 when every result can be written. */
static int findUnwritableResult(Bracket *bracket, int *slotId)
{
    for (int id = 1; id <= 2 * bracket->slotCount - 1; id++) {
        if (holdsUnwritableCharacter(bracket->nodeTable[id - 1]->result)) {
            *slotId = id;
            return 1;
        }
    }
    for (int k = 1; bracket->losers.on && k <= bracket->slotCount; k++) {
        BracketNode *match = losersMatch(bracket, k);
        if (match && holdsUnwritableCharacter(match->result)) {
            *slotId = (int)match->id;
            return 1;
        }
    }
    *slotId = 0;
    return holdsUnwritableCharacter(bracket->thirdPlace.result);
}

/* The first court the file could not carry: 1 with its match's id in
 * slotId, 0 for the third-place match; 0 when every court can be written.
 * Only the recovery copy may lose a character to U+FFFD; a save says so. */
static int findUnwritableCourt(Bracket *bracket, int *slotId)
{
    for (int id = 1; id <= 2 * bracket->slotCount - 1; id++) {
        if (holdsUnwritableCharacter(bracket->nodeTable[id - 1]->details.court)) {
            *slotId = id;
            return 1;
        }
    }
    /* The losers' matches, the grand final and, while it is on, its reset:
     * what the file holds of them. */
    int written = losersMatchCount(bracket) + 1 + (bracket->losers.reset != 0);
    for (int k = 1; bracket->losers.on && k <= written; k++) {
        BracketNode *match = losersMatch(bracket, k);
        if (match && holdsUnwritableCharacter(match->details.court)) {
            *slotId = (int)match->id;
            return 1;
        }
    }
    *slotId = 0;
    return bracket->thirdPlaceOn && holdsUnwritableCharacter(bracket->thirdPlace.details.court);
}

/* What the writer hands the crash-safe replace to judge its temporary file
 * with, and what it learns back. */
struct ReadBackCheck {
    int slotCount;
    int refused;
};

/* The temporary file goes through the reader's own load and shape checks:
 * a file the reader would refuse must never replace a good one. */
static int checkReadBack(const WCHAR *temporaryPath, void *context)
{
    ReadBackCheck *check = (ReadBackCheck *)context;
    check->refused = !readsBackAsBracket(temporaryPath, check->slotCount);
    return !check->refused;
}

/* Notes why nothing was written; returns 0, the writer's result then. */
static int reportFault(SaveReport *report, int fault, DWORD error)
{
    report->fault = fault;
    report->error = error;
    return 0;
}

int writeBracketFile(Bracket *bracket, const WCHAR *path, SaveReport *report)
{
    report->slotId = 0;
    if (bracket->slotCount == 0 || !path)
        return reportFault(report, SAVE_FAULT_DECLINED, 0);
    if (findUnwritableText(bracket, &report->slotId))
        return reportFault(report, SAVE_FAULT_TEXT, ERROR_INVALID_DATA);
    if (findUnwritableResult(bracket, &report->slotId))
        return reportFault(report, SAVE_FAULT_RESULT, ERROR_INVALID_DATA);
    if (findUnwritableCourt(bracket, &report->slotId))
        return reportFault(report, SAVE_FAULT_COURT, ERROR_INVALID_DATA);
    IXMLDOMDocument *document = createBracketDocument();
    if (!document)
        return reportFault(report, SAVE_FAULT_SYSTEM, ERROR_NOT_ENOUGH_MEMORY);
    ReadBackCheck check = {bracket->slotCount, 0};
    int filled = fillBracketDocument(document, bracket);
    int result = filled && saveDocumentFile(document, path, checkReadBack, &check);
    DWORD error = filled ? GetLastError() : ERROR_NOT_ENOUGH_MEMORY;
    document->Release();
    if (!result)
        return reportFault(report, check.refused ? SAVE_FAULT_UNREADABLE : SAVE_FAULT_SYSTEM, error);
    bracket->dirty = 0;
    markUndoSavePoint(bracket);
    report->fault = SAVE_FAULT_NONE;
    report->error = 0;
    return 1;
}
