/*
 * What the DLL reads besides its arguments: the machine's label catalogue,
 * the demo printer's data values and the driver's version text.  The
 * recorder sets each to a known state before a scenario, records what the
 * DLL left there, and puts the machine back as it found it at the end.
 */
#ifndef PDR_EQUIVALENCE_MACHINE_STATE_H
#define PDR_EQUIVALENCE_MACHINE_STATE_H

#include <windows.h>

#include <string>

/* C:\ProgramData\PDR7300Zr\label-list.kmr, its folder created. */
std::wstring CataloguePath();
bool UseCatalogue(const std::string& bytes);
void RemoveCatalogue();
/* "missing", or the file's bytes in hex. */
std::string DescribeCatalogue();

/* The demo printer, opened for the whole run. */
class RecordedPrinter {
public:
    RecordedPrinter();
    ~RecordedPrinter();
    HANDLE Handle() const
    {
        return handle;
    }

    void SetValue(const wchar_t* name, DWORD value);
    /* The spooler cannot delete printer data under Wine; the values live in
     * the printer's registry key. */
    void DeleteValue(const wchar_t* name);
    /* "error=N", or the value's type, size and bytes in hex. */
    std::string DescribeValue(const wchar_t* name);

    /* The installed options a scenario runs with: each value 1, 0, or
     * missing (-1). */
    void UseOptions(int pullback, int cutter);
    /* "Forms?" and "Permission" gone, so that the DLL writes them again. */
    void ForgetMarkers();

private:
    HANDLE handle = nullptr;
};

/* The driver's version text in the registry; null removes it. */
void UseVersionText(const wchar_t* text);

/* Everything above as it was when constructed, put back when destroyed. */
class MachineStateGuard {
public:
    explicit MachineStateGuard(RecordedPrinter& printer);
    ~MachineStateGuard();
    MachineStateGuard(const MachineStateGuard&) = delete;
    MachineStateGuard& operator=(const MachineStateGuard&) = delete;

private:
    struct SavedValue {
        bool present = false;
        DWORD type = 0;
        std::string bytes;
    };
    static SavedValue Read(HKEY key, const wchar_t* subKey, const wchar_t* name);
    static void Restore(HKEY key, const wchar_t* subKey, const wchar_t* name, const SavedValue& value);

    RecordedPrinter& printer;
    bool catalogueExisted = false;
    std::string catalogue;
    SavedValue values[5];
};

#endif
