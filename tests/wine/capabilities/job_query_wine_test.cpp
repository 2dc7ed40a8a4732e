/* DevQueryPrintEx through the DLL's export, against the default catalogue. */
#include <string.h>

#include "capabilities_test_support.h"
#include "settings/devmode_ops.h"

namespace {

class QueryPrintExport : public CatalogueAtDefaultPath {
protected:
    /* Asks with an error-text buffer the driver must leave alone. */
    BOOL Query(const void* record)
    {
        wchar_t errorText[32];
        for (wchar_t& unit : errorText)
            unit = 0x5A5A;
        DEVQUERYPRINT_INFO info;
        memset(&info, 0, sizeof info);
        info.cbSize = sizeof info;
        info.Level = 1;
        info.pDevMode = static_cast<DEVMODEW*>(const_cast<void*>(record));
        info.pszErrorStr = errorText;
        info.cchErrorStr = 32;
        info.cchNeeded = 0x1234;
        BOOL result = queryPrint(&info);
        for (wchar_t unit : errorText)
            EXPECT_EQ(0x5A5A, unit);
        EXPECT_EQ(0x1234u, info.cchNeeded);
        return result;
    }
};

DriverDevMode JobWithPaper(short paperSize)
{
    DriverDevMode job;
    BuildDefaultDevMode(&job, u"PDR-7300 Zr");
    job.Public.dmPaperSize = paperSize;
    return job;
}

TEST_F(QueryPrintExport, JobsAreHeldUnlessTheirPaperIsUserSizedOrACatalogueLabel)
{
    const struct {
        const char* what;
        short paperSize;
        BOOL accepted;
    } cases[] = {
        {"user size", 256, TRUE},       {"standard paper", 1, FALSE},
        {"standard paper 9", 9, FALSE}, {"label in the catalogue", 257, TRUE},
        {"last label", 32767, TRUE},    {"label not in the catalogue", 258, FALSE},
        {"negative", -300, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DriverDevMode job = JobWithPaper(c.paperSize);
        EXPECT_EQ(c.accepted, Query(&job));
    }
}

TEST_F(QueryPrintExport, NoRecordPrints)
{
    EXPECT_TRUE(Query(nullptr));
    EXPECT_TRUE(queryPrint(nullptr));
}

TEST_F(QueryPrintExport, RefusedRecordIsHeld)
{
    DriverDevMode job = JobWithPaper(256);
    job.Public.dmSize = 100;
    job.Public.dmSpecVersion = 0;
    EXPECT_FALSE(Query(&job));
}

TEST_F(QueryPrintExport, WithoutACatalogueOnlyUserSizedJobsPrint)
{
    RemoveCatalogue();
    DriverDevMode label = JobWithPaper(257);
    DriverDevMode user = JobWithPaper(256);
    EXPECT_FALSE(Query(&label));
    EXPECT_TRUE(Query(&user));
}

}  // namespace
