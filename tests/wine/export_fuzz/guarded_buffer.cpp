#include "guarded_buffer.h"

#include <string.h>

namespace {

size_t PageSize()
{
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}

}  // namespace

GuardedBuffer::GuardedBuffer(size_t capacity)
{
    const size_t page = PageSize();
    usableBytes = (capacity + page - 1) / page * page;
    if (usableBytes == 0)
        usableBytes = page;
    region = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, usableBytes + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD previous = 0;
    if (region != nullptr && !VirtualProtect(region + usableBytes, page, PAGE_NOACCESS, &previous)) {
        VirtualFree(region, 0, MEM_RELEASE);
        region = nullptr;
    }
}

GuardedBuffer::~GuardedBuffer()
{
    if (region != nullptr)
        VirtualFree(region, 0, MEM_RELEASE);
}

uint8_t* GuardedBuffer::Place(size_t bytes)
{
    if (region == nullptr || bytes > usableBytes)
        return nullptr;
    size = bytes;
    data = region + usableBytes - bytes;
    memset(data, Canary, bytes);
    return data;
}

uint8_t* GuardedBuffer::PlaceCopy(const void* bytes, size_t count)
{
    uint8_t* placed = Place(count);
    if (placed != nullptr && count > 0)
        memcpy(placed, bytes, count);
    return placed;
}

bool GuardedBuffer::UntouchedFrom(size_t offset) const
{
    for (size_t i = offset; i < size; ++i)
        if (data[i] != Canary)
            return false;
    return true;
}
