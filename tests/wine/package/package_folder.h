/* The build tree's driver package, beside the test programs' folder. */
#ifndef PDR_TESTS_WINE_PACKAGE_FOLDER_H
#define PDR_TESTS_WINE_PACKAGE_FOLDER_H

#include <string>

std::wstring PackageFolder();
std::wstring PackageInfPath();

#endif
