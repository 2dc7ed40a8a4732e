#include "catalogue_files.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace {

std::string DescribeWin32Error(DWORD error)
{
    char text[256] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  error, 0, text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' ||
                          text[length - 1] == ' ' || text[length - 1] == '.'))
        text[--length] = 0;
    if (length == 0) snprintf(text, sizeof text, "error %lu", static_cast<unsigned long>(error));
    return text;
}

}  // namespace

FILE* OpenCatalogueForReading(const std::wstring& path, OpenOutcome* outcome, std::string* reason)
{
    *outcome = OpenOutcome::Failed;
    /* Delete sharing too, so this read never makes a save's replace fail. */
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            *outcome = OpenOutcome::Missing;
        *reason = DescribeWin32Error(error);
        return nullptr;
    }
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        *reason = "not a file";
        return nullptr;
    }
    int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        *reason = "cannot be opened";
        return nullptr;
    }
    FILE* file = _fdopen(descriptor, "rb");
    if (file == nullptr) {
        _close(descriptor);
        *reason = "cannot be opened";
        return nullptr;
    }
    *outcome = OpenOutcome::Opened;
    return file;
}

std::string DisplayPath(const std::wstring& path)
{
    /* Messages are 8-bit text in the system's code page, like label names. */
    int size = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return "(unprintable path)";
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, &narrow[0], size, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(size - 1));
    return narrow;
}
