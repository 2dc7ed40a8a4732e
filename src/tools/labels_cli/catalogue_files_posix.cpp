#include "catalogue_files.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include "labels/label_catalogue.h"
#include "text/path_utf8.h"

namespace {

constexpr size_t NarrowPathSize = 4096;

}  // namespace

FILE* OpenCatalogueForReading(const std::wstring& path, FileOutcome* outcome, std::string* reason)
{
    *outcome = FileOutcome::Failed;
    char narrow[NarrowPathSize];
    if (!NarrowPathUtf8(narrow, sizeof narrow, path.c_str())) {
        *reason = "the path cannot be used";
        return nullptr;
    }
    FILE* file = OpenLabelCatalogueFile(path.c_str());
    if (file == nullptr) {
        if (errno == ENOENT)
            *outcome = FileOutcome::Missing;
        *reason = strerror(errno);
        return nullptr;
    }
    struct stat status;
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) {
        fclose(file);
        *reason = "not a regular file";
        return nullptr;
    }
    *outcome = FileOutcome::Done;
    return file;
}

bool MayChangeCatalogue(const std::wstring&)
{
    /* The file system's permissions answer at the save. */
    return true;
}

bool LastSaveWasRefused()
{
    return errno == EACCES || errno == EPERM;
}

int LockMachineCatalogue(bool, std::string* reason)
{
    *reason = "locking is a Windows feature: there the catalogue's folder has an access list";
    return ToolFileError;
}

std::string MachineCatalogueAccessLine()
{
    return "";
}

std::string DisplayPath(const std::wstring& path)
{
    char narrow[NarrowPathSize];
    if (!NarrowPathUtf8(narrow, sizeof narrow, path.c_str()))
        return "(unprintable path)";
    return narrow;
}
