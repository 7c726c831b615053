#include "file/group_elements.h"

#include "file/match_status.h"
#include "file/parse_decimal.h"
#include "model/entrant_name.h"
#include "model/group_stage.h"
#include "model/match_fields.h"

static const WCHAR *const RULES_NAMES[RULES_COUNT] = {L"table-tennis", L"badminton", L"football",
                                                      L"head-to-head"};

const WCHAR *groupRulesName(int rules)
{
    return rules >= 0 && rules < RULES_COUNT ? RULES_NAMES[rules] : L"";
}

int groupRulesOfName(const WCHAR *name)
{
    for (int rules = 0; name && rules < RULES_COUNT; rules++)
        if (sameName(name, RULES_NAMES[rules]))
            return rules;
    return -1;
}

/* ---- reading ---- */

/* The attribute's value into text (capacity units, cut), L"" when absent.
 * Returns 1 when present. */
static int readAttribute(IXMLDOMNode *node, const WCHAR *name, WCHAR *text, int capacity)
{
    text[0] = 0;
    IXMLDOMElement *element = NULL;
    if (FAILED(node->QueryInterface(IID_IXMLDOMElement, (void **)&element)) || !element)
        return 0;
    BSTR attribute = SysAllocString(name);
    VARIANT value;
    VariantInit(&value);
    int present = attribute && element->getAttribute(attribute, &value) == S_OK && value.vt == VT_BSTR;
    if (present && value.bstrVal) {
        int length = 0;
        while (value.bstrVal[length] && length < capacity - 1)
            length++;
        if (value.bstrVal[length] && length > 0 && value.bstrVal[length - 1] >= 0xD800 &&
            value.bstrVal[length - 1] <= 0xDBFF)
            length--;
        lstrcpynW(text, value.bstrVal, length + 1);
    }
    VariantClear(&value);
    SysFreeString(attribute);
    element->Release();
    return present;
}

/* A number attribute; 0 when absent or no plain decimal. */
static int readNumber(IXMLDOMNode *node, const WCHAR *name, int *number)
{
    WCHAR text[16];
    *number = 0;
    return readAttribute(node, name, text, 16) && parseDecimal(text, number);
}

/* The children the query finds under node (NULL when none could be
 * listed); the caller releases the list. */
static IXMLDOMNodeList *selectAll(IXMLDOMNode *node, const WCHAR *xpath, long *count)
{
    *count = 0;
    BSTR query = SysAllocString(xpath);
    IXMLDOMNodeList *list = NULL;
    if (!query || FAILED(node->selectNodes(query, &list)) || !list || FAILED(list->get_length(count))) {
        if (list)
            list->Release();
        list = NULL;
        *count = 0;
    }
    SysFreeString(query);
    return list;
}

static IXMLDOMNode *itemOf(IXMLDOMNodeList *list, long index)
{
    IXMLDOMNode *item = NULL;
    if (FAILED(list->get_item(index, &item)))
        return NULL;
    return item;
}

static int refuse(OpenReport *report, int fault, int group, int item)
{
    report->fault = OPEN_FAULT_GROUPS;
    report->error = 0;
    report->groupFault = fault;
    report->group = group;
    report->item = item;
    return 0;
}

/* One <Match>: its pairing found in the table, its fields taken as a
 * Team's, each only when valid. */
static int readGroupMatch(IXMLDOMNode *element, GroupStage *stage, int g, int index, int *seen, OpenReport *report)
{
    StageGroup *group = &stage->groups[g];
    int home, away;
    PairingPlace place;
    if (!readNumber(element, L"Home", &home) || !readNumber(element, L"Away", &away) ||
        !findPairing(group->count, home, away, &place))
        return refuse(report, GROUP_FAULT_NUMBER, g, index + 1);
    if (seen[place.match])
        return refuse(report, GROUP_FAULT_PAIRING_TWICE, g, index + 1);
    seen[place.match] = 1;
    BracketNode *node = &group->match[place.match];
    MatchValues values = nodeValues(node);
    for (int field = FIELD_NAME + 1; field < MATCH_FIELD_COUNT; field++) {
        const MatchFieldRow &row = MATCH_FIELDS[field];
        /* A number is held as one digit but written as its name, and a time
         * too long must not be cut into one. */
        WCHAR text[NAME_CAPACITY];
        readAttribute(element, row.attribute, text, row.kind == KIND_TEXT ? row.capacity : NAME_CAPACITY);
        SYSTEMTIME parsed;
        if (row.kind == KIND_OUTCOME)
            *matchFieldNumber(values, field) = matchStatusOutcome(text);
        else if (row.kind == KIND_TIME)
            lstrcpyW(matchFieldText(values, field), parseMatchTime(text, &parsed) ? text : L"");
        else
            lstrcpyW(matchFieldText(values, field), text);
    }
    /* The table's home entrant is written first; Winner names a number. */
    WCHAR winner[16];
    readAttribute(element, L"Winner", winner, 16);
    int number = 0, side = GROUP_UNDECIDED;
    if (sameName(winner, L"draw"))
        side = GROUP_DRAWN;
    else if (winner[0] && parseDecimal(winner, &number) && (number == home || number == away))
        side = (number == home) == (place.home != 0) ? GROUP_HOME_WON : GROUP_AWAY_WON;
    else if (winner[0])
        return refuse(report, GROUP_FAULT_NUMBER, g, index + 1);
    /* A result that cannot stand counts as played, as a Team's does. */
    int outcome = node->details.outcome;
    if (side == GROUP_DRAWN || (side == GROUP_UNDECIDED && outcome != OUTCOME_DOUBLE_WALKOVER))
        outcome = OUTCOME_PLAYED;
    if (side != GROUP_UNDECIDED && outcome == OUTCOME_DOUBLE_WALKOVER)
        outcome = OUTCOME_PLAYED;
    WCHAR result[RESULT_CAPACITY];
    lstrcpyW(result, node->result);
    node->result[0] = 0;
    node->details.outcome = OUTCOME_PLAYED;
    if (!recordGroupMatchResult(group, stage->rules, place.match, side, result, outcome, NULL))
        recordGroupMatchResult(group, stage->rules, place.match, GROUP_UNDECIDED, L"", OUTCOME_PLAYED, NULL);
    return 1;
}

/* <Tied><Entrant Number="3"/>...</Tied> */
static int readTied(IXMLDOMNode *groupElement, GroupStage *stage, int g, OpenReport *report)
{
    long count = 0;
    IXMLDOMNodeList *list = selectAll(groupElement, L"Tied/Entrant", &count);
    int order[MAX_GROUP_SIZE];
    int taken = 0, valid = count <= MAX_GROUP_SIZE;
    for (long i = 0; list && valid && i < count; i++) {
        IXMLDOMNode *item = itemOf(list, i);
        valid = item && readNumber(item, L"Number", &order[taken]);
        taken += valid;
        if (item)
            item->Release();
    }
    if (list)
        list->Release();
    if (!valid || !recordGroupTiedOrder(&stage->groups[g], order, taken, NULL))
        return refuse(report, GROUP_FAULT_TIED, g, 0);
    return 1;
}

/* The entrants of every group, before any match is read, so that a name in
 * two groups is found wherever it stands. Returns the sizes, or 0. */
static int readGroupSizes(IXMLDOMNodeList *groups, long groupCount, int advancing, int *sizes, OpenReport *report)
{
    for (long g = 0; g < groupCount; g++) {
        IXMLDOMNode *group = itemOf(groups, g);
        long count = 0;
        IXMLDOMNodeList *entrants = group ? selectAll(group, L"Entrant", &count) : NULL;
        if (entrants)
            entrants->Release();
        if (group)
            group->Release();
        if (count < MIN_GROUP_SIZE || count > MAX_GROUP_SIZE || count < advancing)
            return refuse(report, GROUP_FAULT_SIZE, (int)g, (int)count);
        sizes[g] = (int)count;
    }
    return 1;
}

static int readEntrants(IXMLDOMNode *groupElement, GroupStage *stage, int g, OpenReport *report)
{
    StageGroup *group = &stage->groups[g];
    long count = 0;
    IXMLDOMNodeList *list = selectAll(groupElement, L"Entrant", &count);
    for (long i = 0; list && i < count && i < group->count; i++) {
        IXMLDOMNode *item = itemOf(list, i);
        if (item) {
            readAttribute(item, L"Name", group->entrant[i], NAME_CAPACITY);
            readNumber(item, L"Seed", &group->seed[i]);
            if (group->seed[i] < 0 || group->seed[i] > MAX_TEAM_COUNT)
                group->seed[i] = 0;
            item->Release();
        }
    }
    if (list)
        list->Release();
    /* An entrant named twice stands in two places, and every match of the
     * one is a match of the other, in this group or another. */
    for (int k = 0; k < group->count; k++)
        for (int h = 0; h <= g; h++) {
            StageGroup *other = &stage->groups[h];
            for (int j = 0; group->entrant[k][0] && j < (h == g ? k : other->count); j++)
                if (sameEntrantName(group->entrant[k], other->entrant[j])) {
                    lstrcpyW(report->name, group->entrant[k]);
                    return refuse(report, GROUP_FAULT_OTHER_GROUP, g, k + 1);
                }
        }
    return 1;
}

/* Into the stage made for the file: the groups' part of it alone. */
static int readGroup(IXMLDOMNode *groupElement, GroupStage *stage, int g, OpenReport *report)
{
    if (!readEntrants(groupElement, stage, g, report))
        return 0;
    long count = 0;
    IXMLDOMNodeList *list = selectAll(groupElement, L"Match", &count);
    int seen[MAX_GROUP_MATCHES] = {};
    int read = 1;
    for (long i = 0; list && read && i < count; i++) {
        IXMLDOMNode *item = itemOf(list, i);
        read = item && readGroupMatch(item, stage, g, (int)i, seen, report);
        if (item)
            item->Release();
    }
    if (list)
        list->Release();
    return read && readTied(groupElement, stage, g, report);
}

/* Everything but the memory: the counts and rules of Groups. */
static int readStageFormat(IXMLDOMNode *groupsElement, long groupCount, int *advancing, int *rules,
                           OpenReport *report)
{
    WCHAR name[32];
    readAttribute(groupsElement, L"Rules", name, 32);
    *rules = groupRulesOfName(name);
    if (!readNumber(groupsElement, L"Advance", advancing) || *advancing < 1 ||
        *advancing > MAX_GROUP_ADVANCING || *rules < 0 || groupCount < 1 || groupCount > MAX_GROUP_COUNT)
        return refuse(report, GROUP_FAULT_FORMAT, 0, 0);
    return 1;
}

static int readStage(IXMLDOMNode *groupsElement, Bracket *staged, OpenReport *report)
{
    long groupCount = 0;
    IXMLDOMNodeList *groups = selectAll(groupsElement, L"Group", &groupCount);
    int advancing, rules, sizes[MAX_GROUP_COUNT];
    GroupKnockout knockout;
    int read = readStageFormat(groupsElement, groupCount, &advancing, &rules, report) &&
               readGroupSizes(groups, groupCount, advancing, sizes, report);
    if (read && (!placeGroupKnockout((int)groupCount, advancing, &knockout) ||
                 knockout.slotCount != staged->slotCount))
        read = refuse(report, GROUP_FAULT_KNOCKOUT, 0, knockout.slotCount);
    if (read && !prepareGroupStage(staged, (int)groupCount, sizes, rules, advancing)) {
        report->fault = OPEN_FAULT_UNREADABLE;
        report->error = ERROR_NOT_ENOUGH_MEMORY;
        read = 0;
    }
    /* Off while read: a group read only part-way is not decided, and its
     * knockout slots must not lose the names and picks the file gives. */
    staged->groups.on = 0;
    for (long g = 0; read && g < groupCount; g++) {
        IXMLDOMNode *group = itemOf(groups, g);
        read = group && readGroup(group, &staged->groups, (int)g, report);
        if (group)
            group->Release();
    }
    if (groups)
        groups->Release();
    staged->groups.on = staged->groups.groups != NULL;
    return read;
}

int readGroupElements(IXMLDOMDocument *document, Bracket *staged, OpenReport *report)
{
    BSTR query = SysAllocString(L"Games/Groups");
    IXMLDOMNode *element = NULL;
    int present = query && SUCCEEDED(document->selectSingleNode(query, &element)) && element;
    SysFreeString(query);
    if (!present)
        return 1;
    int read = readStage(element, staged, report);
    element->Release();
    return read;
}

/* ---- writing ---- */

/* Whether one character (a surrogate pair whole) is one XML 1.0 cannot
 * carry: the writer's rule, which a save has applied to every name before. */
static int unwritable(const WCHAR *c)
{
    if (*c < 0x20)
        return *c != L'\t' && *c != L'\n' && *c != L'\r';
    if (*c == 0xFFFE || *c == 0xFFFF || (*c >= 0xDC00 && *c <= 0xDFFF))
        return 1;
    return *c >= 0xD800 && *c <= 0xDBFF && (c[1] < 0xDC00 || c[1] > 0xDFFF);
}

/* Text XML can carry: what it cannot is turned into U+FFFD, as the
 * recovery copy's other texts are. */
static BSTR carriable(const WCHAR *text)
{
    BSTR copy = SysAllocString(text);
    for (WCHAR *c = copy; copy && *c; c++) {
        if (unwritable(c))
            *c = 0xFFFD;
        else if (*c >= 0xD800 && *c <= 0xDBFF)
            c++;
    }
    return copy;
}

static int setAttribute(IXMLDOMElement *element, const WCHAR *name, const WCHAR *value)
{
    BSTR attribute = SysAllocString(name);
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = carriable(value);
    int set = attribute && text.bstrVal && SUCCEEDED(element->setAttribute(attribute, text));
    SysFreeString(text.bstrVal);
    SysFreeString(attribute);
    return set;
}

static int setNumberAttribute(IXMLDOMElement *element, const WCHAR *name, int number)
{
    WCHAR text[16];
    wsprintfW(text, L"%d", number);
    return setAttribute(element, name, text);
}

/* A new element appended to parent; the caller releases it. */
static IXMLDOMElement *appendElement(IXMLDOMDocument *document, IXMLDOMElement *parent, const WCHAR *name)
{
    BSTR tag = SysAllocString(name);
    IXMLDOMElement *element = NULL;
    if (!tag || FAILED(document->createElement(tag, &element)) || !element) {
        SysFreeString(tag);
        return NULL;
    }
    SysFreeString(tag);
    IXMLDOMNode *added = NULL;
    HRESULT hr = parent->appendChild(element, &added);
    if (added)
        added->Release();
    if (FAILED(hr) || !added) {
        element->Release();
        return NULL;
    }
    return element;
}

static int appendMatch(IXMLDOMDocument *document, IXMLDOMElement *parent, StageGroup *group, int m)
{
    IXMLDOMElement *element = appendElement(document, parent, L"Match");
    int home = 0, away = 0;
    groupMatchEntrants(group, m, &home, &away);
    int result = element && setNumberAttribute(element, L"Home", home) && setNumberAttribute(element, L"Away", away);
    int winner = groupMatchWinner(group, m);
    if (result && winner != GROUP_UNDECIDED) {
        WCHAR text[16];
        if (winner == GROUP_DRAWN)
            lstrcpyW(text, L"draw");
        else
            wsprintfW(text, L"%d", winner == GROUP_HOME_WON ? home : away);
        result = setAttribute(element, L"Winner", text);
    }
    MatchValues values = nodeValues(&group->match[m]);
    for (int field = FIELD_NAME + 1; result && field < MATCH_FIELD_COUNT; field++) {
        const WCHAR *text = matchFieldText(values, field);
        if (!text)
            text = matchStatusName(*matchFieldNumber(values, field));
        if (text && text[0])
            result = setAttribute(element, MATCH_FIELDS[field].attribute, text);
    }
    if (element)
        element->Release();
    return result;
}

static int appendGroup(IXMLDOMDocument *document, IXMLDOMElement *groups, Bracket *bracket, int g)
{
    StageGroup *group = stageGroup(bracket, g);
    IXMLDOMElement *element = appendElement(document, groups, L"Group");
    WCHAR letter[2] = {groupLetter(g), 0};
    int result = element && setAttribute(element, L"Name", letter);
    for (int k = 0; result && k < group->count; k++) {
        IXMLDOMElement *entrant = appendElement(document, element, L"Entrant");
        result = entrant && setAttribute(entrant, L"Name", group->entrant[k]) &&
                 (!group->seed[k] || setNumberAttribute(entrant, L"Seed", group->seed[k]));
        if (entrant)
            entrant->Release();
    }
    for (int m = 0; result && m < group->matchCount; m++)
        result = appendMatch(document, element, group, m);
    int order[MAX_GROUP_SIZE];
    int tied = groupTiedOrder(group, order);
    if (result && tied) {
        IXMLDOMElement *lots = appendElement(document, element, L"Tied");
        result = lots != NULL;
        for (int k = 0; result && k < tied; k++) {
            IXMLDOMElement *entrant = appendElement(document, lots, L"Entrant");
            result = entrant && setNumberAttribute(entrant, L"Number", order[k]);
            if (entrant)
                entrant->Release();
        }
        if (lots)
            lots->Release();
    }
    if (element)
        element->Release();
    return result;
}

int appendGroupElements(IXMLDOMDocument *document, IXMLDOMElement *games, Bracket *bracket)
{
    GroupStage *stage = &bracket->groups;
    if (!stage->on || !stage->groups)
        return 1;
    IXMLDOMElement *groups = appendElement(document, games, L"Groups");
    int result = groups && setNumberAttribute(groups, L"Advance", stage->advancing) &&
                 setAttribute(groups, L"Rules", groupRulesName(stage->rules));
    for (int g = 0; result && g < stage->groupCount; g++)
        result = appendGroup(document, groups, bracket, g);
    if (groups)
        groups->Release();
    return result;
}
