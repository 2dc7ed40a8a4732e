/* Apart from the plain file helpers, so that programs which load the DLL
 * and link none of its code can use those. */
#include <windows.h>
#include <stdlib.h>

#include "file_bytes.h"
#include "labels/label_catalogue.h"

DefaultCatalogueGuard::DefaultCatalogueGuard()
{
    wchar_t* composed = GetLabelCataloguePath();
    if (composed != nullptr)
        path = composed;
    free(composed);
    existed = ReadFileBytes(path, &bytes);
    DeleteFileW(path.c_str());
}

DefaultCatalogueGuard::~DefaultCatalogueGuard()
{
    if (existed)
        WriteFileBytes(path, bytes);
    else
        DeleteFileW(path.c_str());
}
