/* The machine's version value, set by a test and put back afterwards. */
#ifndef PDR_TESTS_VERSION_REGISTRY_H
#define PDR_TESTS_VERSION_REGISTRY_H

#include <windows.h>

#include <vector>

extern const wchar_t VersionKeyPath[];

/* Removes the version key for the length of a test and restores what the
 * prefix held before, value or no value. */
class VersionValue {
public:
    VersionValue();
    ~VersionValue();
    /* Creates the key and stores the value as given, byte for byte. */
    void Set(DWORD type, const void* data, DWORD size);
    /* A text stored with its terminator. */
    void SetText(const wchar_t* text);
    /* The key exists but holds no "Version". */
    void SetKeyOnly();

private:
    bool hadValue = false;
    DWORD savedType = REG_NONE;
    std::vector<BYTE> saved;
};

#endif
