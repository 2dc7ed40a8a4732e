#include "child_test_process.h"

#include <string>

namespace {

/* Long enough for a process start or end on a loaded two-core machine. */
const DWORD ChildWaitMs = 120000;

}  // namespace

ChildTestProcess::ChildTestProcess(const wchar_t* test, const wchar_t* variable, const wchar_t* readyEvent,
                                   const wchar_t* stopEvent)
    : test_(test), variable_(variable), readyName_(readyEvent), stopName_(stopEvent)
{}

ChildTestProcess::~ChildTestProcess()
{
    if (process_.hProcess != nullptr) {
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    if (ready_ != nullptr)
        CloseHandle(ready_);
    if (stop_ != nullptr)
        CloseHandle(stop_);
}

bool ChildTestProcess::Start()
{
    ready_ = CreateEventW(nullptr, TRUE, FALSE, readyName_);
    stop_ = CreateEventW(nullptr, TRUE, FALSE, stopName_);
    if (ready_ == nullptr || stop_ == nullptr)
        return false;
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + program + L"\" --gtest_filter=" + test_;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    SetEnvironmentVariableW(variable_, L"1");
    const bool started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process_) != FALSE;
    SetEnvironmentVariableW(variable_, nullptr);
    return started && WaitForSingleObject(ready_, ChildWaitMs) == WAIT_OBJECT_0;
}

bool ChildTestProcess::HasEnded() const
{
    return process_.hProcess == nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}

DWORD ChildTestProcess::Finish()
{
    if (stop_ != nullptr)
        SetEvent(stop_);
    DWORD code = 1;
    if (process_.hProcess == nullptr)
        return code;
    if (WaitForSingleObject(process_.hProcess, ChildWaitMs) != WAIT_OBJECT_0)
        TerminateProcess(process_.hProcess, 2);
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}
