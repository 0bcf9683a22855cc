// Looks at an installed suite from inside Wine, as the installer tests need:
// version resources, the running programs, the registry, the shortcut, and
// the uninstaller's window. Output is "key=value" lines; exit status 0 when
// what was asked for is there, 1 when it is not, 2 on wrong usage.
//
//   InstallerProbe version FILE...              fixed=, FileVersion=, ProductVersion=,
//                                               ProductName=, FileDescription=, CompanyName=
//   InstallerProbe stamp VERSION FILE...        gives FILE a version resource with VERSION
//   InstallerProbe find monitor|option SECONDS  waits for the window; pid=, image=
//   InstallerProbe end-monitor SECONDS          tray exit command, then waits for the process
//   InstallerProbe reg SUBKEY [NAME]            a value under HKCU (or whether the key exists)
//   InstallerProbe shortcut LNK                 target=, folder=
//   InstallerProbe folders                      programs= (Start menu), localappdata=
//   InstallerProbe hold FILE                    opens FILE sharing nothing, says held=1 and
//                                               keeps it open until its input ends
//   InstallerProbe tick-and-proceed CAPTION CHECKBOX SECONDS
//                                               ticks CHECKBOX in window CAPTION, presses its
//                                               default button
#include <windows.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "contract/ProgramMessages.h"
#include "service/core/MonitorConstants.h"
#include "win32/UniqueHandleWin32.h"

namespace {

constexpr int kFound = 0;
constexpr int kMissing = 1;
constexpr int kUsage = 2;

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

void Print(const char* key, const std::wstring& value) {
    std::printf("%s=%s\n", key, Utf8(value).c_str());
}

// Polls `condition` every 100 ms until it holds or `seconds` pass.
template <typename Condition> bool Within(double seconds, Condition condition) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(100);
    }
}

// ---- version resources -------------------------------------------------------

constexpr const wchar_t* kStringKeys[] = {L"CompanyName",   L"FileDescription",  L"FileVersion",
                                          L"InternalName",  L"OriginalFilename", L"ProductName",
                                          L"ProductVersion"};

struct VersionInfo {
    VS_FIXEDFILEINFO fixed{};
    DWORD translation = 0x04B00409; // code page << 16 | language
    std::vector<std::pair<std::wstring, std::wstring>> strings;
};

bool ReadVersion(const std::wstring& file, VersionInfo& info) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<BYTE> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data()))
        return false;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", &value, &length) || length < sizeof info.fixed)
        return false;
    info.fixed = *static_cast<VS_FIXEDFILEINFO*>(value);
    if (VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length) && length >= 4)
        info.translation = *static_cast<DWORD*>(value);
    wchar_t table[16];
    swprintf(table, 16, L"%04x%04x", LOWORD(info.translation), HIWORD(info.translation));
    for (const wchar_t* key : kStringKeys) {
        std::wstring path = std::wstring(L"\\StringFileInfo\\") + table + L"\\" + key;
        if (VerQueryValueW(data.data(), path.c_str(), &value, &length) && length > 0)
            info.strings.emplace_back(key, static_cast<const wchar_t*>(value));
    }
    return true;
}

std::wstring FixedText(DWORD high, DWORD low) {
    wchar_t text[64];
    swprintf(text, 64, L"%u.%u.%u.%u", HIWORD(high), LOWORD(high), HIWORD(low), LOWORD(low));
    return text;
}

int PrintVersions(int count, wchar_t** files) {
    int status = kFound;
    for (int i = 0; i < count; ++i) {
        Print("file", files[i]);
        VersionInfo info;
        if (!ReadVersion(files[i], info)) {
            std::printf("missing=1\n");
            status = kMissing;
            continue;
        }
        Print("fixed", FixedText(info.fixed.dwFileVersionMS, info.fixed.dwFileVersionLS));
        for (const auto& [key, value] : info.strings)
            Print(Utf8(key).c_str(), value);
    }
    return status;
}

// One node of a VS_VERSIONINFO tree: header, key, value, then the children,
// each starting on a 32-bit boundary.
struct Node {
    std::wstring key;
    WORD type = 1; // 1 text, 0 binary
    std::vector<BYTE> value;
    WORD valueLength = 0; // characters for text, bytes for binary
    std::vector<Node> children;
};

void Align(std::vector<BYTE>& out) {
    while (out.size() % 4)
        out.push_back(0);
}

void PutWord(std::vector<BYTE>& out, WORD word) {
    out.push_back(LOBYTE(word));
    out.push_back(HIBYTE(word));
}

void Serialise(const Node& node, std::vector<BYTE>& out) {
    Align(out);
    const size_t start = out.size();
    PutWord(out, 0);
    PutWord(out, node.valueLength);
    PutWord(out, node.type);
    for (wchar_t c : node.key)
        PutWord(out, static_cast<WORD>(c));
    PutWord(out, 0);
    Align(out);
    out.insert(out.end(), node.value.begin(), node.value.end());
    for (const Node& child : node.children)
        Serialise(child, out);
    const size_t length = out.size() - start;
    out[start] = LOBYTE(length);
    out[start + 1] = HIBYTE(length);
}

Node TextNode(const std::wstring& key, const std::wstring& text) {
    Node node{key, 1, {}, static_cast<WORD>(text.size() + 1), {}};
    for (wchar_t c : text)
        PutWord(node.value, static_cast<WORD>(c));
    PutWord(node.value, 0);
    return node;
}

bool ParseVersion(const std::wstring& text, WORD (&parts)[4]) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    const int n = swscanf(text.c_str(), L"%u.%u.%u.%u", &a, &b, &c, &d);
    if (n < 1 || a > 0xFFFF || b > 0xFFFF || c > 0xFFFF || d > 0xFFFF)
        return false;
    parts[0] = static_cast<WORD>(a);
    parts[1] = static_cast<WORD>(b);
    parts[2] = static_cast<WORD>(c);
    parts[3] = static_cast<WORD>(d);
    return true;
}

BOOL CALLBACK FirstLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    *reinterpret_cast<WORD*>(found) = language;
    return FALSE;
}

// Replaces the version resource of `file` with one that says `version` and
// keeps every other string.
bool Stamp(const std::wstring& version, const std::wstring& file) {
    WORD parts[4];
    VersionInfo info;
    if (!ParseVersion(version, parts) || !ReadVersion(file, info))
        return false;
    info.fixed.dwFileVersionMS = info.fixed.dwProductVersionMS = MAKELONG(parts[1], parts[0]);
    info.fixed.dwFileVersionLS = info.fixed.dwProductVersionLS = MAKELONG(parts[3], parts[2]);

    wchar_t table[16];
    swprintf(table, 16, L"%04x%04x", LOWORD(info.translation), HIWORD(info.translation));
    Node strings{table, 1, {}, 0, {}};
    for (const auto& [key, value] : info.strings) {
        const bool isVersion = key == L"FileVersion" || key == L"ProductVersion";
        strings.children.push_back(TextNode(key, isVersion ? version : value));
    }
    Node translation{L"Translation", 0, {}, 4, {}};
    PutWord(translation.value, LOWORD(info.translation));
    PutWord(translation.value, HIWORD(info.translation));

    Node root{L"VS_VERSION_INFO", 0, {}, sizeof info.fixed, {}};
    const auto* fixed = reinterpret_cast<const BYTE*>(&info.fixed);
    root.value.assign(fixed, fixed + sizeof info.fixed);
    root.children.push_back(Node{L"StringFileInfo", 1, {}, 0, {strings}});
    root.children.push_back(Node{L"VarFileInfo", 1, {}, 0, {translation}});
    std::vector<BYTE> data;
    Serialise(root, data);

    WORD language = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    if (HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        EnumResourceLanguagesW(module, MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1), FirstLanguage,
                               reinterpret_cast<LONG_PTR>(&language));
        FreeLibrary(module);
    }
    HANDLE update = BeginUpdateResourceW(file.c_str(), FALSE);
    if (!update)
        return false;
    const bool ok = UpdateResourceW(update, MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1), language,
                                    data.data(), static_cast<DWORD>(data.size())) != FALSE;
    return EndUpdateResourceW(update, !ok) && ok;
}

// ---- the running programs ----------------------------------------------------

HWND FindProgram(const std::wstring& which) {
    if (which == L"monitor")
        return FindWindowA(nullptr, mervik::kMonitorCaption);
    if (which == L"option")
        return FindWindowA(nullptr, mervik::kOptionCaption);
    return nullptr;
}

std::wstring ImageOf(DWORD pid) {
    mervik::win::UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (!process.get() || !QueryFullProcessImageNameW(process.get(), 0, path, &size))
        return {};
    return path;
}

int FindCommand(const std::wstring& which, double seconds) {
    HWND window = nullptr;
    if (!Within(seconds, [&] { return (window = FindProgram(which)) != nullptr; }))
        return kMissing;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    std::printf("pid=%lu\n", pid);
    Print("image", ImageOf(pid));
    return kFound;
}

// The user's way out: the tray menu's exit item.
int EndMonitor(double seconds) {
    HWND window = FindProgram(L"monitor");
    if (!window)
        return kMissing;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    mervik::win::UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, pid));
    PostMessageW(window, WM_COMMAND, mervik::monitor::kCmdExit, 0);
    const DWORD waitMs = static_cast<DWORD>(seconds * 1000);
    return process.get() && WaitForSingleObject(process.get(), waitMs) == WAIT_OBJECT_0 ? kFound
                                                                                        : kMissing;
}

// ---- registry, shortcut, folders ---------------------------------------------

int RegCommand(const std::wstring& subkey, const wchar_t* name) {
    // A miss says the system's error, told apart from a probe that never ran.
    HKEY key = nullptr;
    if (const LONG error = RegOpenKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key);
        error != ERROR_SUCCESS) {
        std::printf("error=%ld\n", error);
        return kMissing;
    }
    int status = kFound;
    if (name) {
        BYTE data[4096] = {};
        DWORD type = 0, size = sizeof data - sizeof(wchar_t);
        if (const LONG error = RegQueryValueExW(key, name, nullptr, &type, data, &size);
            error != ERROR_SUCCESS) {
            std::printf("error=%ld\n", error);
            status = kMissing;
        } else if (type == REG_DWORD)
            std::printf("dword=%lu\n", *reinterpret_cast<DWORD*>(data));
        else if (type == REG_SZ || type == REG_EXPAND_SZ)
            Print("string", reinterpret_cast<const wchar_t*>(data));
        else
            std::printf("type=%lu\n", type);
    }
    RegCloseKey(key);
    return status;
}

// A program file in use, as a running program keeps its files.
int HoldCommand(const std::wstring& file) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return kMissing;
    std::printf("held=1\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    CloseHandle(handle);
    return kFound;
}

int ShortcutCommand(const std::wstring& lnk) {
    CoInitialize(nullptr);
    int status = kMissing;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(lnk.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0))) {
                link->GetWorkingDirectory(folder, MAX_PATH);
                Print("target", target);
                Print("folder", folder);
                status = kFound;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return status;
}

void PrintKnownFolder(const char* key, REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)))
        Print(key, path);
    CoTaskMemFree(path);
}

// ---- the uninstaller's page --------------------------------------------------

std::wstring WithoutAccelerator(std::wstring text) {
    std::erase(text, L'&');
    return text;
}

struct ButtonSearch {
    std::wstring text;
    HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<ButtonSearch*>(lp);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (WithoutAccelerator(text) == WithoutAccelerator(search->text)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// As a user would: tick the box, then press the page's default button.
int TickAndProceed(const std::wstring& caption, const std::wstring& checkbox, double seconds) {
    ButtonSearch search{checkbox};
    HWND top = nullptr;
    const bool shown = Within(seconds, [&] {
        top = FindWindowW(nullptr, caption.c_str());
        if (top)
            EnumChildWindows(top, FindButton, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr && IsWindowVisible(search.found);
    });
    if (!shown)
        return kMissing;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(search.found, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    if (SendMessageW(search.found, BM_GETCHECK, 0, 0) != BST_CHECKED)
        return kMissing;
    HWND proceed = GetDlgItem(top, IDOK);
    if (!proceed)
        return kMissing;
    PostMessageW(proceed, BM_CLICK, 0, 0);
    return kFound;
}

double Seconds(const wchar_t* text) {
    return std::wcstod(text, nullptr);
}

int Run(int argc, wchar_t** argv) {
    if (argc < 2)
        return kUsage;
    const std::wstring command = argv[1];
    if (command == L"version" && argc >= 3)
        return PrintVersions(argc - 2, argv + 2);
    if (command == L"stamp" && argc >= 4) {
        for (int i = 3; i < argc; ++i)
            if (!Stamp(argv[2], argv[i])) {
                Print("failed", argv[i]);
                return kMissing;
            }
        return kFound;
    }
    if (command == L"find" && argc == 4)
        return FindCommand(argv[2], Seconds(argv[3]));
    if (command == L"end-monitor" && argc == 3)
        return EndMonitor(Seconds(argv[2]));
    if (command == L"reg" && (argc == 3 || argc == 4))
        return RegCommand(argv[2], argc == 4 ? argv[3] : nullptr);
    if (command == L"hold" && argc == 3)
        return HoldCommand(argv[2]);
    if (command == L"shortcut" && argc == 3)
        return ShortcutCommand(argv[2]);
    if (command == L"folders" && argc == 2) {
        PrintKnownFolder("programs", FOLDERID_Programs);
        PrintKnownFolder("localappdata", FOLDERID_LocalAppData);
        return kFound;
    }
    if (command == L"tick-and-proceed" && argc == 5)
        return TickAndProceed(argv[2], argv[3], Seconds(argv[4]));
    return kUsage;
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const int status = argv ? Run(argc, argv) : kUsage;
    LocalFree(argv);
    std::fflush(stdout);
    return status;
}
