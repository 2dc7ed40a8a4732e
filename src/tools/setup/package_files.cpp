#include "package_files.h"

#include "error_text.h"

namespace {

/* The printer-driver directory id of printer INFs' DestinationDirs. */
constexpr DWORD PrinterDriverDirectoryId = 66000;

struct CopyWatch {
    void* defaultContext;
    std::wstring failure;
};

/* The default callback does the copying; a disk prompt or an error dialog
 * would stop an unattended setup, so a missing or uncopyable file ends the
 * queue instead. */
UINT CALLBACK WatchCopy(PVOID context, UINT notification, UINT_PTR first, UINT_PTR second)
{
    auto* watch = static_cast<CopyWatch*>(context);
    if (notification == SPFILENOTIFY_NEEDMEDIA) {
        /* Asked before each source medium (Wine asks whenever a medium is
         * described), it only needs the answer that the file is there. */
        const auto* media = reinterpret_cast<const SOURCE_MEDIA_W*>(first);
        std::wstring source = std::wstring(media->SourcePath) + L"\\" + media->SourceFile;
        if (GetFileAttributesW(source.c_str()) != INVALID_FILE_ATTRIBUTES)
            return FILEOP_DOIT;
        watch->failure = std::wstring(L"the package lacks ") + media->SourceFile;
        return FILEOP_ABORT;
    }
    if (notification == SPFILENOTIFY_COPYERROR) {
        const auto* paths = reinterpret_cast<const FILEPATHS_W*>(first);
        watch->failure = std::wstring(L"cannot copy ") + paths->Source + L": " + ErrorText(paths->Win32Error);
        return FILEOP_ABORT;
    }
    return SetupDefaultQueueCallbackW(watch->defaultContext, notification, first, second);
}

bool CommitQueue(HSPFILEQ queue, std::wstring* problem)
{
    CopyWatch watch = {
        SetupInitDefaultQueueCallbackEx(nullptr, static_cast<HWND>(INVALID_HANDLE_VALUE), 0, 0, nullptr),
        L""};
    bool committed =
        watch.defaultContext != nullptr && SetupCommitFileQueueW(nullptr, queue, WatchCopy, &watch);
    DWORD error = GetLastError();
    if (watch.defaultContext != nullptr)
        SetupTermDefaultQueueCallback(watch.defaultContext);
    if (committed)
        return true;
    *problem =
        !watch.failure.empty() ? watch.failure : L"copying the driver's files failed: " + ErrorText(error);
    return false;
}

}  // namespace

std::wstring FirstMissingFile(const std::wstring& folder, const std::vector<std::wstring>& files)
{
    for (const std::wstring& file : files) {
        DWORD attributes = GetFileAttributesW((folder + L"\\" + file).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return file;
    }
    return L"";
}

bool CopyInstallSectionFiles(HINF inf, const std::wstring& installSection, const std::wstring& packageFolder,
                             const std::wstring& driverFolder, std::wstring* problem)
{
    if (!SetupSetDirectoryIdW(inf, PrinterDriverDirectoryId, driverFolder.c_str())) {
        *problem = L"setupapi refused the driver folder " + driverFolder + L": " + ErrorText(GetLastError());
        return false;
    }
    HSPFILEQ queue = SetupOpenFileQueue();
    if (queue == INVALID_HANDLE_VALUE) {
        *problem = L"setupapi opened no file queue: " + ErrorText(GetLastError());
        return false;
    }
    bool copied = false;
    if (!SetupInstallFilesFromInfSectionW(inf, nullptr, queue, installSection.c_str(), packageFolder.c_str(),
                                          SP_COPY_NOSKIP | SP_COPY_NOBROWSE))
        *problem =
            L"setupapi cannot queue the files of [" + installSection + L"]: " + ErrorText(GetLastError());
    else
        copied = CommitQueue(queue, problem);
    SetupCloseFileQueue(queue);
    return copied;
}

void RemoveStagedFiles(const std::wstring& driverFolder, const std::vector<std::wstring>& files)
{
    for (const std::wstring& file : files)
        DeleteFileW((driverFolder + L"\\" + file).c_str());
}
