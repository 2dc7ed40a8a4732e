/*
 * Which paper list a fill answers from.
 *
 * The paper lists (ids, sizes, names) are one list.  A caller counts it
 * (no buffer) and then fills one or more of the three with a buffer sized
 * from that count; the contract gives the driver no buffer size, and the
 * catalogue may change between the calls (a save in another program or in
 * the same one).  So the driver remembers, for a few seconds, every count
 * it answered in this process and the list behind it, and a fill answers
 * from the shortest of the counts it may belong to, never with more
 * entries than that count:
 *
 * - the counts the filling thread made since its last fill (a thread that
 *   counts again after filling starts a new enumeration, and a second count
 *   of the same list replaces the first);
 * - the recent counts of other threads that no fill on their own thread has
 *   used, since a caller may count on one thread and fill on another (a
 *   32-bit program through the 64-bit host process);
 * - with none of these, the catalogue as it is now.
 * A fill shorter than its buffer leaves entries the caller may read as
 * papers, so counts that a fill of their own thread used answer no other
 * thread: sequential callers on different threads each get their own list.
 *
 * Safe with that: count then fill of one list; one count and fills of all
 * three lists (.NET's paper sizes), with saves between any of them; counts
 * of several lists before their fills; a count of another list left
 * unfilled; count and fill on two threads; two callers interleaving on
 * different threads, which may get a shorter list than they counted.
 * Not covered: a caller that never counts (its buffer is whatever it
 * chose), one whose fill comes more than PaperCountLifetimeMs after its
 * count while the catalogue grew, a caller that counts on one thread and
 * fills on another whose counting thread filled something in between, and
 * two callers interleaving on one thread.
 *
 * Platform-neutral; the capability entry point keeps one memory per
 * process under a lock and stores each slot's list.
 */
#ifndef PDR_SETTINGS_PAPER_LIST_COUNTS_H
#define PDR_SETTINGS_PAPER_LIST_COUNTS_H

#include <stdint.h>

/* How many counts are remembered at once, and for how long. */
constexpr int PaperCountSlots = 8;
constexpr uint64_t PaperCountLifetimeMs = 5000;

struct PaperCount {
    bool InUse;
    uint32_t Thread;   /* the counting thread's id */
    int List;          /* which of the three lists was counted (0 to 2) */
    uint64_t Order;    /* counts are numbered as they come */
    uint64_t TickMs;   /* when, on a millisecond clock that only goes forward */
    int Answered;      /* the count handed to the caller */
    bool Filled;       /* its thread has filled a list since */
    bool OwnThreadOff; /* no longer answers its own thread's fills */
};

struct PaperCountMemory {
    PaperCount Slots[PaperCountSlots];
    uint64_t NextOrder;
    /* Counts pushed out of a full memory before their time still bound
     * every fill until then: the shortest of them, and until when. */
    int EvictedShortest; /* -1 for none */
    uint64_t EvictedUntilMs;
};

/* What a fill answers from: the list stored with `Slot` (-1 for the
 * catalogue as it is), at most `Most` entries of it (-1 for no limit). */
struct PaperFill {
    int Slot;
    int Most;
};

/* An empty memory. */
void ResetPaperCountMemory(PaperCountMemory* memory);

/*
 * Remembers that `thread` counted `list` (0 to 2) at `nowMs` and was
 * answered `answered`.  Returns the slot whose list the caller must now
 * store the counted labels in.  A full memory gives up an older count,
 * whose answer still bounds every fill for the rest of its time.
 */
int RememberPaperCount(PaperCountMemory* memory, uint32_t thread, int list, uint64_t nowMs, int answered);

/* What a fill by `thread` at `nowMs` answers from; the thread's counts are
 * marked as filled. */
PaperFill ChoosePaperFill(PaperCountMemory* memory, uint32_t thread, uint64_t nowMs);

#endif
