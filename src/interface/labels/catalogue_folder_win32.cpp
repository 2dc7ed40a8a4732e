#include "labels/catalogue_folder_win32.h"

#include <sddl.h>

#include "text/bounded_text.h"

CatalogueFolderCalls CatalogueFolderCall = {SetNamedSecurityInfoW, GetNamedSecurityInfoW};

namespace {

/* Room for a rendered DACL: a few entries of well-known identities. */
constexpr size_t DaclTextSize = 512;

/* A security descriptor of SDDL text, freed with LocalFree. */
PSECURITY_DESCRIPTOR DescriptorOfSddl(const char* sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
        return nullptr;
    return descriptor;
}

void RenderDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, char* text, size_t size)
{
    text[0] = '\0';
    LPSTR rendered = nullptr;
    if (descriptor != nullptr &&
        ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1,
                                                             DACL_SECURITY_INFORMATION, &rendered, nullptr)) {
        CopyTextBounded(text, size, rendered);
        LocalFree(rendered);
    }
}

/* The descriptor of the list `decision` names: the DACL, and the owner
 * when it is to be set. */
PSECURITY_DESCRIPTOR DescriptorOfDecision(const CatalogueFolderDecision& decision)
{
    char sddl[DaclTextSize] = "";
    if (decision.ownerAdministrators && !AppendTextBounded(sddl, DaclTextSize, CatalogueFolderOwnerSddl))
        return nullptr;
    if (!AppendTextBounded(sddl, DaclTextSize, CatalogueFolderDaclSddl(decision.access)))
        return nullptr;
    return DescriptorOfSddl(sddl);
}

/* Sets the descriptor's DACL, protected from the list of the folder
 * above, and its owner when it has one; SetNamedSecurityInfoW also passes
 * the inherited entries on to the files already in the folder. */
DWORD SetFolderDescriptor(const wchar_t* folder, PSECURITY_DESCRIPTOR descriptor)
{
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    PSID owner = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted) || !present ||
        !GetSecurityDescriptorOwner(descriptor, &owner, &defaulted))
        return ERROR_INVALID_SECURITY_DESCR;
    SECURITY_INFORMATION what = DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION;
    if (owner != nullptr)
        what |= OWNER_SECURITY_INFORMATION;
    return CatalogueFolderCall.setNamedSecurityInfo(const_cast<LPWSTR>(folder), SE_FILE_OBJECT, what, owner,
                                                    nullptr, dacl, nullptr);
}

}  // namespace

void RenderedDaclText(const char* sddl, char* text, size_t size)
{
    PSECURITY_DESCRIPTOR descriptor = DescriptorOfSddl(sddl);
    RenderDescriptorDacl(descriptor, text, size);
    LocalFree(descriptor);
}

CatalogueFolderAccess ReadCatalogueFolderAccess(const wchar_t* folder)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (CatalogueFolderCall.getNamedSecurityInfo(folder, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                                 nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS)
        return CatalogueFolderAccess::Other;
    char now[DaclTextSize];
    char open[DaclTextSize];
    char locked[DaclTextSize];
    RenderDescriptorDacl(descriptor, now, DaclTextSize);
    LocalFree(descriptor);
    RenderedDaclText(CatalogueFolderDaclSddl(CatalogueFolderAccess::Open), open, DaclTextSize);
    RenderedDaclText(CatalogueFolderDaclSddl(CatalogueFolderAccess::Locked), locked, DaclTextSize);
    return ClassifyCatalogueFolderDacl(now, open, locked);
}

bool ApplyCatalogueFolderAccess(const wchar_t* folder, CatalogueFolderEvent event)
{
    const CatalogueFolderAccess now = event == CatalogueFolderEvent::Installed
                                          ? ReadCatalogueFolderAccess(folder)
                                          : CatalogueFolderAccess::Other;
    PSECURITY_DESCRIPTOR descriptor = DescriptorOfDecision(DecideCatalogueFolderAccess(event, now));
    DWORD error =
        descriptor != nullptr ? SetFolderDescriptor(folder, descriptor) : ERROR_INVALID_SECURITY_DESCR;
    LocalFree(descriptor);
    if (error == ERROR_SUCCESS)
        return true;
    SetLastError(error);
    return false;
}
