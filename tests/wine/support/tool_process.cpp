#include "tool_process.h"

#include <windows.h>

#include <thread>

namespace {

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

/* A pipe whose write end the child inherits. */
bool CreateOutputPipe(HANDLE* read, HANDLE* write)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(read, write, &inherit, 0))
        return false;
    SetHandleInformation(*read, HANDLE_FLAG_INHERIT, 0);
    return true;
}

std::string ReadToEnd(HANDLE pipe)
{
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    return bytes;
}

/* One argument in quotes as the C runtime splits a command line: a quote
 * inside gets a backslash, and the backslashes before a quote (the closing
 * one included) are doubled. */
std::wstring Quoted(const std::wstring& argument)
{
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            if (c == L'"')
                quoted.append(backslashes + 1, L'\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, L'\\');
    return quoted + L"\"";
}

std::wstring CommandLine(const std::wstring& program, const std::vector<std::wstring>& arguments)
{
    std::wstring line = L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments)
        line += L" " + Quoted(argument);
    return line;
}

}  // namespace

ToolResult RunLabelsToolProcess(const std::vector<std::wstring>& arguments)
{
    return RunToolProcess(OwnFolder() + L"\\pdr-labels.exe", arguments);
}

ToolResult RunToolProcess(const std::wstring& program, const std::vector<std::wstring>& arguments)
{
    ToolResult result;
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    if (!CreateOutputPipe(&outRead, &outWrite))
        return result;
    if (!CreateOutputPipe(&errRead, &errWrite)) {
        CloseHandle(outRead);
        CloseHandle(outWrite);
        return result;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = INVALID_HANDLE_VALUE;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process = {};
    std::wstring line = CommandLine(program, arguments);
    /* Under Wine on a loaded machine a start now and then fails for no
       reason of the program's; what a test examines is the run. */
    for (int attempt = 0; attempt < 5 && !result.started; ++attempt) {
        if (attempt > 0)
            Sleep(200);
        result.started = CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process) != FALSE;
    }
    /* Only the child holds the write ends now, so the reads end with it. */
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    std::thread errors([&] { result.err = ReadToEnd(errRead); });
    result.out = ReadToEnd(outRead);
    errors.join();
    if (result.started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return result;
}
