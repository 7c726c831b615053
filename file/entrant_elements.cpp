#include "file/entrant_elements.h"
#include "file/parse_decimal.h"

/* Whether the unit at c cannot stand in XML 1.0: a control other than
 * tab and line breaks, U+FFFE, U+FFFF or half a surrogate pair. */
static int unwritableAt(const WCHAR *c, const WCHAR *start)
{
    if ((*c < 0x20 && *c != L'\t' && *c != L'\n' && *c != L'\r') || *c == 0xFFFE || *c == 0xFFFF)
        return 1;
    if (*c >= 0xD800 && *c <= 0xDBFF)
        return c[1] < 0xDC00 || c[1] > 0xDFFF;
    if (*c >= 0xDC00 && *c <= 0xDFFF)
        return c == start || c[-1] < 0xD800 || c[-1] > 0xDBFF;
    return 0;
}

/* A BSTR of text with every unit XML cannot carry turned into U+FFFD: a
 * list imported from a spreadsheet may hold a stray control character,
 * and it must cost that character, never the save. */
static BSTR carriedText(const WCHAR *text)
{
    BSTR copy = SysAllocString(text);
    if (!copy)
        return NULL;
    for (WCHAR *c = copy; *c; c++) {
        if (unwritableAt(c, copy))
            *c = 0xFFFD;
    }
    return copy;
}

/* Sets the attribute when value is not empty. Returns 1, or 0 when the
 * component failed. */
static int setFilledAttribute(IXMLDOMElement *element, const WCHAR *attribute, const WCHAR *value)
{
    if (!value[0])
        return 1;
    BSTR name = SysAllocString(attribute);
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = carriedText(value);
    int result = name && text.bstrVal && SUCCEEDED(element->setAttribute(name, text));
    SysFreeString(text.bstrVal);
    SysFreeString(name);
    return result;
}

static IXMLDOMElement *newElement(IXMLDOMDocument *document, const WCHAR *elementName)
{
    BSTR name = SysAllocString(elementName);
    IXMLDOMElement *element = NULL;
    if (name && FAILED(document->createElement(name, &element)) && element) {
        element->Release();
        element = NULL;
    }
    SysFreeString(name);
    return element;
}

static int appendChild(IXMLDOMElement *parent, IXMLDOMElement *child)
{
    IXMLDOMNode *added = NULL;
    HRESULT hr = parent->appendChild(child, &added);
    if (added)
        added->Release();
    return SUCCEEDED(hr) && added;
}

static int appendEntrant(IXMLDOMDocument *document, IXMLDOMElement *list, const Entrant *entrant)
{
    IXMLDOMElement *element = newElement(document, L"Entrant");
    if (!element)
        return 0;
    WCHAR rating[16] = L"";
    WCHAR seed[16] = L"";
    if (entrant->rated)
        wsprintfW(rating, L"%d", entrant->rating);
    if (entrant->seed > 0)
        wsprintfW(seed, L"%d", entrant->seed);
    int result = setFilledAttribute(element, L"Name", entrant->name) &&
                 setFilledAttribute(element, L"Club", entrant->club) && setFilledAttribute(element, L"Rating", rating) &&
                 setFilledAttribute(element, L"Seed", seed) && appendChild(list, element);
    element->Release();
    return result;
}

int appendEntrantElements(IXMLDOMDocument *document, IXMLDOMElement *games, const Bracket *bracket)
{
    if (bracket->entrants.count == 0)
        return 1;
    IXMLDOMElement *list = newElement(document, L"Entrants");
    int result = list != NULL;
    for (int i = 0; result && i < bracket->entrants.count; i++)
        result = appendEntrant(document, list, &bracket->entrants.items[i]);
    result = result && appendChild(games, list);
    if (list)
        list->Release();
    return result;
}

/* The attribute's text, or NULL when absent (the caller frees it). */
static BSTR attributeText(IXMLDOMNamedNodeMap *attributes, const WCHAR *attribute)
{
    BSTR name = SysAllocString(attribute);
    IXMLDOMNode *node = NULL;
    HRESULT hr = name ? attributes->getNamedItem(name, &node) : E_OUTOFMEMORY;
    SysFreeString(name);
    if (hr != S_OK || !node)
        return NULL;
    VARIANT value;
    VariantInit(&value);
    hr = node->get_nodeValue(&value);
    node->Release();
    if (FAILED(hr) || value.vt != VT_BSTR) {
        VariantClear(&value);
        return NULL;
    }
    /* An empty value may come back as a NULL BSTR; it is still present. */
    return value.bstrVal ? value.bstrVal : SysAllocString(L"");
}

/* A whole number with an optional minus, within the rating's bound. */
static int readRating(const WCHAR *text, int *rating)
{
    int negative = text[0] == L'-';
    int value = 0;
    if (!text[negative] || !parseDecimal(text + negative, &value) || value > MAX_RATING)
        return 0;
    *rating = negative ? -value : value;
    return 1;
}

/* Returns 0 only when memory ran out; a bad element is passed over. */
static int readEntrant(IXMLDOMNode *node, EntrantList *list)
{
    IXMLDOMNamedNodeMap *attributes = NULL;
    if (FAILED(node->get_attributes(&attributes)) || !attributes)
        return 1;
    BSTR name = attributeText(attributes, L"Name");
    BSTR club = attributeText(attributes, L"Club");
    BSTR rating = attributeText(attributes, L"Rating");
    BSTR seed = attributeText(attributes, L"Seed");
    attributes->Release();
    Entrant entrant = {};
    int result = 1;
    if (name && name[0] && copyFittingText(entrant.name, NAME_CAPACITY, name, -1) &&
        findEntrant(list, entrant.name) < 0) {
        if (club)
            copyFittingText(entrant.club, CLUB_CAPACITY, club, -1);
        entrant.rated = rating && readRating(rating, &entrant.rating);
        if (!seed || !parseDecimal(seed, &entrant.seed) || entrant.seed > MAX_TEAM_COUNT)
            entrant.seed = 0;
        result = addEntrant(list, &entrant) || list->count >= MAX_ENTRANT_LIST_COUNT;
    }
    SysFreeString(seed);
    SysFreeString(rating);
    SysFreeString(club);
    SysFreeString(name);
    return result;
}

int readEntrantElements(IXMLDOMDocument *document, Bracket *staged)
{
    BSTR query = SysAllocString(L"Games/Entrants/Entrant");
    IXMLDOMNodeList *nodes = NULL;
    long count = 0;
    int result = query != NULL;
    if (result && SUCCEEDED(document->selectNodes(query, &nodes)) && nodes && SUCCEEDED(nodes->get_length(&count))) {
        for (long i = 0; result && i < count; i++) {
            IXMLDOMNode *node = NULL;
            if (SUCCEEDED(nodes->get_item(i, &node)) && node) {
                result = readEntrant(node, &staged->entrants);
                node->Release();
            }
        }
    }
    if (nodes)
        nodes->Release();
    SysFreeString(query);
    return result;
}
