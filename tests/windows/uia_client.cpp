// SPDX-License-Identifier: MIT
// What a Windows screen reader reads of the running program: a UI Automation client in a process
// of its own, as Narrator, NVDA and JAWS are. It finds the window by its title and walks its
// tree with the client functions of uiautomationcore.dll, printing each element, one a line, as
//   DEPTH<tab>CONTROL_TYPE<tab>NAME<tab>VALUE
// with the control type's number (50020 text, 50032 window ...), and the Value pattern's value,
// or "-" where there is none.
//   uia_client.exe [SECONDS]   waits at most that long (60) for the window

#include <windows.h>

#include <oleauto.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The client half of the UI Automation core, which MinGW's headers do not declare (nor can its
// uiautomationcoreapi.h be included in C++).
struct UiaNode;
using HUIANODE = UiaNode*;
using PROPERTYID = int;
using PATTERNID = int;
enum NavigateDirection { NavigateDirection_NextSibling = 1, NavigateDirection_FirstChild = 3 };
enum ConditionKind { ConditionTrue = 0 };
struct Condition {
    ConditionKind kind;
};
struct CacheRequest {
    Condition* viewCondition;
    int scope; // TreeScope_Element
    PROPERTYID* properties;
    int propertyCount;
    PATTERNID* patterns;
    int patternCount;
    int elementMode; // AutomationElementMode_Full
};
using NodeFromHandle = HRESULT(WINAPI*)(HWND, HUIANODE*);
using Navigate = HRESULT(WINAPI*)(HUIANODE, NavigateDirection, Condition*, CacheRequest*,
                                  SAFEARRAY**, BSTR*);
using GetPropertyValue = HRESULT(WINAPI*)(HUIANODE, PROPERTYID, VARIANT*);
using NodeFromVariant = HRESULT(WINAPI*)(VARIANT*, HUIANODE*);
using NodeRelease = BOOL(WINAPI*)(HUIANODE);

constexpr PROPERTYID kName = 30005, kControlType = 30003, kValue = 30045;

struct Core {
    NodeFromHandle fromHandle;
    Navigate navigate;
    GetPropertyValue property;
    NodeFromVariant fromVariant;
    NodeRelease release;
};

template <typename Function> Function load(HMODULE module, const char* name) {
    FARPROC found = GetProcAddress(module, name);
    if (!found) {
        std::fprintf(stderr, "uiautomationcore.dll has no %s\n", name);
        std::exit(2);
    }
    Function function;
    static_assert(sizeof function == sizeof found);
    std::memcpy(&function, &found, sizeof function);
    return function;
}

std::string utf8(const wchar_t* text, int length) {
    if (length <= 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

std::string textOf(const Core& core, HUIANODE node, PROPERTYID id) {
    VARIANT value;
    VariantInit(&value);
    std::string text = "-";
    if (SUCCEEDED(core.property(node, id, &value)) && value.vt == VT_BSTR)
        text = utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
    VariantClear(&value);
    return text;
}

int numberOf(const Core& core, HUIANODE node, PROPERTYID id) {
    VARIANT value;
    VariantInit(&value);
    int number = 0;
    if (SUCCEEDED(core.property(node, id, &value)) && value.vt == VT_I4)
        number = value.lVal;
    VariantClear(&value);
    return number;
}

// The element next to a node in one direction, or null.
HUIANODE step(const Core& core, HUIANODE node, NavigateDirection direction) {
    Condition all{ConditionTrue};
    CacheRequest request{&all, 1, nullptr, 0, nullptr, 0, 1};
    SAFEARRAY* found = nullptr;
    BSTR tree = nullptr;
    HUIANODE next = nullptr;
    if (SUCCEEDED(core.navigate(node, direction, &all, &request, &found, &tree)) && found) {
        LONG at[2] = {0, 0};
        VARIANT element;
        VariantInit(&element);
        if (SUCCEEDED(SafeArrayGetElement(found, at, &element)))
            core.fromVariant(&element, &next);
        VariantClear(&element);
        SafeArrayDestroy(found);
    }
    SysFreeString(tree);
    return next;
}

void walk(const Core& core, HUIANODE node, int depth) {
    std::printf("%d\t%d\t%s\t%s\n", depth, numberOf(core, node, kControlType),
                textOf(core, node, kName).c_str(), textOf(core, node, kValue).c_str());
    std::fflush(stdout);
    for (HUIANODE child = step(core, node, NavigateDirection_FirstChild); child;) {
        walk(core, child, depth + 1);
        HUIANODE next = step(core, child, NavigateDirection_NextSibling);
        core.release(child);
        child = next;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    HMODULE module = LoadLibraryW(L"uiautomationcore.dll");
    if (!module) {
        std::fprintf(stderr, "no uiautomationcore.dll\n");
        return 2;
    }
    const Core core{load<NodeFromHandle>(module, "UiaNodeFromHandle"),
                    load<Navigate>(module, "UiaNavigate"),
                    load<GetPropertyValue>(module, "UiaGetPropertyValue"),
                    load<NodeFromVariant>(module, "UiaHUiaNodeFromVariant"),
                    load<NodeRelease>(module, "UiaNodeRelease")};
    const wchar_t* title = L" Vidal\u0131 Kompres\u00f6r So\u011futucu Fan Se\u00e7im Program\u0131";
    HWND window = nullptr;
    for (int waited = 0; !(window = FindWindowW(nullptr, title)) && waited < seconds * 10;
         ++waited)
        Sleep(100);
    if (!window) {
        std::fprintf(stderr, "no window titled as the program's\n");
        return 1;
    }
    HUIANODE root = nullptr;
    const HRESULT found = core.fromHandle(window, &root);
    if (FAILED(found) || !root) {
        std::fprintf(stderr, "UiaNodeFromHandle: 0x%08lx\n", static_cast<unsigned long>(found));
        return 1;
    }
    walk(core, root, 0);
    core.release(root);
    CoUninitialize();
    return 0;
}
