#include <gtest/gtest.h>
#include <string>

#include "text/bounded_text.h"

namespace {

std::string lastReport;
void RecordReport(const char* message)
{
    lastReport = message;
}

TEST(BoundedText, TextThatDoesNotFitLeavesTheDestinationEmptyAndIsReported)
{
    SetInvalidParameterReporter(RecordReport);
    char destination[4] = "xyz";
    lastReport.clear();
    EXPECT_TRUE(CopyTextBounded(destination, sizeof(destination), "abc"));
    EXPECT_STREQ("abc", destination);
    EXPECT_TRUE(lastReport.empty());

    EXPECT_FALSE(CopyTextBounded(destination, sizeof(destination), "abcd"));
    EXPECT_STREQ("", destination);
    EXPECT_EQ("Invalid parameter passed to C runtime function.\n", lastReport);
    SetInvalidParameterReporter(nullptr);
}

TEST(BoundedText, NullSourceGivesEmptyText)
{
    char16_t destination[3] = u"ab";
    EXPECT_TRUE(CopyTextBounded(destination, 3, static_cast<const char16_t*>(nullptr)));
    EXPECT_EQ(0, destination[0]);
}

}  // namespace
