#include "catalogue_rights.h"

#include <sddl.h>

#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_folder_win32.h"

namespace {

CatalogueRights* Live = nullptr;

/* The owner, when `what` sets one, and the DACL, as the system renders a
 * descriptor holding them. */
std::string RenderSet(SECURITY_INFORMATION what, PSID owner, PACL dacl)
{
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, dacl, FALSE);
    if (what & OWNER_SECURITY_INFORMATION)
        SetSecurityDescriptorOwner(&descriptor, owner, FALSE);
    const SECURITY_DESCRIPTOR_CONTROL bits = SE_DACL_PROTECTED | SE_DACL_AUTO_INHERITED;
    if (what & PROTECTED_DACL_SECURITY_INFORMATION)
        SetSecurityDescriptorControl(&descriptor, bits, bits);
    LPSTR text = nullptr;
    std::string rendered;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorA(
            &descriptor, SDDL_REVISION_1, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &text,
            nullptr)) {
        rendered = text;
        LocalFree(text);
    }
    return rendered;
}

DWORD WINAPI RecordSet(LPWSTR name, SE_OBJECT_TYPE, SECURITY_INFORMATION what, PSID owner, PSID, PACL dacl,
                       PACL)
{
    if (Live->setAnswer != ERROR_SUCCESS)
        return Live->setAnswer;
    Live->lastSet = RenderSet(what, owner, dacl);
    Live->sets.push_back({name, Live->lastSet});
    return ERROR_SUCCESS;
}

/* The list last set, as a system that keeps lists reports it. */
DWORD WINAPI ReadBackSet(LPCWSTR name, SE_OBJECT_TYPE type, SECURITY_INFORMATION what, PSID* owner,
                         PSID* group, PACL* dacl, PACL* sacl, PSECURITY_DESCRIPTOR* descriptor)
{
    if (Live->lastSet.empty())
        return GetNamedSecurityInfoW(name, type, what, owner, group, dacl, sacl, descriptor);
    return ConvertStringSecurityDescriptorToSecurityDescriptorA(Live->lastSet.c_str(), SDDL_REVISION_1,
                                                                descriptor, nullptr)
               ? ERROR_SUCCESS
               : GetLastError();
}

HANDLE Refuse()
{
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
}

HANDLE WINAPI CheckedCreateFile(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD flags, HANDLE templateFile)
{
    const bool addsToFolder =
        disposition == CREATE_NEW || (flags & FILE_FLAG_BACKUP_SEMANTICS && access & FILE_ADD_FILE);
    const bool deletes = (access & DELETE) != 0;
    if (Live->locked && (addsToFolder || deletes))
        return Refuse();
    if (Live->replaceRefused && deletes)
        return Refuse();
    if (disposition == CREATE_NEW && _wcsicmp(name, Live->othersFile.c_str()) == 0)
        return Refuse();
    return CreateFileW(name, access, share, security, disposition, flags, templateFile);
}

BOOL WINAPI CheckedMoveFileEx(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    if (Live->replaceRefused || Live->locked) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return MoveFileExW(from, to, flags);
}

void WINAPI CountedSleep(DWORD milliseconds)
{
    ++Live->waits;
    Sleep(milliseconds);
}

}  // namespace

CatalogueRights::CatalogueRights()
{
    Live = this;
    CatalogueFolderCall = {RecordSet, ReadBackSet};
    CatalogueFileCall.createFile = CheckedCreateFile;
    CatalogueFileCall.moveFileEx = CheckedMoveFileEx;
    CatalogueFileCall.sleep = CountedSleep;
}

CatalogueRights::~CatalogueRights()
{
    CatalogueFolderCall = {SetNamedSecurityInfoW, GetNamedSecurityInfoW};
    CatalogueFileCall = {MoveFileExW, Sleep, CreateFileW};
    Live = nullptr;
}

std::vector<FolderListSet> CatalogueRights::TakeSets()
{
    std::vector<FolderListSet> taken;
    taken.swap(sets);
    return taken;
}

std::string CatalogueRights::Expected(CatalogueFolderAccess access, bool ownerAdministrators)
{
    char text[512];
    RenderedDaclText(CatalogueFolderDaclSddl(access), text, sizeof text);
    return (ownerAdministrators ? "O:BA" : "") + std::string(text);
}
