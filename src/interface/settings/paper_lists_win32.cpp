#include "settings/paper_lists_win32.h"

#include <windows.h>

#include <stdlib.h>
#include <string.h>

#include "labels/catalogue_snapshot_win32.h"
#include "settings/paper_list_counts.h"

namespace {

/* One memory per process: a count and its fill may come on two threads. */
SRWLOCK MemoryLock = SRWLOCK_INIT;
PaperCountMemory Memory;
bool MemoryReady = false;
/* The list each slot was counted from, made when a slot is first used. */
LabelList* SlotLists[PaperCountSlots];

void CopyList(LabelList* to, const LabelList& from)
{
    to->Count = from.Count;
    if (from.Count > 0)
        memcpy(to->Labels, from.Labels, static_cast<size_t>(from.Count) * sizeof(LabelEntry));
}

PaperCountMemory* ReadyMemory()
{
    if (!MemoryReady) {
        ResetPaperCountMemory(&Memory);
        MemoryReady = true;
    }
    return &Memory;
}

}  // namespace

void LoadCountedPaperList(CatalogueLabels* labels)
{
    labels->Count = CopyDefaultCatalogue(labels->Labels);
    labels->Loaded = true;
}

void RememberCountedPaperList(int list, const CatalogueLabels& labels, int answered)
{
    AcquireSRWLockExclusive(&MemoryLock);
    const int slot =
        RememberPaperCount(ReadyMemory(), GetCurrentThreadId(), list, GetTickCount64(), answered);
    if (SlotLists[slot] == nullptr)
        SlotLists[slot] = static_cast<LabelList*>(malloc(sizeof(LabelList)));
    if (SlotLists[slot] != nullptr) {
        CopyList(SlotLists[slot], labels);
    } else {
        /* No room for the list: the slot still bounds fills, with no labels. */
        Memory.Slots[slot].Answered = 0;
    }
    ReleaseSRWLockExclusive(&MemoryLock);
}

void LoadFilledPaperList(CatalogueLabels* labels)
{
    AcquireSRWLockExclusive(&MemoryLock);
    const PaperFill fill = ChoosePaperFill(ReadyMemory(), GetCurrentThreadId(), GetTickCount64());
    const bool remembered = fill.Slot >= 0 && SlotLists[fill.Slot] != nullptr;
    if (remembered)
        CopyList(labels, *SlotLists[fill.Slot]);
    ReleaseSRWLockExclusive(&MemoryLock);
    if (!remembered)
        labels->Count = CopyDefaultCatalogue(labels->Labels);
    labels->Loaded = true;
    labels->ListLimit = fill.Most;
}

void ReleasePaperListMemory()
{
    for (LabelList*& list : SlotLists) {
        free(list);
        list = nullptr;
    }
    MemoryReady = false;
}
