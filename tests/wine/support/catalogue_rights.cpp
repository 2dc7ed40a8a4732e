#include "catalogue_rights.h"

#include <sddl.h>

#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_folder_win32.h"

namespace {

struct RightsState {
    bool locked = false;
    bool replaceRefused = false;
    std::wstring othersFile;
    DWORD setAnswer = ERROR_SUCCESS;
    std::vector<FolderListSet> sets;
    std::string lastSet; /* the full SDDL the folder has now, "" for none set */
};
RightsState Rights;

std::string RenderDacl(PACL dacl, bool isProtected)
{
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, dacl, FALSE);
    const SECURITY_DESCRIPTOR_CONTROL bits = SE_DACL_PROTECTED | SE_DACL_AUTO_INHERITED;
    if (isProtected)
        SetSecurityDescriptorControl(&descriptor, bits, bits);
    LPSTR text = nullptr;
    std::string rendered;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorA(&descriptor, SDDL_REVISION_1,
                                                             DACL_SECURITY_INFORMATION, &text, nullptr)) {
        rendered = text;
        LocalFree(text);
    }
    return rendered;
}

bool IsAdministratorsSid(PSID sid)
{
    BYTE buffer[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof buffer;
    return sid != nullptr && CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, buffer, &size) &&
           EqualSid(sid, buffer);
}

DWORD WINAPI RecordSet(LPWSTR name, SE_OBJECT_TYPE, SECURITY_INFORMATION what, PSID owner, PSID, PACL dacl,
                       PACL)
{
    if (Rights.setAnswer != ERROR_SUCCESS)
        return Rights.setAnswer;
    const bool isProtected = (what & PROTECTED_DACL_SECURITY_INFORMATION) != 0;
    FolderListSet set{name, RenderDacl(dacl, isProtected),
                      (what & OWNER_SECURITY_INFORMATION) && IsAdministratorsSid(owner)};
    Rights.lastSet = set.dacl;
    Rights.sets.push_back(set);
    return ERROR_SUCCESS;
}

/* The list last set, as a system that keeps lists reports it. */
DWORD WINAPI ReadBackSet(LPCWSTR name, SE_OBJECT_TYPE type, SECURITY_INFORMATION what, PSID* owner,
                         PSID* group, PACL* dacl, PACL* sacl, PSECURITY_DESCRIPTOR* descriptor)
{
    if (Rights.lastSet.empty())
        return GetNamedSecurityInfoW(name, type, what, owner, group, dacl, sacl, descriptor);
    return ConvertStringSecurityDescriptorToSecurityDescriptorA(Rights.lastSet.c_str(), SDDL_REVISION_1,
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
    if (Rights.locked && (addsToFolder || deletes))
        return Refuse();
    if (Rights.replaceRefused && deletes)
        return Refuse();
    if (disposition == CREATE_NEW && _wcsicmp(name, Rights.othersFile.c_str()) == 0)
        return Refuse();
    return CreateFileW(name, access, share, security, disposition, flags, templateFile);
}

BOOL WINAPI CheckedMoveFileEx(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    if (Rights.replaceRefused || Rights.locked) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return MoveFileExW(from, to, flags);
}

}  // namespace

CatalogueRights::CatalogueRights()
{
    Rights = RightsState();
    CatalogueFolderCall.setNamedSecurityInfo = RecordSet;
    CatalogueFolderCall.getNamedSecurityInfo = ReadBackSet;
    CatalogueFileCall.createFile = CheckedCreateFile;
    CatalogueFileCall.moveFileEx = CheckedMoveFileEx;
}

CatalogueRights::~CatalogueRights()
{
    CatalogueFolderCall = {SetNamedSecurityInfoW, GetNamedSecurityInfoW};
    CatalogueFileCall.createFile = CreateFileW;
    CatalogueFileCall.moveFileEx = MoveFileExW;
}

void CatalogueRights::Lock(bool locked)
{
    Rights.locked = locked;
}

void CatalogueRights::RefuseReplace(bool refused)
{
    Rights.replaceRefused = refused;
}

void CatalogueRights::LeaveOthersFile(const std::wstring& path)
{
    Rights.othersFile = path;
}

void CatalogueRights::AnswerSetWith(DWORD error)
{
    Rights.setAnswer = error;
}

std::vector<FolderListSet> CatalogueRights::TakeSets()
{
    std::vector<FolderListSet> sets;
    sets.swap(Rights.sets);
    return sets;
}

std::string CatalogueRights::Expected(CatalogueFolderAccess access)
{
    char text[512];
    RenderedDaclText(CatalogueFolderDaclSddl(access), text, sizeof text);
    return text;
}
