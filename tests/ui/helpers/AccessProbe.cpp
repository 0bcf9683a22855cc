// Reads Option as a screen reader does, from another program: for each
// window it asks oleacc for the window's object (AccessibleObjectFromWindow)
// and reads its name, role, state and value, and a list's items.
//   AccessProbe.exe controls   every control of Option's main window and of
//                              any dialog it shows, one JSON object a line
//   AccessProbe.exe serve      the commands above, one a line on standard
//                              input; each answer ends with a line "."
#include <windows.h>

#include <oleacc.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "contract/ProgramMessages.h"

namespace {

std::string Utf8(const wchar_t* text) {
    if (!text)
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    if (n > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    return out;
}

void Json(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            continue;
        out += c;
    }
    out += '"';
}

VARIANT Child(LONG id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string Text(IAccessible* object, LONG id,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR text = nullptr;
    std::string out;
    if ((object->*get)(Child(id), &text) == S_OK)
        out = Utf8(text);
    SysFreeString(text);
    return out;
}

LONG Number(IAccessible* object, LONG id,
            HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    VARIANT v;
    VariantInit(&v);
    if (FAILED((object->*get)(Child(id), &v)) || v.vt != VT_I4)
        return -1;
    return v.lVal;
}

// One window as a screen reader reads it.
std::string Describe(HWND window) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    RECT rect{};
    GetWindowRect(window, &rect);
    std::string line = "{\"class\": ";
    Json(line, cls);
    char place[96];
    snprintf(place, sizeof place, ", \"rect\": [%ld, %ld, %ld, %ld], \"hwnd\": %lu", rect.left,
             rect.top, rect.right, rect.bottom,
             static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
    line += place;
    IAccessible* object = nullptr;
    const HRESULT found =
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&object));
    char result[48];
    snprintf(result, sizeof result, ", \"found\": \"%08lx\"", static_cast<unsigned long>(found));
    line += result;
    if (SUCCEEDED(found) && object) {
        line += ", \"name\": ";
        Json(line, Text(object, CHILDID_SELF, &IAccessible::get_accName));
        line += ", \"value\": ";
        Json(line, Text(object, CHILDID_SELF, &IAccessible::get_accValue));
        line += ", \"shortcut\": ";
        Json(line, Text(object, CHILDID_SELF, &IAccessible::get_accKeyboardShortcut));
        char numbers[64];
        snprintf(numbers, sizeof numbers, ", \"role\": %ld, \"state\": %ld",
                 Number(object, CHILDID_SELF, &IAccessible::get_accRole),
                 Number(object, CHILDID_SELF, &IAccessible::get_accState));
        line += numbers;
        LONG count = 0;
        if (SUCCEEDED(object->get_accChildCount(&count)) && count > 0 && count < 1000) {
            line += ", \"items\": [";
            for (LONG i = 1; i <= count; ++i) {
                if (i > 1)
                    line += ", ";
                Json(line, Text(object, i, &IAccessible::get_accName));
            }
            line += "]";
        }
        object->Release();
    }
    return line + "}";
}

BOOL CALLBACK CollectAll(HWND window, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(window);
    return TRUE;
}

// Option's main window and the dialogs of its process.
std::vector<HWND> OptionWindows() {
    std::vector<HWND> windows;
    HWND main = FindWindowA(nullptr, mervik::kOptionCaption);
    if (!main)
        return windows;
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    std::vector<HWND> top;
    EnumWindows(CollectAll, reinterpret_cast<LPARAM>(&top));
    for (HWND window : top) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window))
            windows.push_back(window);
    }
    return windows;
}

int Controls() {
    for (HWND window : OptionWindows()) {
        std::vector<HWND> children;
        EnumChildWindows(window, CollectAll, reinterpret_cast<LPARAM>(&children));
        for (HWND child : children)
            printf("%s\n", Describe(child).c_str());
    }
    return 0;
}

int Dispatch(const char* command) {
    if (!strcmp(command, "controls"))
        return Controls();
    fprintf(stderr, "usage: AccessProbe controls | serve\n");
    return 2;
}

int Serve() {
    char line[256];
    while (fgets(line, sizeof line, stdin)) {
        char* command = strtok(line, " \t\r\n");
        if (command)
            Dispatch(command);
        printf("\n.\n");
        fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int result = argc >= 2 && !strcmp(argv[1], "serve") ? Serve()
                       : argc >= 2                            ? Dispatch(argv[1])
                                                              : Dispatch("");
    CoUninitialize();
    return result;
}
