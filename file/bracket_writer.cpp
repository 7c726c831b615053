#include "file/bracket_file.h"
#include "file/xml_document.h"
#include "model/pick_rules.h"

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

static int setStringAttribute(IXMLDOMElement *element, BSTR name, const WCHAR *value)
{
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(value);
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
    BSTR content = SysAllocString(text);
    IXMLDOMElement *element = name && content ? createNamedElement(document, name) : NULL;
    int result = element && SUCCEEDED(element->put_text(content)) && appendChildElement(parent, element);
    if (element)
        element->Release();
    SysFreeString(content);
    SysFreeString(name);
    return result;
}

/* One Team element per slot, base slots first and the champion last, which
 * is ascending id order. The three names are made once for all slots. */
static int appendTeams(IXMLDOMDocument *document, IXMLDOMElement *games, Bracket *bracket)
{
    BSTR teamName = SysAllocString(L"Team");
    BSTR nameAttribute = SysAllocString(L"Name");
    BSTR idAttribute = SysAllocString(L"id");
    int result = teamName && nameAttribute && idAttribute;
    for (int k = bracket->depth; result && k >= 0; k--) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); result && node; node = nextInLevel(node)) {
            WCHAR id[16];
            wsprintfW(id, L"%d", (int)node->id);
            IXMLDOMElement *team = createNamedElement(document, teamName);
            result = team && setStringAttribute(team, nameAttribute, node->name) &&
                     setStringAttribute(team, idAttribute, id) && appendChildElement(games, team);
            if (team)
                team->Release();
        }
    }
    SysFreeString(idAttribute);
    SysFreeString(nameAttribute);
    SysFreeString(teamName);
    return result;
}

/* Builds the whole document; 0 when the component failed at any step, so
 * an incomplete document is never written. */
static int fillDocument(IXMLDOMDocument *document, Bracket *bracket)
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
                 appendTextElement(document, games, L"Teams", count) && appendTeams(document, games, bracket);
    games->Release();
    return result;
}

int saveBracketFile(Bracket *bracket, HWND window, const WCHAR *path)
{
    if (bracket->slotCount == 0 || !path)
        return 0;
    if (!validatePicks(bracket, 0)) {
        if (askClearInvalidPicks(bracket, window) != IDYES)
            return 0;
        beginUndoStep(bracket, 0);
        validatePicks(bracket, 1);
        endUndoStep(bracket);
    }
    IXMLDOMDocument *document = createBracketDocument();
    if (!document)
        return 0;
    int result = fillDocument(document, bracket) && saveDocumentFile(document, path);
    document->Release();
    if (result) {
        bracket->dirty = 0;
        markUndoSavePoint(bracket);
    }
    return result;
}
