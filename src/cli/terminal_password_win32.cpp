#include "core/windows_api.h"

#include <string>

#include "cli/terminal_password.h"

namespace kestrune::cli {

namespace {

// The console's input and its mode before the prompt, put back should Ctrl-C or closing the
// console end the program while it asks.
HANDLE promptInput = INVALID_HANDLE_VALUE;
DWORD shownMode = 0;

BOOL WINAPI showAgainAndGoOn(DWORD) {
    SetConsoleMode(promptInput, shownMode);
    return FALSE;  // the next handler, at last the system's, ends the program
}

}  // namespace

std::optional<std::string> askPassword(const std::string& prompt) {
    // The console itself, not standard input or output, which may be files or pipes.
    const HANDLE in =
        CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    const HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
    if (in == INVALID_HANDLE_VALUE || out == INVALID_HANDLE_VALUE) {
        if (in != INVALID_HANDLE_VALUE) {
            CloseHandle(in);
        }
        if (out != INVALID_HANDLE_VALUE) {
            CloseHandle(out);
        }
        return std::nullopt;
    }
    DWORD mode = 0;
    GetConsoleMode(in, &mode);
    promptInput = in;
    shownMode = mode;
    SetConsoleCtrlHandler(showAgainAndGoOn, TRUE);
    SetConsoleMode(in, (mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) | ENABLE_LINE_INPUT);
    DWORD n = 0;
    WriteConsoleA(out, prompt.data(), static_cast<DWORD>(prompt.size()), &n, nullptr);
    std::string line;
    char c = 0;
    while (ReadFile(in, &c, 1, &n, nullptr) && n == 1 && c != '\n') {
        if (c != '\r') {
            line += c;
        }
    }
    SetConsoleMode(in, mode);
    SetConsoleCtrlHandler(showAgainAndGoOn, FALSE);
    WriteConsoleA(out, "\r\n", 2, &n, nullptr);
    CloseHandle(in);
    CloseHandle(out);
    return line;
}

}  // namespace kestrune::cli
