/*
 * Buffers that end exactly at a no-access page, so that reading or writing
 * one byte past the end faults at once, and whose bytes outside what a call
 * may write hold a canary that is checked afterwards.
 */
#ifndef PDR_TESTS_GUARDED_BUFFER_H
#define PDR_TESTS_GUARDED_BUFFER_H

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

class GuardedBuffer {
public:
    /* Room for buffers of up to `capacity` bytes. */
    explicit GuardedBuffer(size_t capacity);
    ~GuardedBuffer();
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    bool Usable() const
    {
        return region != nullptr;
    }

    /* A buffer of `size` bytes ending at the guard page, filled with the
     * canary; a zero size gives the guard page's own address. */
    uint8_t* Place(size_t size);
    /* The same, holding `bytes` (size of them). */
    uint8_t* PlaceCopy(const void* bytes, size_t size);

    uint8_t* Data()
    {
        return data;
    }
    size_t Size() const
    {
        return size;
    }
    /* No byte from `offset` to the end was written. */
    bool UntouchedFrom(size_t offset) const;

    static constexpr uint8_t Canary = 0xC5;

private:
    uint8_t* region = nullptr;
    size_t usableBytes = 0;
    uint8_t* data = nullptr;
    size_t size = 0;
};

#endif
