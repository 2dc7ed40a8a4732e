/*
 * Reading and writing fields of records whose layout is only known at run
 * time.  The record is little-endian whatever the host; these helpers keep
 * unaligned and foreign records safe to touch.
 */
#ifndef PDR_SETTINGS_DEVMODE_BYTES_H
#define PDR_SETTINGS_DEVMODE_BYTES_H

#include <stddef.h>
#include <stdint.h>

#include "settings/driver_devmode.h"

inline uint16_t LoadU16(const void* record, size_t offset)
{
    const uint8_t* p = static_cast<const uint8_t*>(record) + offset;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t LoadU32(const void* record, size_t offset)
{
    const uint8_t* p = static_cast<const uint8_t*>(record) + offset;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void StoreU16(void* record, size_t offset, uint16_t value)
{
    uint8_t* p = static_cast<uint8_t*>(record) + offset;
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}

inline void StoreU32(void* record, size_t offset, uint32_t value)
{
    uint8_t* p = static_cast<uint8_t*>(record) + offset;
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(value >> (8 * i));
}

/* Header members every layout shares. */
enum : size_t {
    OffsetSpecVersion = offsetof(PublicDevMode, dmSpecVersion),
    OffsetDriverVersion = offsetof(PublicDevMode, dmDriverVersion),
    OffsetSize = offsetof(PublicDevMode, dmSize),
    OffsetDriverExtra = offsetof(PublicDevMode, dmDriverExtra),
    /* A buffer shorter than this cannot even say what layout it has. */
    DevModeHeaderBytes = offsetof(PublicDevMode, dmFields),
};

inline uint16_t RecordSize(const void* record)
{
    return LoadU16(record, OffsetSize);
}
inline uint16_t RecordExtraSize(const void* record)
{
    return LoadU16(record, OffsetDriverExtra);
}
inline uint16_t RecordSpecVersion(const void* record)
{
    return LoadU16(record, OffsetSpecVersion);
}
inline uint16_t RecordDriverVersion(const void* record)
{
    return LoadU16(record, OffsetDriverVersion);
}

/* Whole size of a record as its own header describes it. */
inline uint32_t RecordTotalSize(const void* record)
{
    return static_cast<uint32_t>(RecordSize(record)) + RecordExtraSize(record);
}

/* A record framed as this driver's current layout: 220 + 288 bytes. */
inline bool IsCurrentLayout(const void* record)
{
    return RecordSize(record) == PublicPartSize && RecordExtraSize(record) == CurrentDriverExtraSize;
}

#endif
