#include "file/xml_document.h"

/* Spelled out here: MinGW's headers map the DOMDocument class id to another
 * name and ship no import library for these GUIDs. */
static const CLSID DOM_DOCUMENT_CLASS = {
    0xF6D90F11, 0x9C73, 0x11D3, { 0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4 } };
static const IID DOM_DOCUMENT_INTERFACE = {
    0x2933BF81, 0x7B36, 0x11D2, { 0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60 } };
static const IID DOM_DOCUMENT2_INTERFACE = {
    0x2933BF95, 0x7B36, 0x11D2, { 0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60 } };

/* Older components do not know ProhibitDTD and some accept it without
 * acting on it; the loader refuses any document with a doctype anyway, so
 * this is a first line of defence and its failure is not fatal. */
static void prohibitDtd(IXMLDOMDocument *document)
{
    IXMLDOMDocument2 *document2 = NULL;
    if (FAILED(document->QueryInterface(DOM_DOCUMENT2_INTERFACE, (void **)&document2)) || !document2)
        return;
    BSTR name = SysAllocString(L"ProhibitDTD");
    if (name) {
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_BOOL;
        value.boolVal = VARIANT_TRUE;
        document2->setProperty(name, value);
        SysFreeString(name);
    }
    document2->Release();
}

IXMLDOMDocument *createBracketDocument(void)
{
    IXMLDOMDocument *document = NULL;
    HRESULT hr = CoCreateInstance(DOM_DOCUMENT_CLASS, NULL, CLSCTX_INPROC_SERVER, DOM_DOCUMENT_INTERFACE,
                                  (void **)&document);
    if (FAILED(hr) || !document)
        return NULL;
    /* Loading is asynchronous by default, and the component trims element
     * text unless told otherwise, which would change a title with outer
     * spaces on every round trip. */
    if (FAILED(document->put_async(VARIANT_FALSE)) ||
        FAILED(document->put_preserveWhiteSpace(VARIANT_TRUE)) ||
        FAILED(document->put_resolveExternals(VARIANT_FALSE)) ||
        FAILED(document->put_validateOnParse(VARIANT_FALSE))) {
        document->Release();
        return NULL;
    }
    prohibitDtd(document);
    return document;
}
