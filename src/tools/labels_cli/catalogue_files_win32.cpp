#include "catalogue_files.h"

#include <windows.h>

#include <io.h>

#include "labels/catalogue_file_win32.h"
#include "labels/label_catalogue.h"

namespace {

std::string DescribeWin32Error(DWORD error)
{
    char text[256] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  0, text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == ' ' ||
                          text[length - 1] == '.'))
        text[--length] = 0;
    if (length == 0)
        snprintf(text, sizeof text, "error %lu", static_cast<unsigned long>(error));
    return text;
}

/* Only an administrator sets the folder's list, whoever owns it: a user
 * who made the folder as its first reader owns it until the next
 * installation. */
bool IsAdministrator()
{
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0,
                                  0, 0, 0, 0, &administrators))
        return false;
    BOOL member = FALSE;
    const bool checked = CheckTokenMembership(nullptr, administrators, &member) != FALSE;
    FreeSid(administrators);
    return checked && member;
}

}  // namespace

FILE* OpenCatalogueForReading(const std::wstring& path, FileOutcome* outcome, std::string* reason)
{
    *outcome = FileOutcome::Failed;
    /* The driver's own open: it never makes a save's replace fail, and it
       waits out a save that is replacing the file at this moment. */
    FILE* file = OpenLabelCatalogueFile(path.c_str());
    if (file == nullptr) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            *outcome = FileOutcome::Missing;
        *reason = DescribeWin32Error(error);
        return nullptr;
    }
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != FILE_TYPE_DISK) {
        fclose(file);
        *reason = "not a file";
        return nullptr;
    }
    *outcome = FileOutcome::Done;
    return file;
}

bool MayChangeCatalogue(const std::wstring& path)
{
    return MayChangeLabelCatalogue(path.c_str());
}

bool LastSaveWasRefused()
{
    return GetLastError() == ERROR_ACCESS_DENIED;
}

int LockMachineCatalogue(bool locked, std::string* reason)
{
    if (!IsAdministrator()) {
        *reason = "only an administrator may lock or unlock it (run the prompt as administrator)";
        return ToolNotPermitted;
    }
    if (SetLabelCatalogueLock(locked))
        return ToolSucceeded;
    *reason = DescribeWin32Error(GetLastError());
    return ToolFileError;
}

std::string MachineCatalogueAccessLine()
{
    switch (LabelCatalogueFolderAccess()) {
    case CatalogueFolderAccess::Open:
        return "every user may change the label list";
    case CatalogueFolderAccess::Locked:
        return "the label list is locked: it is managed by the administrator, users may only read it";
    case CatalogueFolderAccess::Other:
        break;
    }
    return "the label list's folder does not have the driver's access list; the next installation sets it";
}

std::string DisplayPath(const std::wstring& path)
{
    /* Messages are 8-bit text in the system's code page, like label names. */
    int size = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return "(unprintable path)";
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, &narrow[0], size, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(size - 1));
    return narrow;
}
