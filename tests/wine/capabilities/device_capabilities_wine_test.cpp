/* DrvDeviceCapabilities through the DLL's export, against the default catalogue. */
#include <string.h>

#include "capabilities_test_support.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "text/platform_hooks.h"

namespace {

const uint8_t Guard = 0xA5;

/* A buffer of exactly `bytes` that the driver may fill, then guard bytes. */
struct Guarded {
    std::vector<uint8_t> bytes;
    size_t size;
    explicit Guarded(size_t size_) : bytes(size_ + 64, Guard), size(size_) {}
    void* data()
    {
        return bytes.data();
    }
    bool GuardIntact() const
    {
        for (size_t i = size; i < bytes.size(); ++i)
            if (bytes[i] != Guard)
                return false;
        return true;
    }
    bool Untouched() const
    {
        for (uint8_t b : bytes)
            if (b != Guard)
                return false;
        return true;
    }
    uint16_t U16(size_t i) const
    {
        return static_cast<uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    int32_t I32(size_t i) const
    {
        int32_t value;
        memcpy(&value, &bytes[4 * i], 4);
        return value;
    }
    std::wstring Slot(size_t i, size_t units) const
    {
        std::wstring text;
        for (size_t u = 0; u < units; ++u) {
            uint16_t unit = U16(i * units + u);
            if (unit == 0)
                break;
            text += static_cast<wchar_t>(unit);
        }
        return text;
    }
    bool SlotTailZero(size_t i, size_t units) const
    {
        size_t u = Slot(i, units).size();
        for (; u < units; ++u)
            if (U16(i * units + u) != 0)
                return false;
        return true;
    }
};

class DeviceCapabilitiesExport : public CatalogueAtDefaultPath {};

TEST_F(DeviceCapabilitiesExport, ScalarIndicesWithAndWithoutABuffer)
{
    const struct {
        WORD index;
        DWORD result;
        std::vector<int32_t> pairs;    // 32-bit values written
        std::vector<uint16_t> shorts;  // 16-bit values written
    } rows[] = {
        {DC_FIELDS, 0x00015B03, {}, {}},
        {DC_MINEXTENT, 0x00640064, {100, 100}, {}},
        {DC_MAXEXTENT, 0x77100507, {1287, 30480}, {}},
        {DC_BINS, 1, {}, {256}},
        {DC_DUPLEX, 1, {}, {}},
        {DC_SIZE, 220, {}, {}},
        {DC_EXTRA, 288, {}, {}},
        {DC_VERSION, 0x0401, {}, {}},
        {DC_DRIVER, 0x0402, {}, {}},
        {DC_BINNAMES, 1, {}, {'F', 'e', 'e', 'd', 'e', 'r', 0}},
        {DC_ENUMRESOLUTIONS, 1, {300, 300}, {}},
        {DC_FILEDEPENDENCIES, 0, {}, {}},
        {DC_TRUETYPE, DCTT_BITMAP, {}, {}},
        {DC_ORIENTATION, 90, {}, {}},
        {DC_COPIES, 25000, {}, {}},
        {0, static_cast<DWORD>(-1), {}, {}},
        {19, static_cast<DWORD>(-1), {}, {}},
        {0xFFFF, static_cast<DWORD>(-1), {}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(row.result, Capability(row.index, nullptr));
        Guarded out(row.pairs.size() * 4 + row.shorts.size() * 2);
        EXPECT_EQ(row.result, Capability(row.index, out.data()));
        for (size_t i = 0; i < row.pairs.size(); ++i)
            EXPECT_EQ(row.pairs[i], out.I32(i));
        for (size_t i = 0; i < row.shorts.size(); ++i)
            EXPECT_EQ(row.shorts[i], out.U16(i));
        EXPECT_TRUE(out.GuardIntact());
    }
}

/* Without a caller's record the defaults' own paper follows the labels. */
TEST_F(DeviceCapabilitiesExport, ListsComeFromTheCatalogueInFileOrder)
{
    EXPECT_EQ(4u, Capability(DC_PAPERS, nullptr));
    EXPECT_EQ(4u, Capability(DC_PAPERSIZE, nullptr));
    EXPECT_EQ(4u, Capability(DC_PAPERNAMES, nullptr));

    Guarded ids(4 * 2), sizes(4 * 8), names(4 * 128);
    ASSERT_EQ(4u, Capability(DC_PAPERS, ids.data()));
    ASSERT_EQ(4u, Capability(DC_PAPERSIZE, sizes.data()));
    ASSERT_EQ(4u, Capability(DC_PAPERNAMES, names.data()));
    EXPECT_TRUE(ids.GuardIntact());
    EXPECT_TRUE(sizes.GuardIntact());
    EXPECT_TRUE(names.GuardIntact());
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(TestLabelIds[i], static_cast<short>(ids.U16(i)));
        EXPECT_EQ(TestLabelSizes[i][0], sizes.I32(2 * i));
        EXPECT_EQ(TestLabelSizes[i][1], sizes.I32(2 * i + 1));
        EXPECT_EQ(AnsiToWide(TestLabelNames[i]), names.Slot(i, 64));
        EXPECT_TRUE(names.SlotTailZero(i, 64));
    }
    EXPECT_EQ(256, ids.U16(3));
    EXPECT_EQ(1016, sizes.I32(6));
    EXPECT_EQ(1524, sizes.I32(7));
    EXPECT_EQ(L"Default", names.Slot(3, 64));
    EXPECT_TRUE(names.SlotTailZero(3, 64));
    if (GetACP() == 1252) {
        EXPECT_EQ(std::wstring(L"Caf\u00E9 \u20AC labels"), names.Slot(1, 64));
    }
}

TEST_F(DeviceCapabilitiesExport, EmptyOrMissingCatalogueListsTheRecordsPaperAlone)
{
    DriverDevMode userSize;
    BuildDefaultDevMode(&userSize, nullptr);
    userSize.Public.dmPaperWidth = 500;
    userSize.Public.dmPaperLength = 800;
    for (bool missing : {false, true}) {
        SCOPED_TRACE(missing ? "missing" : "empty");
        if (missing)
            RemoveCatalogue();
        else
            PlaceCatalogue("[]");
        const struct {
            const DriverDevMode* record;
            const wchar_t* name;
            int32_t width, length;
        } cases[] = {{nullptr, L"Default", 1016, 1524}, {&userSize, L"Custom", 500, 800}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            Guarded ids(2), sizes(8), names(128);
            EXPECT_EQ(1u, Capability(DC_PAPERS, ids.data(), c.record));
            EXPECT_EQ(1u, Capability(DC_PAPERSIZE, sizes.data(), c.record));
            EXPECT_EQ(1u, Capability(DC_PAPERNAMES, names.data(), c.record));
            EXPECT_TRUE(ids.GuardIntact() && sizes.GuardIntact() && names.GuardIntact());
            EXPECT_EQ(256, ids.U16(0));
            EXPECT_EQ(c.width, sizes.I32(0));
            EXPECT_EQ(c.length, sizes.I32(1));
            EXPECT_EQ(c.name, names.Slot(0, 64));
            EXPECT_TRUE(names.SlotTailZero(0, 64));
        }
    }
}

TEST_F(DeviceCapabilitiesExport, CallersRecordIsMergedFirst)
{
    DriverDevMode caller;
    BuildDefaultDevMode(&caller, nullptr);
    caller.Public.dmFields = 0;  // even with DM_COPIES clear, the defaults carry it
    EXPECT_EQ(0x00015B0Fu, Capability(DC_FIELDS, nullptr, &caller));

    // A record naming a label lists the whole catalogue and nothing else.
    caller.Public.dmPaperSize = 257;
    Guarded ids(3 * 2);
    EXPECT_EQ(3u, Capability(DC_PAPERS, ids.data(), &caller));
    EXPECT_TRUE(ids.GuardIntact());

    caller.Public.dmSize = 100;
    caller.Public.dmSpecVersion = 0;
    for (WORD index = 1; index <= 18; ++index) {
        SCOPED_TRACE(index);
        Guarded out(0);
        EXPECT_EQ(static_cast<DWORD>(-1), Capability(index, out.data(), &caller));
        EXPECT_TRUE(out.Untouched());
    }
}

/* Winspool's rule: the three paper lists describe the same papers. */
TEST_F(DeviceCapabilitiesExport, PaperListsAgreeWithEachOtherAndWithFormNames)
{
    EnsurePlatformHooks();
    const DWORD count = Capability(DC_PAPERS, nullptr);
    ASSERT_EQ(count, Capability(DC_PAPERSIZE, nullptr));
    ASSERT_EQ(count, Capability(DC_PAPERNAMES, nullptr));
    Guarded ids(count * 2), sizes(count * 8), names(count * 128);
    Capability(DC_PAPERS, ids.data());
    Capability(DC_PAPERSIZE, sizes.data());
    Capability(DC_PAPERNAMES, names.data());
    for (DWORD i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        // Merging a record that names paper i gives that paper's size and name.
        DriverDevMode incoming, merged;
        BuildDefaultDevMode(&incoming, nullptr);
        BuildDefaultDevMode(&merged, nullptr);
        incoming.Public.dmPaperSize = static_cast<short>(ids.U16(i));
        ASSERT_EQ(1, MergeDevMode(&merged, &incoming));
        EXPECT_EQ(sizes.I32(2 * i), merged.Public.dmPaperWidth);
        EXPECT_EQ(sizes.I32(2 * i + 1), merged.Public.dmPaperLength);
        EXPECT_EQ(names.Slot(i, 64),
                  std::wstring(reinterpret_cast<const wchar_t*>(merged.Public.dmFormName)));
    }
}

TEST_F(DeviceCapabilitiesExport, TheSpoolerRoutesToTheSameAnswers)
{
    const DWORD count = DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERS, nullptr, nullptr);
    ASSERT_EQ(4u, count);
    std::vector<WORD> ids(count);
    ASSERT_EQ(4, DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERS,
                                     reinterpret_cast<LPWSTR>(ids.data()), nullptr));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(TestLabelIds[i], static_cast<short>(ids[i]));
    EXPECT_EQ(256, ids[3]);
    std::vector<wchar_t> names(count * 64);
    ASSERT_EQ(4, DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERNAMES, names.data(), nullptr));
    EXPECT_EQ(AnsiToWide(TestLabelNames[1]), std::wstring(&names[64]));
    EXPECT_EQ(L"Default", std::wstring(&names[3 * 64]));
}

}  // namespace
