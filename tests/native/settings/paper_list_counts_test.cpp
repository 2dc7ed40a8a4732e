/* Which count a paper-list fill answers from, over the orders real callers
 * use: each script is a run of counts and fills in one process. */
#include <gtest/gtest.h>
#include <stdio.h>

#include <sstream>
#include <string>

#include "settings/paper_list_counts.h"

namespace {

/*
 * Steps apart by spaces.  "c<thread><list>@<ms>:<n>": the thread counts
 * list P (papers), S (sizes) or N (names) and is answered n.
 * "f<thread>@<ms>:<n>/<most>": a fill by the thread must answer from the
 * count that was answered n (-1: the catalogue as it is), at most `most`
 * entries (-1: no limit).
 */
const struct {
    const char* name;
    const char* steps;
} Scripts[] = {
    {"one count, then fills of all three lists", "c1N@0:6 f1@1:6/6 f1@2:6/6 f1@3:6/6"},
    {"a count of another list left unfilled", "c1S@0:129 c1N@10:6 f1@11:6/6"},
    {"an unfilled count expires", "c1S@0:129 f1@5000:-1/-1"},
    {"count and fill on two threads", "c1N@0:6 f2@1:6/6"},
    {"counts of several lists before their fills", "c1P@0:5 c1N@1:129 f1@2:5/5 f1@3:5/5"},
    {"a new count after a fill starts afresh", "c1N@0:4 f1@1:4/4 c1N@100:5 f1@101:5/5"},
    {"a second count of one list replaces the first", "c1P@0:4 c1P@1:5 f1@2:5/5"},
    {"two callers on two threads get the shorter list", "c1N@0:129 c2N@1:6 f1@2:6/6 f2@3:6/6"},
    {"sequential callers on two threads each get their own list", "c1N@0:1 f1@1:1/1 c2N@2:6 f2@3:6/6"},
    {"a count its own thread used answers no other thread",
     "c1N@0:6 f1@1:6/6 c1N@2:129 f2@3:129/129 f1@4:129/129"},
    {"a full memory gives up the oldest, whose answer still bounds fills",
     "c1N@0:10 c2N@1:11 c3N@2:12 c4N@3:13 c5N@4:14 c6N@5:15 c7N@6:16 c8N@7:17 c9N@8:18 "
     "f1@9:11/10 f1@5000:11/11 f1@5010:-1/-1"},
};

TEST(PaperListCounts, FillsAnswerNoMoreThanTheirCount)
{
    static_assert(PaperCountSlots == 8, "the eviction script fills exactly one memory and one more");
    for (const auto& script : Scripts) {
        PaperCountMemory memory;
        ResetPaperCountMemory(&memory);
        std::istringstream steps(script.steps);
        for (std::string step; steps >> step;) {
            SCOPED_TRACE(std::string(script.name) + ", step " + step);
            unsigned thread = 0;
            char list = 0;
            unsigned long long at = 0;
            int value = 0, most = 0;
            if (sscanf(step.c_str(), "c%u%c@%llu:%d", &thread, &list, &at, &value) == 4) {
                const int slot = RememberPaperCount(
                    &memory, thread, static_cast<int>(std::string("PSN").find(list)), at, value);
                ASSERT_GE(slot, 0);
                ASSERT_LT(slot, PaperCountSlots);
                continue;
            }
            ASSERT_EQ(4, sscanf(step.c_str(), "f%u@%llu:%d/%d", &thread, &at, &value, &most));
            const PaperFill fill = ChoosePaperFill(&memory, thread, at);
            EXPECT_EQ(fill.Slot >= 0 ? memory.Slots[fill.Slot].Answered : -1, value);
            EXPECT_EQ(fill.Most, most);
        }
    }
}

}  // namespace
