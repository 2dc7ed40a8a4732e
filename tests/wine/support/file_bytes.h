/* Whole files as bytes, and the default catalogue kept safe around a test. */
#ifndef PDR_TESTS_FILE_BYTES_H
#define PDR_TESTS_FILE_BYTES_H

#include <string>

bool FileExists(const std::wstring& path);

/* The file's bytes; false (and nothing read) when it cannot be opened. */
bool ReadFileBytes(const std::wstring& path, std::string* bytes);

/* The file's bytes, or the empty text when it cannot be opened. */
std::string FileBytes(const std::wstring& path);

bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

/* The default catalogue's bytes as they were before a test, put back after
 * it (or the file removed when there was none).  The test starts without a
 * catalogue file. */
class DefaultCatalogueGuard {
public:
    DefaultCatalogueGuard();
    ~DefaultCatalogueGuard();
    const std::wstring& Path() const
    {
        return path;
    }

private:
    std::wstring path;
    bool existed = false;
    std::string bytes;
};

#endif
