#include "record_mutator.h"

#include <string.h>

#include "settings/devmode_bytes.h"
#include "settings/devmode_ops.h"

namespace {

const uint16_t InterestingSizes[] = {0,   1,   64,  71,  72,  73,  100, 187,  188,    189,
                                     211, 212, 213, 219, 220, 221, 508, 4000, 0x7FFF, 0xFFFF};
const uint16_t InterestingExtras[] = {0,   1,   3,   4,   5,   111,  112,  113,   283,
                                      284, 285, 287, 288, 289, 1000, 4096, 0xFFFF};
const uint16_t InterestingVersions[] = {0, 1, 0x0320, 0x0350, 0x0400, 0x0401, 0x0402, 0x0403, 0x7FFF, 0xFFFF};
const uint32_t InterestingValues[] = {0,          1,
                                      2,          3,
                                      4,          5,
                                      6,          7,
                                      8,          25,
                                      32,         33,
                                      100,        200,
                                      201,        255,
                                      256,        257,
                                      300,        1200,
                                      1201,       25000,
                                      25001,      32767,
                                      0x8000,     0xFFFF,
                                      0x10000,    0x7FFFFFFF,
                                      0x80000000, 0xFFFFFFFF,
                                      0xFFFFFFFE, 0xFFFFFB50,
                                      0xFFFFFB4F, DriverSignature};
const int16_t InterestingPapers[] = {-32768, -1, 0, 1, 9, 255, 256, 257, 258, 300, 301, 32767};

template <typename T, size_t N>
T Pick(FuzzRandom& random, const T (&values)[N])
{
    return values[random.Below(N)];
}

/* A record of one of the layouts the driver writes, reads or converts. */
std::vector<uint8_t> SeedRecord(FuzzRandom& random)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, u"PDR-7300 Zr");
    record.Public.dmPaperWidth = 1016;
    record.Public.dmPaperLength = 1524;
    std::vector<uint8_t> bytes(reinterpret_cast<uint8_t*>(&record),
                               reinterpret_cast<uint8_t*>(&record) + sizeof record);
    switch (random.Below(7)) {
    case 0:  // current layout
        break;
    case 1:  // the old layout of the conversion
        memmove(bytes.data() + PublicPartSizeWin95, bytes.data() + PublicPartSize, OldDriverExtraSize);
        bytes.resize(PublicPartSizeWin95 + OldDriverExtraSize);
        StoreU16(bytes.data(), OffsetSize, PublicPartSizeWin95);
        StoreU16(bytes.data(), OffsetSpecVersion, SpecVersionWin95);
        StoreU16(bytes.data(), OffsetDriverVersion, OldDriverVersion);
        StoreU16(bytes.data(), OffsetDriverExtra, OldDriverExtraSize);
        break;
    case 2:  // a shorter public part with the whole private part
        memmove(bytes.data() + PublicPartSizeNt4, bytes.data() + PublicPartSize, CurrentDriverExtraSize);
        bytes.resize(PublicPartSizeNt4 + CurrentDriverExtraSize);
        StoreU16(bytes.data(), OffsetSize, PublicPartSizeNt4);
        StoreU16(bytes.data(), OffsetSpecVersion, SpecVersionNt4);
        break;
    case 3:  // public part only
        bytes.resize(PublicPartSize);
        StoreU16(bytes.data(), OffsetDriverExtra, 0);
        break;
    case 4:  // a label of the catalogue, and an earlier driver version
        StoreU16(bytes.data(), offsetof(PublicDevMode, dmPaperSize), random.OneIn(2) ? 257 : 300);
        StoreU16(bytes.data(), OffsetDriverVersion, 0x0401);
        break;
    case 5:  // another driver's private part
        StoreU32(bytes.data(), PublicPartSize, 0x12345678);
        break;
    default:  // the bare header of an unusual size
        bytes.resize(RecordHeaderBytes + random.Below(200));
        StoreU16(bytes.data(), OffsetSize, static_cast<uint16_t>(bytes.size()));
        StoreU16(bytes.data(), OffsetDriverExtra, 0);
        break;
    }
    return bytes;
}

void MutateOnce(FuzzRandom& random, std::vector<uint8_t>& bytes)
{
    uint8_t* data = bytes.data();
    const size_t privateStart = RecordSize(data);
    switch (random.Below(8)) {
    case 0:
        StoreU16(data, OffsetSize, Pick(random, InterestingSizes));
        break;
    case 1:
        StoreU16(data, OffsetDriverExtra, Pick(random, InterestingExtras));
        break;
    case 2:
        StoreU16(data, random.OneIn(2) ? OffsetSpecVersion : OffsetDriverVersion,
                 Pick(random, InterestingVersions));
        break;
    case 3:
        StoreU16(data, offsetof(PublicDevMode, dmPaperSize),
                 static_cast<uint16_t>(Pick(random, InterestingPapers)));
        break;
    case 4: {  // a private field, at a 4-byte boundary of the private part
        const size_t at = privateStart + 4 * random.Below(CurrentDriverExtraSize / 4);
        if (at + 4 <= bytes.size())
            StoreU32(data, at, Pick(random, InterestingValues));
        break;
    }
    case 5: {  // a public 16-bit member
        const size_t at = RecordHeaderBytes + 2 * random.Below((PublicPartSize - RecordHeaderBytes) / 2);
        if (at + 2 <= bytes.size())
            StoreU16(data, at, static_cast<uint16_t>(Pick(random, InterestingValues)));
        break;
    }
    case 6:  // texts without their terminator
        for (size_t i = 0; i < 64 && i < bytes.size(); ++i)
            data[i] = static_cast<uint8_t>('A' + i % 26);
        for (size_t i = privateStart + 40; i < privateStart + 104 && i < bytes.size(); ++i)
            data[i] = 0xE9;
        break;
    default:
        if (!bytes.empty())
            data[random.Below(static_cast<uint32_t>(bytes.size()))] = static_cast<uint8_t>(random.Next());
        break;
    }
}

/* Grows or shrinks the buffer to what the record now claims; sometimes
 * only to the parts a reader may use, when it claims more than that. */
void FitBuffer(FuzzRandom& random, std::vector<uint8_t>& bytes)
{
    size_t length = ClaimedBufferBytes(bytes);
    const size_t size = RecordSize(bytes.data());
    const size_t extra = RecordExtraSize(bytes.data());
    const size_t privateLimit = CurrentDriverExtraSize;
    const size_t used = size + (extra < privateLimit ? extra : privateLimit);
    if (used < length && used >= RecordHeaderBytes && random.OneIn(2))
        length = used;
    bytes.resize(length, static_cast<uint8_t>(random.Next()));
}

}  // namespace

uint64_t FuzzRandom::Next()
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

size_t ClaimedBufferBytes(const std::vector<uint8_t>& record)
{
    const size_t claimed = RecordTotalSize(record.data());
    return claimed > RecordHeaderBytes ? claimed : RecordHeaderBytes;
}

std::vector<uint8_t> MakeHostileRecord(FuzzRandom& random)
{
    std::vector<uint8_t> bytes = SeedRecord(random);
    const uint32_t mutations = random.Below(6);
    for (uint32_t i = 0; i < mutations; ++i)
        MutateOnce(random, bytes);
    FitBuffer(random, bytes);
    return bytes;
}
