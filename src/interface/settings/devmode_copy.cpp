#include <string.h>

#include "settings/devmode_bytes.h"
#include "settings/devmode_ops.h"

namespace {

/* A public part that ends inside the header stating the sizes and versions
 * would put the private part over that header: such a record has no layout
 * a copy could honour, whatever version it claims. */
bool CoversHeader(const void* record)
{
    return RecordSize(record) >= DevModeHeaderBytes;
}

bool IsKnownLayout(const void* record)
{
    return CoversHeader(record) &&
           (SpecVersionForSize(RecordSize(record)) != 0 || RecordSpecVersion(record) != 0);
}

uint16_t Smaller(uint16_t a, uint16_t b)
{
    return a < b ? a : b;
}

/*
 * Records written by older driver versions carried other data where the
 * copy-count fields now lie.  Only touch bytes that really belong to the
 * destination's private part: a caller may prepare a current-version
 * destination with a shorter private part than ours.
 */
void ResetCopyFieldsFromOldDriver(uint8_t* destination)
{
    const size_t extraStart = RecordSize(destination);
    const size_t extraSize = RecordExtraSize(destination);
    const size_t alwaysAt = offsetof(DriverExtra, AlwaysUseDriverSetting);
    const size_t copiesAt = offsetof(DriverExtra, DriverCopies);
    if (alwaysAt + 4 <= extraSize)
        StoreU32(destination, extraStart + alwaysAt, 0);
    if (copiesAt + 2 <= extraSize)
        StoreU16(destination, extraStart + copiesAt, 1);
}

}  // namespace

uint16_t SpecVersionForSize(uint16_t dmSize)
{
    switch (dmSize) {
    case PublicPartSizeWin95:
        return SpecVersionWin95;
    case PublicPartSizeNt4:
        return SpecVersionNt4;
    case PublicPartSize:
        return CurrentSpecVersion;
    default:
        return 0;
    }
}

int CopyDevMode(const void* sourceRecord, void* destinationRecord)
{
    if (sourceRecord == nullptr || !IsKnownLayout(sourceRecord) || destinationRecord == nullptr ||
        !CoversHeader(destinationRecord))
        return -1;
    const uint8_t* source = static_cast<const uint8_t*>(sourceRecord);
    uint8_t* destination = static_cast<uint8_t*>(destinationRecord);

    uint16_t specVersion = SpecVersionForSize(RecordSize(destination));
    if (specVersion == 0)
        specVersion = RecordSpecVersion(destination);
    if (specVersion == 0)
        return -1;

    const uint16_t driverVersion = RecordDriverVersion(destination);
    const uint16_t size = RecordSize(destination);
    const uint16_t extraSize = RecordExtraSize(destination);

    const uint16_t publicBytes = Smaller(RecordSize(source), size);
    memmove(destination, source, publicBytes);
    StoreU16(destination, OffsetSpecVersion, specVersion);
    StoreU16(destination, OffsetDriverVersion, driverVersion);
    StoreU16(destination, OffsetSize, size);
    StoreU16(destination, OffsetDriverExtra, extraSize);

    const uint16_t privateBytes = Smaller(RecordExtraSize(source), extraSize);
    memmove(destination + size, source + RecordSize(source), privateBytes);

    if (RecordDriverVersion(source) < CurrentDriverVersion && driverVersion >= CurrentDriverVersion)
        ResetCopyFieldsFromOldDriver(destination);
    return publicBytes + privateBytes;
}

bool CopyDevModeOut(const DriverDevMode* working, const void* callerIn, void* callerOut)
{
    if (working == nullptr || callerOut == nullptr)
        return false;
    if (callerIn == nullptr) {
        memcpy(callerOut, working,
               static_cast<size_t>(working->Public.dmSize) + working->Public.dmDriverExtra);
        return true;
    }
    /* The caller sized its output from its own input record: one of no
       known layout says nothing about that buffer, not even that it holds
       a header, so nothing may be written into it. */
    if (!IsKnownLayout(callerIn))
        return false;
    if (RecordSize(callerIn) >= working->Public.dmSize) {
        StoreU16(callerOut, OffsetSpecVersion, working->Public.dmSpecVersion);
        StoreU16(callerOut, OffsetSize, working->Public.dmSize);
    } else {
        StoreU16(callerOut, OffsetSpecVersion, RecordSpecVersion(callerIn));
        StoreU16(callerOut, OffsetSize, RecordSize(callerIn));
    }
    if (RecordExtraSize(callerIn) >= working->Public.dmDriverExtra) {
        StoreU16(callerOut, OffsetDriverVersion, working->Public.dmDriverVersion);
        StoreU16(callerOut, OffsetDriverExtra, working->Public.dmDriverExtra);
    } else {
        StoreU16(callerOut, OffsetDriverVersion, RecordDriverVersion(callerIn));
        StoreU16(callerOut, OffsetDriverExtra, RecordExtraSize(callerIn));
    }
    return CopyDevMode(working, callerOut) > 0;
}
