#include "settings/paper_list_counts.h"

namespace {

bool IsRecent(uint64_t sinceMs, uint64_t nowMs)
{
    return nowMs < sinceMs || nowMs - sinceMs < PaperCountLifetimeMs;
}

void ForgetExpired(PaperCountMemory* memory, uint64_t nowMs)
{
    for (PaperCount& count : memory->Slots)
        if (count.InUse && !IsRecent(count.TickMs, nowMs))
            count.InUse = false;
    if (memory->EvictedShortest >= 0 && nowMs >= memory->EvictedUntilMs)
        memory->EvictedShortest = -1;
}

/* A thread that counts after filling starts a new enumeration; a second
 * count of one list replaces the first. */
void RetireOwnCounts(PaperCountMemory* memory, uint32_t thread, int list)
{
    bool filled = false;
    for (const PaperCount& count : memory->Slots)
        filled = filled || (count.InUse && count.Thread == thread && !count.OwnThreadOff && count.Filled);
    for (PaperCount& count : memory->Slots)
        if (count.InUse && count.Thread == thread && (filled || count.List == list))
            count.OwnThreadOff = true;
}

/* A count no fill can answer from any more: its own thread has moved on to
 * another enumeration, and a fill of its own thread has used it. */
bool IsSpent(const PaperCount& count)
{
    return count.OwnThreadOff && count.Filled;
}

/* A free slot, or the oldest count to give up; its answer keeps bounding
 * fills until it would have expired. */
int FreeSlot(PaperCountMemory* memory)
{
    int oldest = -1;
    for (int slot = 0; slot < PaperCountSlots; ++slot) {
        const PaperCount& count = memory->Slots[slot];
        if (!count.InUse || IsSpent(count))
            return slot;
        if (oldest < 0 || count.Order < memory->Slots[oldest].Order)
            oldest = slot;
    }
    const PaperCount& evicted = memory->Slots[oldest];
    if (memory->EvictedShortest < 0 || evicted.Answered < memory->EvictedShortest)
        memory->EvictedShortest = evicted.Answered;
    const uint64_t until = evicted.TickMs + PaperCountLifetimeMs;
    if (until > memory->EvictedUntilMs)
        memory->EvictedUntilMs = until;
    return oldest;
}

/* Whether a fill by `thread` may belong to `count`: one of the thread's own
 * current enumeration, or one of another thread that no fill there used
 * (counted there, filled here). */
bool MayAnswer(const PaperCount& count, uint32_t thread)
{
    if (!count.InUse)
        return false;
    return count.Thread == thread ? !count.OwnThreadOff : !count.Filled;
}

}  // namespace

void ResetPaperCountMemory(PaperCountMemory* memory)
{
    *memory = PaperCountMemory{};
    memory->NextOrder = 1;
    memory->EvictedShortest = -1;
}

int RememberPaperCount(PaperCountMemory* memory, uint32_t thread, int list, uint64_t nowMs, int answered)
{
    ForgetExpired(memory, nowMs);
    RetireOwnCounts(memory, thread, list);
    const int slot = FreeSlot(memory);
    memory->Slots[slot] = {true, thread, list, memory->NextOrder++, nowMs, answered, false, false};
    return slot;
}

PaperFill ChoosePaperFill(PaperCountMemory* memory, uint32_t thread, uint64_t nowMs)
{
    ForgetExpired(memory, nowMs);
    PaperFill fill = {-1, memory->EvictedShortest};
    for (int slot = 0; slot < PaperCountSlots; ++slot) {
        const PaperCount& count = memory->Slots[slot];
        if (!MayAnswer(count, thread))
            continue;
        const PaperCount* best = fill.Slot >= 0 ? &memory->Slots[fill.Slot] : nullptr;
        if (best == nullptr || count.Answered < best->Answered ||
            (count.Answered == best->Answered && count.Order > best->Order))
            fill.Slot = slot;
    }
    for (PaperCount& count : memory->Slots)
        if (count.InUse && count.Thread == thread)
            count.Filled = true;
    if (fill.Slot >= 0) {
        const int answered = memory->Slots[fill.Slot].Answered;
        if (fill.Most < 0 || answered < fill.Most)
            fill.Most = answered;
    }
    return fill;
}
