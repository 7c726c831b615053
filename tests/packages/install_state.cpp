// Prints what an installation of the editor left in the registry, in one
// Wine start instead of one per question (each costs half a second):
//   openwith: yes|no       Duelmark.Bracket among .xml's OpenWithProgids
//   xml default: <text>    the default program (ProgId) of .xml files
//   progid: yes|no         the ProgId's own key under HKLM\Software\Classes
//   product key: yes|no    HKLM\Software\Duelmark
//   installed: <version>   one line per product named Duelmark in the
//                          programs list, with its DisplayVersion, then
//                          that entry's publisher:, display icon:,
//                          install location: and estimated size: (KiB)
#include <windows.h>
#include <string>

namespace {

void print(const std::wstring &line)
{
    std::wstring text = line + L"\n";
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), NULL, 0, NULL, NULL);
    std::string utf8(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &utf8[0], bytes, NULL, NULL);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), (DWORD)utf8.size(), &written, NULL);
}

bool keyExists(HKEY root, const wchar_t *path)
{
    HKEY key;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// A string value, or empty when the key or the value is missing.
std::wstring stringValue(HKEY root, const wchar_t *path, const wchar_t *name, bool *found = NULL)
{
    WCHAR data[512] = L"";
    DWORD size = sizeof data - sizeof(WCHAR);
    LSTATUS status = RegGetValueW(root, path, name, RRF_RT_REG_SZ, NULL, data, &size);
    if (found)
        *found = status == ERROR_SUCCESS;
    return status == ERROR_SUCCESS ? data : L"";
}

std::wstring dwordValue(HKEY root, const wchar_t *path, const wchar_t *name)
{
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegGetValueW(root, path, name, RRF_RT_REG_DWORD, NULL, &data, &size) != ERROR_SUCCESS)
        return L"";
    return std::to_wstring(data);
}

const wchar_t *yesNo(bool value) { return value ? L"yes" : L"no"; }

}  // namespace

int wmain()
{
    bool openWith = false;
    stringValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.xml\\OpenWithProgids", L"Duelmark.Bracket", &openWith);
    print(std::wstring(L"openwith: ") + yesNo(openWith));
    print(L"xml default: " + stringValue(HKEY_CLASSES_ROOT, L".xml", NULL));
    print(std::wstring(L"progid: ") + yesNo(keyExists(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Duelmark.Bracket")));
    print(std::wstring(L"product key: ") + yesNo(keyExists(HKEY_LOCAL_MACHINE, L"Software\\Duelmark")));

    const wchar_t *uninstall = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    HKEY products;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, uninstall, 0, KEY_READ, &products) != ERROR_SUCCESS)
        return 0;
    WCHAR name[256];
    for (DWORD i = 0, length = ARRAYSIZE(name); RegEnumKeyExW(products, i, name, &length, NULL, NULL, NULL, NULL) == ERROR_SUCCESS;
         i++, length = ARRAYSIZE(name)) {
        std::wstring product = std::wstring(uninstall) + L"\\" + name;
        if (stringValue(HKEY_LOCAL_MACHINE, product.c_str(), L"DisplayName") == L"Duelmark") {
            print(L"installed: " + stringValue(HKEY_LOCAL_MACHINE, product.c_str(), L"DisplayVersion"));
            print(L"publisher: " + stringValue(HKEY_LOCAL_MACHINE, product.c_str(), L"Publisher"));
            print(L"display icon: " + stringValue(HKEY_LOCAL_MACHINE, product.c_str(), L"DisplayIcon"));
            print(L"install location: " + stringValue(HKEY_LOCAL_MACHINE, product.c_str(), L"InstallLocation"));
            print(L"estimated size: " + dwordValue(HKEY_LOCAL_MACHINE, product.c_str(), L"EstimatedSize"));
        }
    }
    RegCloseKey(products);
    return 0;
}
