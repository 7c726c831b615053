#include "file/bracket_reader.h"
#include "file/document_stream.h"
#include "file/group_elements.h"
#include "file/entrant_elements.h"
#include "file/match_status.h"
#include "model/change_cascade.h"
#include "model/entrant_name.h"
#include "model/match_fields.h"
#include "file/xml_document.h"
#include "file/parse_decimal.h"
#include "model/losers_bracket.h"
#include "model/seeding.h"

static int isXmlSpace(WCHAR c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

/* Copies at most capacity - 1 units and never ends on the first half of a
 * surrogate pair, so a cut text is still valid UTF-16 and saves cleanly. */
static void copyTruncated(WCHAR *target, const WCHAR *source, int capacity)
{
    if (!source)
        source = L"";
    int length = 0;
    while (source[length] && length < capacity - 1)
        length++;
    if (source[length] && length > 0 && source[length - 1] >= 0xD800 && source[length - 1] <= 0xDBFF)
        length--;
    lstrcpynW(target, source, length + 1);
}

/* The text of the first node at xpath. Returns 1 with the text (NULL for an
 * element without text, which the caller owns), 0 when there is no such
 * node or its text cannot be read. */
static int selectText(IXMLDOMDocument *document, const WCHAR *xpath, BSTR *text)
{
    *text = NULL;
    BSTR query = SysAllocString(xpath);
    if (!query)
        return 0;
    IXMLDOMNode *node = NULL;
    HRESULT hr = document->selectSingleNode(query, &node);
    SysFreeString(query);
    if (FAILED(hr) || !node)
        return 0;
    hr = node->get_text(text);
    node->Release();
    if (FAILED(hr)) {
        SysFreeString(*text);
        *text = NULL;
        return 0;
    }
    return 1;
}

/* The Teams count, ready for building. Surrounding white space is trimmed
 * here because the document keeps it (for the title's sake); the count
 * must be a plain decimal number no larger than the model's bound. */
static int readTeamCount(IXMLDOMDocument *document, int *count)
{
    BSTR text = NULL;
    if (!selectText(document, L"Games/Teams", &text))
        return 0;
    int result = 0;
    if (!text) {
        result = parseDecimal(L"", count);
    } else {
        WCHAR *start = text;
        while (isXmlSpace(*start))
            start++;
        int length = lstrlenW(start);
        while (length > 0 && isXmlSpace(start[length - 1]))
            length--;
        start[length] = 0;
        result = parseDecimal(start, count);
    }
    SysFreeString(text);
    return result && *count <= MAX_TEAM_COUNT;
}

/* The value of an attribute, or NULL when absent or unreadable (the caller
 * frees it). */
static BSTR attributeValue(IXMLDOMNamedNodeMap *attributes, BSTR name)
{
    IXMLDOMNode *attribute = NULL;
    if (FAILED(attributes->getNamedItem(name, &attribute)) || !attribute)
        return NULL;
    VARIANT value;
    VariantInit(&value);
    HRESULT hr = attribute->get_nodeValue(&value);
    attribute->Release();
    if (FAILED(hr))
        return NULL;
    if (value.vt != VT_BSTR) {
        VariantClear(&value);
        return NULL;
    }
    /* An empty value may come back as a NULL BSTR; it is still present. */
    return value.bstrVal ? value.bstrVal : SysAllocString(L"");
}

/* The names of the attributes a match's element may carry, made once per
 * read for all elements: one per match field, then id, Seed and Bye. */
struct MatchAttributes {
    BSTR fields[MATCH_FIELD_COUNT];
    BSTR id;
    BSTR seed;
    BSTR bye;
};

static void freeMatchAttributes(MatchAttributes *names)
{
    for (BSTR &name : names->fields)
        SysFreeString(name);
    SysFreeString(names->id);
    SysFreeString(names->seed);
    SysFreeString(names->bye);
}

/* Returns 1 when every name could be made. */
static int makeMatchAttributes(MatchAttributes *names)
{
    int made = 1;
    for (int field = 0; field < MATCH_FIELD_COUNT; field++) {
        names->fields[field] = SysAllocString(MATCH_FIELDS[field].attribute);
        made = made && names->fields[field];
    }
    names->id = SysAllocString(L"id");
    names->seed = SysAllocString(L"Seed");
    names->bye = SysAllocString(L"Bye");
    return made && names->id && names->seed && names->bye;
}

/* An outcome that cannot stand counts as played: a loser's outcome beside
 * no winner, a double walkover beside a winner. */
static int fittingOutcome(const WCHAR *winner, int outcome)
{
    if (outcome == OUTCOME_DOUBLE_WALKOVER)
        return winner[0] ? OUTCOME_PLAYED : outcome;
    return winner[0] ? outcome : OUTCOME_PLAYED;
}

enum {
    READ_FIT_AT_ONCE = 1  /* a result or outcome that cannot stand beside the name goes at once */
};

/* Every field of one match, each taken only when it is valid: a time not in
 * the exact form is no time. Without READ_FIT_AT_ONCE, whether the result
 * and outcome fit the pick is settled once every Team is read. */
static void readMatchElement(IXMLDOMNamedNodeMap *attributes, MatchValues values, const MatchAttributes *names,
                             int flags)
{
    for (int field = 0; field < MATCH_FIELD_COUNT; field++) {
        BSTR value = attributeValue(attributes, names->fields[field]);
        const MatchFieldRow &row = MATCH_FIELDS[field];
        SYSTEMTIME parsed;
        if (row.kind == KIND_OUTCOME)
            *matchFieldNumber(values, field) = matchStatusOutcome(value);
        else if (row.kind == KIND_TIME)
            copyTruncated(matchFieldText(values, field), value && parseMatchTime(value, &parsed) ? value : NULL,
                          row.capacity);
        else
            copyTruncated(matchFieldText(values, field), value, row.capacity);
        SysFreeString(value);
    }
    if (flags & READ_FIT_AT_ONCE) {
        if (!values.name[0])
            values.result[0] = 0;
        values.details->outcome = fittingOutcome(values.name, values.details->outcome);
    }
}

/* Seed="n" and Bye="1" of a Team element, taken as they come: whether they
 * make sense together is settled once every Team is read. Anything else in
 * them counts as absent. */
static void readSeedAndBye(BracketNode *node, IXMLDOMNamedNodeMap *attributes, const MatchAttributes *names)
{
    BSTR seed = attributeValue(attributes, names->seed);
    BSTR bye = attributeValue(attributes, names->bye);
    if (!seed || !parseDecimal(seed, &node->seed))
        node->seed = 0;
    node->bye = bye && sameName(bye, L"1");
    SysFreeString(bye);
    SysFreeString(seed);
}

/* A Team without a Name or a valid id is passed over. */
static void readTeam(Bracket *staged, IXMLDOMNode *team, const MatchAttributes *names)
{
    IXMLDOMNamedNodeMap *attributes = NULL;
    if (FAILED(team->get_attributes(&attributes)) || !attributes)
        return;
    BSTR name = attributeValue(attributes, names->fields[FIELD_NAME]);
    BSTR id = name ? attributeValue(attributes, names->id) : NULL;
    int slot = 0;
    if (name && id && parseDecimal(id, &slot) && slot >= 1 && slot <= 2 * staged->slotCount - 1) {
        BracketNode *node = staged->nodeTable[slot - 1];
        readMatchElement(attributes, nodeValues(node), names, 0);
        readSeedAndBye(node, attributes, names);
    }
    attributes->Release();
    SysFreeString(id);
    SysFreeString(name);
}

/* Every Team child of Games in document order; a later element for the
 * same id overwrites an earlier one. */
static void readTeams(IXMLDOMDocument *document, Bracket *staged, const MatchAttributes *names)
{
    BSTR query = SysAllocString(L"Games/Team");
    IXMLDOMNodeList *teams = NULL;
    long count = 0;
    if (query && SUCCEEDED(document->selectNodes(query, &teams)) && teams && SUCCEEDED(teams->get_length(&count))) {
        for (long i = 0; i < count; i++) {
            IXMLDOMNode *team = NULL;
            if (SUCCEEDED(teams->get_item(i, &team)) && team) {
                readTeam(staged, team, names);
                team->Release();
            }
        }
    }
    if (teams)
        teams->Release();
    SysFreeString(query);
}

/* Before byes and withdrawals are passed on, so a double walkover takes
 * effect with the rest. A first-round slot is no match: it keeps only its
 * name and, until dropStrayResults just after, its result; every other
 * field goes back to its empty value (an outcome's is "played"). */
static void dropStrayDetails(Bracket *staged)
{
    for (int id = 1; id <= 2 * staged->slotCount - 1; id++) {
        BracketNode *node = staged->nodeTable[id - 1];
        if (node->left) {
            node->details.outcome = fittingOutcome(node->name, node->details.outcome);
            continue;
        }
        MatchValues values = nodeValues(node);
        for (int field = 0; field < MATCH_FIELD_COUNT; field++) {
            WCHAR *text = matchFieldText(values, field);
            if (field == FIELD_NAME || field == FIELD_RESULT)
                continue;
            if (text)
                text[0] = 0;
            else
                *matchFieldNumber(values, field) = 0;
        }
    }
}

/* A result belongs to a match with a pick: one on a base slot or beside an
 * empty pick stands for nothing and is dropped. */
static void dropStrayResults(Bracket *staged)
{
    for (int id = 1; id <= 2 * staged->slotCount - 1; id++) {
        BracketNode *node = staged->nodeTable[id - 1];
        if (!node->left || !node->name[0])
            node->result[0] = 0;
    }
}

/* <ThirdPlace Name="" Score=""/>: present turns the match on, for brackets
 * large enough to have one. Whether the name is a loser is the pick rules'
 * question, asked with the other picks' once the file is open. */
static void readThirdPlace(IXMLDOMDocument *document, Bracket *staged, const MatchAttributes *names)
{
    if (staged->slotCount < 4)
        return;
    BSTR query = SysAllocString(L"Games/ThirdPlace");
    IXMLDOMNode *element = NULL;
    if (query && SUCCEEDED(document->selectSingleNode(query, &element)) && element) {
        staged->thirdPlaceOn = 1;
        IXMLDOMNamedNodeMap *attributes = NULL;
        if (SUCCEEDED(element->get_attributes(&attributes)) && attributes) {
            readMatchElement(attributes, nodeValues(&staged->thirdPlace), names, READ_FIT_AT_ONCE);
            attributes->Release();
        }
        element->Release();
    }
    SysFreeString(query);
}

/* One losers' match or grand final, each field taken as a Team's. */
static void readLosersMatch(BracketNode *match, IXMLDOMNode *element, const MatchAttributes *names)
{
    IXMLDOMNamedNodeMap *attributes = NULL;
    if (FAILED(element->get_attributes(&attributes)) || !attributes)
        return;
    readMatchElement(attributes, nodeValues(match), names, READ_FIT_AT_ONCE);
    attributes->Release();
}

/* The first element the query finds, read into match; 1 when there was one. */
static int readSingleMatch(IXMLDOMDocument *document, const WCHAR *xpath, BracketNode *match,
                           const MatchAttributes *names)
{
    BSTR query = SysAllocString(xpath);
    IXMLDOMNode *element = NULL;
    int found = query && SUCCEEDED(document->selectSingleNode(query, &element)) && element;
    if (found) {
        readLosersMatch(match, element, names);
        element->Release();
    }
    SysFreeString(query);
    return found;
}

/* The Team children of Losers, by id into matches (id k at k - 1); an id
 * outside 1 .. matchCount is passed over and a later element for the same id
 * overwrites an earlier one. */
static void readLosersTeams(IXMLDOMDocument *document, BracketNode *matches, int matchCount,
                            const MatchAttributes *names)
{
    BSTR query = SysAllocString(L"Games/Losers/Team");
    IXMLDOMNodeList *teams = NULL;
    long count = 0;
    if (query && SUCCEEDED(document->selectNodes(query, &teams)) && teams && SUCCEEDED(teams->get_length(&count))) {
        for (long i = 0; i < count; i++) {
            IXMLDOMNode *team = NULL;
            if (FAILED(teams->get_item(i, &team)) || !team)
                continue;
            IXMLDOMNamedNodeMap *attributes = NULL;
            BSTR id = NULL;
            int k = 0;
            if (SUCCEEDED(team->get_attributes(&attributes)) && attributes) {
                id = attributeValue(attributes, names->id);
                attributes->Release();
            }
            if (id && parseDecimal(id, &k) && k >= 1 && k <= matchCount)
                readLosersMatch(&matches[k - 1], team, names);
            SysFreeString(id);
            team->Release();
        }
    }
    if (teams)
        teams->Release();
    SysFreeString(query);
}

/* <Losers Reset="1"> or <GrandFinal/> makes the bracket double
 * elimination, for brackets large enough to have one. Whether each name is
 * one of its match's entrants is the invalid-picks question, asked with
 * the winners' picks once the file is open. Returns 0 when memory ran out. */
static int readLosers(IXMLDOMDocument *document, Bracket *staged, const MatchAttributes *names)
{
    if (!losersAllowed(staged))
        return 1;
    int present = 0;
    const WCHAR *const queries[] = {L"Games/Losers", L"Games/GrandFinal"};
    for (const WCHAR *xpath : queries) {
        BSTR query = SysAllocString(xpath);
        IXMLDOMNode *element = NULL;
        if (query && SUCCEEDED(document->selectSingleNode(query, &element)) && element) {
            present = 1;
            element->Release();
        }
        SysFreeString(query);
    }
    if (!present)
        return 1;
    if (!prepareLosersBracket(staged))
        return 0;
    /* The matches the elements go into, found before any is read: from here
     * the file's part fills the model's without asking it again. */
    int count = losersMatchCount(staged);
    BracketNode *final = grandFinal(staged), *reset = grandFinalReset(staged);
    BSTR resetFlag = NULL;
    staged->losers.reset = selectText(document, L"Games/Losers/@Reset", &resetFlag) && sameName(resetFlag, L"1");
    SysFreeString(resetFlag);
    readLosersTeams(document, staged->losers.matches, count, names);
    readSingleMatch(document, L"Games/GrandFinal", final, names);
    if (staged->losers.reset)
        readSingleMatch(document, L"Games/GrandFinalReset", reset, names);
    staged->losers.on = 1;
    staged->thirdPlaceOn = 0;
    return 1;
}

/* The parts of a file a plain knockout does without. */
enum { PART_THIRD_PLACE = 1, PART_LOSERS = 2, PART_ENTRANTS = 4, PART_GROUPS = 8 };

/* Which of those parts the file holds, from one walk over the elements in
 * Games: a lookup of a part that is not there reads past every Team again,
 * and the read-back of every save pays for it. */
static int presentParts(IXMLDOMDocument *document)
{
    static const struct {
        const WCHAR *name;
        int part;
    } PARTS[] = {{L"ThirdPlace", PART_THIRD_PLACE}, {L"Losers", PART_LOSERS}, {L"GrandFinal", PART_LOSERS},
                 {L"Entrants", PART_ENTRANTS},      {L"Groups", PART_GROUPS}};
    BSTR query = SysAllocString(L"Games");
    IXMLDOMNode *games = NULL, *child = NULL;
    if (query && SUCCEEDED(document->selectSingleNode(query, &games)) && games)
        games->get_firstChild(&child);
    SysFreeString(query);
    if (games)
        games->Release();
    int parts = 0;
    while (child) {
        DOMNodeType type = NODE_INVALID;
        BSTR name = NULL;
        if (SUCCEEDED(child->get_nodeType(&type)) && type == NODE_ELEMENT && SUCCEEDED(child->get_nodeName(&name)) &&
            name) {
            for (const auto &known : PARTS)
                if (sameName(name, known.name))
                    parts |= known.part;
        }
        SysFreeString(name);
        IXMLDOMNode *next = NULL;
        if (FAILED(child->get_nextSibling(&next)))
            next = NULL;
        child->Release();
        child = next;
    }
    return parts;
}

int readBracketFile(const WCHAR *path, Bracket *staged, OpenReport *report)
{
    report->fault = OPEN_FAULT_NOT_FOUND;
    report->error = ERROR_INVALID_NAME;
    if (!path)
        return 0;
    report->fault = OPEN_FAULT_UNREADABLE;
    report->error = ERROR_NOT_ENOUGH_MEMORY;
    IXMLDOMDocument *document = createBracketDocument();
    if (!document)
        return 0;
    int count = 0;
    if (!loadDocumentFile(document, path, report)) {
        document->Release();
        return 0;
    }
    if (!readTeamCount(document, &count) || !buildBracket(staged, count)) {
        report->fault = OPEN_FAULT_NOT_BRACKET;
        report->error = 0;
        document->Release();
        return 0;
    }
    BSTR title = NULL;
    if (selectText(document, L"Games/Title", &title))
        copyTruncated(staged->title, title, TITLE_CAPACITY);
    SysFreeString(title);
    /* Without the attribute names no match can be read: the file opens
     * with its names empty, as it did when each kind made its own. */
    MatchAttributes names = {};
    int named = makeMatchAttributes(&names);
    if (named)
        readTeams(document, staged, &names);
    dropStrayDetails(staged);
    dropStrayResults(staged);
    int parts = presentParts(document);
    if (named && (parts & PART_THIRD_PLACE))
        readThirdPlace(document, staged, &names);
    int losersRead = !named || !(parts & PART_LOSERS) || readLosers(document, staged, &names);
    freeMatchAttributes(&names);
    if (!losersRead || ((parts & PART_ENTRANTS) && !readEntrantElements(document, staged)) ||
        ((parts & PART_GROUPS) && !readGroupElements(document, staged, report))) {
        resetBracket(staged);
        document->Release();
        return 0;
    }
    document->Release();
    /* The file read whole settles once, in the order entrants flow: the
     * tree, the losers' bracket, then the knockout from its groups. Every
     * empty pick a bye or a double walkover decides is made here, also when
     * the file lacks it; a pick the file gives someone who cannot be there
     * stays for the invalid-picks question. */
    settleSeedsAndByes(staged);
    settleLosersBracket(staged, SETTLE_KEEP_INVALID);
    /* The knockout follows its groups: a file another tool made may name
     * others in the first round, and the groups are what was played. */
    int dirty = staged->dirty;
    noteMatchPairings(staged);
    carryChangeOn(staged, CHANGED_IN_GROUPS);
    staged->dirty = dirty;
    report->fault = OPEN_FAULT_NONE;
    report->error = 0;
    return 1;
}

int readsBackAsBracket(const WCHAR *path, int slotCount)
{
    Bracket staged;
    initBracket(&staged, NULL);
    OpenReport report;
    int result = readBracketFile(path, &staged, &report) && staged.slotCount == slotCount;
    resetBracket(&staged);
    return result;
}
