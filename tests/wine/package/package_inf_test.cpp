/* The built driver package: setupapi reads its INF as a Windows NT printer
 * INF of the packaged DLL's version, and the INF installs only files that
 * it declares and the package holds. */
#include <windows.h>
#include <gtest/gtest.h>
#include <setupapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "inf_driver.h"
#include "package_folder.h"

namespace {

struct OpenInf {
    HINF handle = INVALID_HANDLE_VALUE;
    explicit OpenInf(const std::wstring& path)
    {
        UINT errorLine = 0;
        handle = SetupOpenInfFileW(path.c_str(), L"Printer", INF_STYLE_WIN4, &errorLine);
    }
    ~OpenInf()
    {
        if (handle != INVALID_HANDLE_VALUE)
            SetupCloseInfFile(handle);
    }
};

DWORD InfStyle(HINF inf)
{
    DWORD size = 0;
    SetupGetInfInformationW(inf, INFINFO_INF_SPEC_IS_HINF, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    auto* info = reinterpret_cast<SP_INF_INFORMATION*>(buffer.data());
    if (size == 0 || !SetupGetInfInformationW(inf, INFINFO_INF_SPEC_IS_HINF, info, size, nullptr))
        return 0;
    return info->InfStyle;
}

/* Read as a line of [Version], strings substituted: Wine's
 * SetupQueryInfVersionInformationW is not implemented (error 120). */
std::wstring VersionValue(HINF inf, const wchar_t* key, DWORD field = 1)
{
    INFCONTEXT line;
    wchar_t value[256] = L"";
    if (!SetupFindFirstLineW(inf, L"Version", key, &line) ||
        !SetupGetStringFieldW(&line, field, value, 256, nullptr))
        return L"(none)";
    return value;
}

std::wstring FileVersion(const std::wstring& path)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<BYTE> block(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length))
        return L"(none)";
    return std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
           std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
           std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
           std::to_wstring(LOWORD(fixed->dwFileVersionLS));
}

TEST(DriverPackageInf, OpensAsAWindowsNtPrinterInfOfThePackagedVersion)
{
    OpenInf inf(PackageInfPath());
    ASSERT_NE(inf.handle, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    EXPECT_EQ(InfStyle(inf.handle), static_cast<DWORD>(INF_STYLE_WIN4));
    EXPECT_EQ(VersionValue(inf.handle, L"Signature"), L"$Windows NT$");
    EXPECT_EQ(VersionValue(inf.handle, L"Class"), L"Printer");
    EXPECT_EQ(VersionValue(inf.handle, L"ClassGuid"), L"{4D36E979-E325-11CE-BFC1-08002BE10318}");
    EXPECT_EQ(VersionValue(inf.handle, L"CatalogFile"), L"pdr7300.cat");
    /* DriverVer: the date as month/day/year, then the DLL's version. */
    EXPECT_EQ(VersionValue(inf.handle, L"DriverVer", 1).size(), 10u);
    EXPECT_EQ(VersionValue(inf.handle, L"DriverVer", 2), FileVersion(PackageFolder() + L"\\pdr7300ui.dll"));
    EXPECT_EQ(VersionValue(inf.handle, L"Provider"), L"Pellucidor Systems");
}

TEST(DriverPackageInf, InstallsOnlyDeclaredFilesThePackageHolds)
{
    OpenInf inf(PackageInfPath());
    ASSERT_NE(inf.handle, INVALID_HANDLE_VALUE);
    InfDriver driver;
    std::wstring problem;
    ASSERT_TRUE(ReadInfDriver(inf.handle, ModelName, &driver, &problem)) << problem.c_str();
    EXPECT_EQ(driver.configFile, L"pdr7300ui.dll");
    std::vector<std::wstring> named = {driver.driverFile, driver.configFile, driver.dataFile};
    for (const std::wstring& file : named)
        EXPECT_NE(std::find(driver.files.begin(), driver.files.end(), file), driver.files.end())
            << file.c_str();
    for (const std::wstring& file : driver.files) {
        INFCONTEXT line;
        EXPECT_TRUE(SetupFindFirstLineW(inf.handle, L"SourceDisksFiles", file.c_str(), &line))
            << file.c_str();
        EXPECT_NE(GetFileAttributesW((PackageFolder() + L"\\" + file).c_str()), INVALID_FILE_ATTRIBUTES)
            << file.c_str();
    }
    EXPECT_NE(std::find(driver.files.begin(), driver.files.end(), L"label-stock.kmr"), driver.files.end());
}

}  // namespace
