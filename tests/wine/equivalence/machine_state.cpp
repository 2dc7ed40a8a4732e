#include "machine_state.h"

#include <shlobj.h>

#include "file_bytes.h"
#include "observation_log.h"
#include "wine_test_support.h"

namespace {

const wchar_t PrinterDataKey[] =
    L"System\\CurrentControlSet\\Control\\Print\\Printers\\PDR-7300 Zr\\PrinterDriverData";
const wchar_t VersionKey[] = L"SOFTWARE\\Pellucidor Systems\\PDR-7300 Zr";
const wchar_t* const PrinterValueNames[] = {L"Pullback", L"Cutter", L"Forms?", L"Permission"};

}  // namespace

std::wstring CataloguePath()
{
    wchar_t folder[MAX_PATH] = L"";
    if (!SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE))
        return L"";
    std::wstring path = std::wstring(folder) + L"\\PDR7300Zr";
    CreateDirectoryW(path.c_str(), nullptr);
    return path + L"\\label-list.kmr";
}

bool UseCatalogue(const std::string& bytes)
{
    const std::wstring path = CataloguePath();
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return WriteFileBytes(path, bytes);
}

void RemoveCatalogue()
{
    const std::wstring path = CataloguePath();
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

std::string DescribeCatalogue()
{
    std::string bytes;
    if (!ReadFileBytes(CataloguePath(), &bytes))
        return "missing";
    return Format("size=%lu bytes=", static_cast<unsigned long>(bytes.size())) + Hex(bytes);
}

RecordedPrinter::RecordedPrinter()
{
    OpenPrinterW(const_cast<LPWSTR>(DemoPrinterName), &handle, nullptr);
}

RecordedPrinter::~RecordedPrinter()
{
    if (handle != nullptr)
        ClosePrinter(handle);
}

void RecordedPrinter::SetValue(const wchar_t* name, DWORD value)
{
    SetPrinterDataW(handle, const_cast<LPWSTR>(name), REG_DWORD, reinterpret_cast<LPBYTE>(&value),
                    sizeof value);
}

void RecordedPrinter::DeleteValue(const wchar_t* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, PrinterDataKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, name);
        RegCloseKey(key);
    }
}

std::string RecordedPrinter::DescribeValue(const wchar_t* name)
{
    BYTE bytes[256] = {};
    DWORD type = 0;
    DWORD needed = 0;
    const DWORD error =
        GetPrinterDataW(handle, const_cast<LPWSTR>(name), &type, bytes, sizeof bytes, &needed);
    if (error != ERROR_SUCCESS)
        return Format("error=%lu", error);
    return Format("type=%lu size=%lu bytes=", type, needed) +
           Hex(bytes, needed < sizeof bytes ? needed : sizeof bytes);
}

void RecordedPrinter::UseOptions(int pullback, int cutter)
{
    const int values[] = {pullback, cutter};
    for (int i = 0; i < 2; ++i) {
        if (values[i] < 0)
            DeleteValue(PrinterValueNames[i]);
        else
            SetValue(PrinterValueNames[i], static_cast<DWORD>(values[i]));
    }
}

void RecordedPrinter::ForgetMarkers()
{
    DeleteValue(L"Forms?");
    DeleteValue(L"Permission");
}

void UseVersionText(const wchar_t* text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, VersionKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (text == nullptr)
        RegDeleteValueW(key, L"Version");
    else
        RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>((lstrlenW(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

MachineStateGuard::MachineStateGuard(RecordedPrinter& printer) : printer(printer)
{
    catalogueExisted = ReadFileBytes(CataloguePath(), &catalogue);
    for (int i = 0; i < 4; ++i)
        values[i] = Read(HKEY_LOCAL_MACHINE, PrinterDataKey, PrinterValueNames[i]);
    values[4] = Read(HKEY_LOCAL_MACHINE, VersionKey, L"Version");
}

MachineStateGuard::~MachineStateGuard()
{
    if (catalogueExisted)
        UseCatalogue(catalogue);
    else
        RemoveCatalogue();
    for (int i = 0; i < 4; ++i)
        Restore(HKEY_LOCAL_MACHINE, PrinterDataKey, PrinterValueNames[i], values[i]);
    Restore(HKEY_LOCAL_MACHINE, VersionKey, L"Version", values[4]);
}

MachineStateGuard::SavedValue MachineStateGuard::Read(HKEY root, const wchar_t* subKey, const wchar_t* name)
{
    SavedValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value;
    BYTE bytes[1024];
    DWORD size = sizeof bytes;
    if (RegQueryValueExW(key, name, nullptr, &value.type, bytes, &size) == ERROR_SUCCESS) {
        value.present = true;
        value.bytes.assign(reinterpret_cast<const char*>(bytes), size);
    }
    RegCloseKey(key);
    return value;
}

void MachineStateGuard::Restore(HKEY root, const wchar_t* subKey, const wchar_t* name,
                                const SavedValue& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (value.present)
        RegSetValueExW(key, name, 0, value.type, reinterpret_cast<const BYTE*>(value.bytes.data()),
                       static_cast<DWORD>(value.bytes.size()));
    else
        RegDeleteValueW(key, name);
    RegCloseKey(key);
}
