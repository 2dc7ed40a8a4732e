/* Runs the package's pdr-setup.exe as an administrator would, and keeps
 * what it said. */
#ifndef PDR_TESTS_WINE_SETUP_PROCESS_H
#define PDR_TESTS_WINE_SETUP_PROCESS_H

#include <string>
#include <vector>

struct SetupRun {
    bool started = false;
    unsigned long exitCode = 0;
    std::string out;
    std::string err;
};

/* pdr-setup.exe of `package` with `arguments`.  Its output goes to files,
 * not pipes: Wine's helper processes that the spooler starts would hold a
 * pipe open after the program ended. */
SetupRun RunSetup(const std::wstring& package, const std::vector<std::wstring>& arguments);

#endif
