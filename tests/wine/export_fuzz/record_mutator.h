/*
 * Hostile settings records, made deterministically from a seed: a record of
 * one of the layouts the driver meets, with a few fields, sizes or bytes
 * changed, in a buffer as long as its own header says (or only as long as
 * the parts a reader may use, when it claims more).
 */
#ifndef PDR_TESTS_RECORD_MUTATOR_H
#define PDR_TESTS_RECORD_MUTATOR_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

/* A small deterministic generator (splitmix64). */
class FuzzRandom {
public:
    explicit FuzzRandom(uint64_t seed) : state(seed) {}
    uint64_t Next();
    /* 0 .. bound - 1; bound must be positive. */
    uint32_t Below(uint32_t bound)
    {
        return static_cast<uint32_t>(Next() % bound);
    }
    bool OneIn(uint32_t n)
    {
        return Below(n) == 0;
    }

private:
    uint64_t state;
};

/* The bytes every buffer holds at least: the header stating the sizes. */
enum : size_t { RecordHeaderBytes = 72 };

std::vector<uint8_t> MakeHostileRecord(FuzzRandom& random);

/* The buffer length a caller would give a record: its claimed size, never
 * less than the header. */
size_t ClaimedBufferBytes(const std::vector<uint8_t>& record);

#endif
