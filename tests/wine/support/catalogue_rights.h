/*
 * What Windows would allow or refuse around the catalogue, at its seams:
 * Wine keeps no access lists and enforces none.  While a CatalogueRights
 * lives, every access list set on a folder is recorded (and read back as
 * set), and the opens and the rename of a save answer as a locked folder
 * or a refused replace would; the real calls are back when it goes.
 */
#ifndef PDR_TESTS_CATALOGUE_RIGHTS_H
#define PDR_TESTS_CATALOGUE_RIGHTS_H

#include <windows.h>

#include <string>
#include <vector>

#include "labels/catalogue_folder_access.h"

/* One SetNamedSecurityInfoW call: the folder, its DACL as the system
 * renders it, and whether the owner became Administrators. */
struct FolderListSet {
    std::wstring folder;
    std::string dacl;
    bool ownerAdministrators;
};

class CatalogueRights {
public:
    CatalogueRights();
    ~CatalogueRights();
    /* Users may only read: no file may be added to the folder, none
     * replaced. */
    void Lock(bool locked);
    /* The catalogue may not be replaced (its folder still takes files). */
    void RefuseReplace(bool refused);
    /* A file at `path` that a save of another user left: the system
     * answers a new file there with "access denied". */
    void LeaveOthersFile(const std::wstring& path);
    /* The system's answers to setting a list, ERROR_SUCCESS by default. */
    void AnswerSetWith(DWORD error);

    /* The lists set since the last call, then forgotten. */
    std::vector<FolderListSet> TakeSets();
    /* The driver's list as the system renders a DACL. */
    static std::string Expected(CatalogueFolderAccess access);
};

#endif
