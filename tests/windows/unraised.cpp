// SPDX-License-Identifier: MIT
// Runs a program with its user's own rights, not raised: with the limited token linked to this
// process's raised one, as Windows runs an administrator's programs that do not ask for more, and
// a standard user's. (Wine raises every process of its user; this is how the tests run the
// installer as a user's ordinary process.) Waits for the program and ends with its status.
//   unraised.exe PROGRAM [ARGUMENT...]
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int fail(const char* what) {
    std::fprintf(stderr, "unraised: %s failed (error %lu)\n", what, GetLastError());
    return 125;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: unraised.exe PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    HANDLE raised = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raised))
        return fail("OpenProcessToken");
    TOKEN_LINKED_TOKEN linked{};
    DWORD size = 0;
    if (!GetTokenInformation(raised, TokenLinkedToken, &linked, sizeof linked, &size))
        return fail("GetTokenInformation(TokenLinkedToken)");
    HANDLE limited = nullptr;
    if (!DuplicateTokenEx(linked.LinkedToken, TOKEN_ALL_ACCESS, nullptr, SecurityImpersonation,
                          TokenPrimary, &limited))
        return fail("DuplicateTokenEx");
    // The command line as typed: an argument in quotes only where it holds a blank (an
    // installer reads "/S" in quotes as no switch).
    std::wstring line;
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument = argv[i];
        const bool quoted = argument.empty() || argument.find(L' ') != std::wstring::npos;
        line += (i > 1 ? L" " : L"") + (quoted ? L'"' + argument + L'"' : argument);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessAsUserW(limited, nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process))
        return fail("CreateProcessAsUserW");
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(limited);
    CloseHandle(linked.LinkedToken);
    CloseHandle(raised);
    return static_cast<int>(status);
}
