#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "settings/devmode_bytes.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"

namespace {

const uint8_t Guard = 0xA5;

/* A record buffer of a given layout, followed by guard bytes that no copy
 * may touch. */
struct RawRecord {
    std::vector<uint8_t> bytes;
    size_t size;

    RawRecord(uint16_t dmSize, uint16_t extra, uint16_t specVersion, uint16_t driverVersion, uint8_t fill = 0)
        : bytes(static_cast<size_t>(dmSize) + extra + 64, Guard), size(static_cast<size_t>(dmSize) + extra)
    {
        memset(bytes.data(), fill, size);
        StoreU16(data(), OffsetSize, dmSize);
        StoreU16(data(), OffsetDriverExtra, extra);
        StoreU16(data(), OffsetSpecVersion, specVersion);
        StoreU16(data(), OffsetDriverVersion, driverVersion);
    }
    uint8_t* data()
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
};

DriverDevMode Defaults()
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, nullptr);
    return record;
}

TEST(CopyDevMode, RefusesMissingRecordsAndUnknownLayouts)
{
    DriverDevMode target = Defaults();
    RawRecord unknown(100, 0, 0, 0x0402);
    EXPECT_EQ(-1, CopyDevMode(nullptr, &target));
    EXPECT_EQ(-1, CopyDevMode(&target, nullptr));
    EXPECT_EQ(-1, CopyDevMode(unknown.data(), &target));

    // An unusual size is taken on trust only when it names its dmSpecVersion.
    RawRecord versioned(100, 0, 0x0401, 0x0402);
    EXPECT_EQ(100, CopyDevMode(versioned.data(), &target));

    // A destination of unusual size must name its own version.
    RawRecord unknownDestination(100, 0, 0, 0x0402);
    DriverDevMode source = Defaults();
    EXPECT_EQ(-1, CopyDevMode(&source, unknownDestination.data()));
}

/* Sizes that end inside the 72-byte header, and the header exactly. */
const uint16_t ShortPublicSizes[] = {0, 1, 64, 69, 71};

TEST(CopyDevMode, PublicPartShorterThanTheHeaderIsOfNoKnownLayout)
{
    for (uint16_t size : ShortPublicSizes) {
        SCOPED_TRACE(size);
        DriverDevMode source = Defaults();
        source.Public.dmSize = size;
        DriverDevMode target = Defaults();
        const DriverDevMode before = target;
        EXPECT_EQ(-1, CopyDevMode(&source, &target));
        EXPECT_EQ(0, memcmp(&before, &target, sizeof target));
        EXPECT_EQ(0, MergeDevMode(&target, &source));
        EXPECT_EQ(0, memcmp(&before, &target, sizeof target));

        // As a destination it would have its private part written over its
        // own header.
        RawRecord destination(size, 288, 0x0401, 0x0402);
        const DriverDevMode working = Defaults();
        EXPECT_EQ(-1, CopyDevMode(&working, destination.data()));
        EXPECT_EQ(0, CopyDevModeOut(&working, &source, destination.data()));
        EXPECT_TRUE(destination.GuardIntact());
    }

    DriverDevMode header = Defaults();
    header.Public.dmSize = DevModeHeaderBytes;
    DriverDevMode target = Defaults();
    EXPECT_EQ(DevModeHeaderBytes + 288, CopyDevMode(&header, &target));
    const DriverDevMode working = Defaults();
    RawRecord out(DevModeHeaderBytes, 288, 0, 0);
    EXPECT_EQ(1, CopyDevModeOut(&working, &header, out.data()));
    EXPECT_EQ(DevModeHeaderBytes, RecordSize(out.data()));
    EXPECT_EQ(288, RecordExtraSize(out.data()));
    EXPECT_EQ(0x18284000u, LoadU32(out.data(), DevModeHeaderBytes));
    EXPECT_TRUE(out.GuardIntact());
}

TEST(CopyDevMode, KnownPublicSizesSetTheirSpecVersion)
{
    const struct {
        uint16_t size;
        uint16_t version;
    } layouts[] = {{188, 0x0320}, {212, 0x0400}, {220, 0x0401}};
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.size);
        DriverDevMode source = Defaults();
        RawRecord destination(layout.size, 288, 0x9999, 0x0402);
        EXPECT_EQ(layout.size + 288, CopyDevMode(&source, destination.data()));
        EXPECT_EQ(layout.version, RecordSpecVersion(destination.data()));
        EXPECT_EQ(layout.size, RecordSize(destination.data()));
        // The private part starts right after the destination's public part.
        EXPECT_EQ(DriverSignature, LoadU32(destination.data(), layout.size));
        EXPECT_TRUE(destination.GuardIntact());
    }
}

TEST(CopyDevMode, ShortSourceLeavesTheRestOfTheDestinationAlone)
{
    RawRecord source(188, 112, 0x0320, 0x0350, 0x11);
    StoreU32(source.data(), 188, DriverSignature);
    DriverDevMode destination = Defaults();
    destination.Public.dmPanningHeight = 0x12345678;
    destination.Extra.CutOffset = 77;
    EXPECT_EQ(300, CopyDevMode(source.data(), &destination));
    EXPECT_EQ(0x12345678u, destination.Public.dmPanningHeight);
    EXPECT_EQ(77, destination.Extra.CutOffset);
    EXPECT_EQ(DriverSignature, destination.Extra.Signature);
    EXPECT_EQ(0x11111111u, destination.Public.dmFields);
    // Header stays the destination's own.
    EXPECT_EQ(220, destination.Public.dmSize);
    EXPECT_EQ(288, destination.Public.dmDriverExtra);
    EXPECT_EQ(0x0401, destination.Public.dmSpecVersion);
    EXPECT_EQ(0x0402, destination.Public.dmDriverVersion);
}

TEST(CopyDevMode, OlderDriverVersionsDoNotCarryTheCopyFields)
{
    DriverDevMode source = Defaults();
    source.Public.dmDriverVersion = 0x0401;
    source.Extra.AlwaysUseDriverSetting = 1;
    source.Extra.DriverCopies = 99;

    DriverDevMode current = Defaults();
    EXPECT_EQ(508, CopyDevMode(&source, &current));
    EXPECT_EQ(0u, current.Extra.AlwaysUseDriverSetting);
    EXPECT_EQ(1, current.Extra.DriverCopies);

    // Into the old layout only 188 + 112 bytes travel and nothing is reset.
    RawRecord old(188, 112, 0x0320, 0x0350);
    EXPECT_EQ(300, CopyDevMode(&source, old.data()));
    EXPECT_TRUE(old.GuardIntact());

    // Same-version copies keep the fields.
    source.Public.dmDriverVersion = 0x0402;
    EXPECT_EQ(508, CopyDevMode(&source, &current));
    EXPECT_EQ(1u, current.Extra.AlwaysUseDriverSetting);
    EXPECT_EQ(99, current.Extra.DriverCopies);
}

TEST(CopyDevMode, CopyFieldResetStaysInsideASmallerPrivatePart)
{
    DriverDevMode source = Defaults();
    source.Public.dmDriverVersion = 0x0350;
    for (uint16_t extra : {0, 100, 282, 284, 286}) {
        SCOPED_TRACE(extra);
        RawRecord destination(220, extra, 0x0401, 0x0402);
        EXPECT_EQ(220 + extra, CopyDevMode(&source, destination.data()));
        EXPECT_TRUE(destination.GuardIntact());
    }
    RawRecord roomForFlagOnly(220, 284, 0x0401, 0x0402, 0xEE);
    CopyDevMode(&source, roomForFlagOnly.data());
    EXPECT_EQ(0u, LoadU32(roomForFlagOnly.data(), 220 + 280));
}

TEST(CopyDevModeOut, NeverWritesALargerLayoutThanTheCallersInput)
{
    const DriverDevMode working = Defaults();
    RawRecord callerIn(188, 112, 0x0320, 0x0350);
    RawRecord callerOut(188, 112, 0, 0, 0x77);
    EXPECT_EQ(1, CopyDevModeOut(&working, callerIn.data(), callerOut.data()));
    EXPECT_EQ(188, RecordSize(callerOut.data()));
    EXPECT_EQ(112, RecordExtraSize(callerOut.data()));
    EXPECT_EQ(0x0320, RecordSpecVersion(callerOut.data()));
    EXPECT_EQ(0x0350, RecordDriverVersion(callerOut.data()));
    EXPECT_EQ(DriverSignature, LoadU32(callerOut.data(), 188));
    EXPECT_TRUE(callerOut.GuardIntact());
}

TEST(CopyDevModeOut, LargerCallerRecordsGetTheWorkingLayout)
{
    const DriverDevMode working = Defaults();
    RawRecord callerIn(220, 400, 0x0401, 0x0500);
    RawRecord callerOut(220, 400, 0, 0, 0x77);
    EXPECT_EQ(1, CopyDevModeOut(&working, callerIn.data(), callerOut.data()));
    EXPECT_EQ(0, memcmp(&working, callerOut.data(), sizeof(working)));
    EXPECT_EQ(0x77, callerOut.data()[508]);
}

TEST(CopyDevModeOut, WithoutInputCopiesTheWholeRecordAndWithoutOutputNothing)
{
    const DriverDevMode working = Defaults();
    DriverDevMode out;
    memset(&out, 0, sizeof(out));
    EXPECT_EQ(1, CopyDevModeOut(&working, nullptr, &out));
    EXPECT_EQ(0, memcmp(&working, &out, sizeof(out)));
    EXPECT_EQ(0, CopyDevModeOut(&working, &working, nullptr));
    EXPECT_EQ(0, CopyDevModeOut(&working, nullptr, nullptr));
}

TEST(CopyDevModeOut, InputOfNoKnownLayoutWritesNothingUsable)
{
    const DriverDevMode working = Defaults();
    RawRecord callerIn(100, 0, 0, 0x0402);
    RawRecord callerOut(100, 0, 0, 0);
    EXPECT_EQ(0, CopyDevModeOut(&working, callerIn.data(), callerOut.data()));
}

TEST(CopyDevModeOut, InputEndingInsideItsHeaderLeavesTheOutputUntouched)
{
    const DriverDevMode working = Defaults();
    for (uint16_t size : {0, 10, 71}) {
        std::vector<uint8_t> callerIn(DevModeHeaderBytes, 0);
        StoreU16(callerIn.data(), OffsetSize, size);
        StoreU16(callerIn.data(), OffsetSpecVersion, 0x0401);
        StoreU16(callerIn.data(), OffsetDriverVersion, 0x0402);
        // Sized from the input's claim; the header bytes of a record of
        // that size would already lie beyond it.
        std::vector<uint8_t> callerOut(DevModeHeaderBytes, 0x77);
        EXPECT_EQ(0, CopyDevModeOut(&working, callerIn.data(), callerOut.data()));
        EXPECT_EQ(std::vector<uint8_t>(DevModeHeaderBytes, 0x77), callerOut) << size;
    }
}

}  // namespace
