#include "bench/floor/bare_load.h"

const CLSID DOM_DOCUMENT_CLASS = {0xF6D90F11, 0x9C73, 0x11D3, {0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4}};
const IID DOM_DOCUMENT_INTERFACE = {0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

void bareLoad(const WCHAR *path)
{
    IXMLDOMDocument *document = NULL;
    if (FAILED(CoCreateInstance(DOM_DOCUMENT_CLASS, NULL, CLSCTX_INPROC_SERVER, DOM_DOCUMENT_INTERFACE,
                                (void **)&document)))
        return;
    document->put_async(VARIANT_FALSE);
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocString(path);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->load(source, &loaded);
    SysFreeString(source.bstrVal);
    document->Release();
}
