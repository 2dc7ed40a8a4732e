#include "labels/catalogue_folder_access.h"

#include <string.h>

namespace {

/*
 * The system (SY) and Administrators (BA) keep full control (FA) of the
 * folder and of everything in it.  Users (BU) on the folder itself:
 * read and traverse, 0x1200a9, plus adding a file (0x2) when open; on the
 * files, through an inherit-only entry: read, write and delete
 * (0x1301bf), which a save needs to put a new file in place of the old
 * one.  Locked, users only read (0x1200a9), the files inheriting it.
 * Masks are written as the system renders them, so a list read back
 * compares as text.
 */
const char OpenFolderDacl[] = "D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;;0x1200ab;;;BU)(A;OIIO;0x1301bf;;;BU)";
const char LockedFolderDacl[] = "D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";

/* The entries of a DACL text, from its first "("; null without "D:" or
 * without entries. */
const char* DaclEntries(const char* dacl)
{
    if (dacl == nullptr || strncmp(dacl, "D:", 2) != 0)
        return nullptr;
    return strchr(dacl, '(');
}

bool IsProtectedDacl(const char* dacl, const char* entries)
{
    const char* flag = strchr(dacl, 'P');
    return flag != nullptr && flag < entries;
}

bool SameEntries(const char* dacl, const char* expected)
{
    const char* entries = DaclEntries(dacl);
    const char* expectedEntries = DaclEntries(expected);
    return entries != nullptr && expectedEntries != nullptr && IsProtectedDacl(dacl, entries) &&
           strcmp(entries, expectedEntries) == 0;
}

}  // namespace

const char CatalogueFolderOwnerSddl[] = "O:BA";

const char* CatalogueFolderDaclSddl(CatalogueFolderAccess access)
{
    switch (access) {
    case CatalogueFolderAccess::Open:
        return OpenFolderDacl;
    case CatalogueFolderAccess::Locked:
        return LockedFolderDacl;
    case CatalogueFolderAccess::Other:
        break;
    }
    return nullptr;
}

CatalogueFolderDecision DecideCatalogueFolderAccess(CatalogueFolderEvent event, CatalogueFolderAccess now)
{
    switch (event) {
    case CatalogueFolderEvent::Made:
        /* Whoever reads first makes the folder, a standard user too: the
           owner is left to the next installation. */
        return {CatalogueFolderAccess::Open, false};
    case CatalogueFolderEvent::Installed:
        return {now == CatalogueFolderAccess::Locked ? CatalogueFolderAccess::Locked
                                                     : CatalogueFolderAccess::Open,
                true};
    case CatalogueFolderEvent::Lock:
        return {CatalogueFolderAccess::Locked, true};
    case CatalogueFolderEvent::Unlock:
        break;
    }
    return {CatalogueFolderAccess::Open, true};
}

CatalogueFolderAccess ClassifyCatalogueFolderDacl(const char* dacl, const char* openText,
                                                  const char* lockedText)
{
    if (SameEntries(dacl, openText))
        return CatalogueFolderAccess::Open;
    if (SameEntries(dacl, lockedText))
        return CatalogueFolderAccess::Locked;
    return CatalogueFolderAccess::Other;
}
