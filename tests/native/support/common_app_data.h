/* A private machine-wide application-data folder for each native test: the
 * default catalogue lives in it, and it is removed with everything in it
 * when the test ends. */
#ifndef PDR_TESTS_NATIVE_COMMON_APP_DATA_H
#define PDR_TESTS_NATIVE_COMMON_APP_DATA_H

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

class CommonAppDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/pdr-appdata-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        setenv("PDR_COMMON_APPDATA", folder_.c_str(), 1);
    }

    void TearDown() override
    {
        unsetenv("PDR_COMMON_APPDATA");
        ASSERT_EQ(system(("rm -rf '" + folder_ + "'").c_str()), 0);
    }

    /* The default catalogue's path. */
    std::string CataloguePath() const
    {
        return folder_ + "/PDR7300Zr/label-list.kmr";
    }

    /* A file's bytes, or "<missing>". */
    static std::string ReadFileBytes(const std::string& path)
    {
        std::string bytes;
        FILE* file = fopen(path.c_str(), "rb");
        if (file == nullptr)
            return "<missing>";
        char chunk[4096];
        size_t got;
        while ((got = fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.append(chunk, got);
        fclose(file);
        return bytes;
    }

    std::string folder_;
};

#endif
