/* A second process of the running test program that runs one of its tests
 * alongside the parent: started with an environment variable that tells
 * that test it is the child, it signals a "ready" event and runs until the
 * parent signals "stop". */
#ifndef PDR_TESTS_WINE_SUPPORT_CHILD_TEST_PROCESS_H
#define PDR_TESTS_WINE_SUPPORT_CHILD_TEST_PROCESS_H

#include <windows.h>

class ChildTestProcess {
public:
    /* `test` is the GoogleTest name the child runs; `variable` is set to
     * "1" in its environment; the events are named as the child opens them. */
    ChildTestProcess(const wchar_t* test, const wchar_t* variable, const wchar_t* readyEvent,
                     const wchar_t* stopEvent);
    ~ChildTestProcess();
    ChildTestProcess(const ChildTestProcess&) = delete;
    ChildTestProcess& operator=(const ChildTestProcess&) = delete;

    /* Starts the child, its output going to ours, and waits (generously: a
     * loaded machine may take long to start a process) until it is ready. */
    bool Start();

    bool HasEnded() const;

    /* Signals stop and returns the child's exit code: 0 when it saw
     * nothing wrong; 2 when it had to be ended. */
    DWORD Finish();

private:
    const wchar_t* test_;
    const wchar_t* variable_;
    const wchar_t* readyName_;
    const wchar_t* stopName_;
    HANDLE ready_ = nullptr;
    HANDLE stop_ = nullptr;
    PROCESS_INFORMATION process_ = {};
};

#endif
