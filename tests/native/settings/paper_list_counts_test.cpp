/* Which count a paper-list fill answers from, over the orders real callers
 * use: each script is a run of counts and fills in one process. */
#include <gtest/gtest.h>

#include <vector>

#include "settings/paper_list_counts.h"

namespace {

enum { Papers = 0, Sizes = 1, Names = 2 };

/* 'C': `thread` counts `list` at `at` and is answered `value`.  'F': a fill
 * by `thread` at `at` must answer from the count that was answered `value`
 * (-1: the catalogue as it is), at most `most` entries (-1: no limit). */
struct Step {
    char op;
    uint32_t thread;
    int list;
    uint64_t at;
    int value;
    int most;
};

struct Script {
    const char* name;
    std::vector<Step> steps;
};

const Script Scripts[] = {
    {"count then fill", {{'C', 1, Papers, 0, 6, 0}, {'F', 1, Papers, 1, 6, 6}}},
    {"one count, three fills",
     {{'C', 1, Names, 0, 6, 0},
      {'F', 1, Names, 1, 6, 6},
      {'F', 1, Papers, 2, 6, 6},
      {'F', 1, Sizes, 3, 6, 6}}},
    {"a count of another list left unfilled",
     {{'C', 1, Sizes, 0, 129, 0}, {'C', 1, Names, 10, 6, 0}, {'F', 1, Sizes, 11, 6, 6}}},
    {"an unfilled count expires", {{'C', 1, Sizes, 0, 129, 0}, {'F', 1, Sizes, 5000, -1, -1}}},
    {"count and fill on two threads", {{'C', 1, Names, 0, 6, 0}, {'F', 2, Names, 1, 6, 6}}},
    {"counts of several lists before their fills",
     {{'C', 1, Papers, 0, 5, 0},
      {'C', 1, Names, 1, 129, 0},
      {'F', 1, Names, 2, 5, 5},
      {'F', 1, Papers, 3, 5, 5}}},
    {"a new count after a fill starts afresh",
     {{'C', 1, Names, 0, 4, 0},
      {'F', 1, Names, 1, 4, 4},
      {'C', 1, Names, 100, 5, 0},
      {'F', 1, Names, 101, 5, 5}}},
    {"a second count of one list replaces the first",
     {{'C', 1, Papers, 0, 4, 0}, {'C', 1, Papers, 1, 5, 0}, {'F', 1, Papers, 2, 5, 5}}},
    {"two callers on two threads get the shorter list",
     {{'C', 1, Names, 0, 129, 0},
      {'C', 2, Names, 1, 6, 0},
      {'F', 1, Names, 2, 6, 6},
      {'F', 2, Names, 3, 6, 6}}},
    {"sequential callers on two threads each get their own list",
     {{'C', 1, Names, 0, 1, 0},
      {'F', 1, Names, 1, 1, 1},
      {'C', 2, Names, 2, 6, 0},
      {'F', 2, Names, 3, 6, 6}}},
    {"a count its own thread used answers no other thread",
     {{'C', 1, Names, 0, 6, 0},
      {'F', 1, Names, 1, 6, 6},
      {'C', 1, Names, 2, 129, 0},
      {'F', 2, Names, 3, 129, 129},
      {'F', 1, Names, 4, 129, 129}}},
    {"a full memory gives up the oldest, whose answer still bounds fills",
     {{'C', 1, Names, 0, 10, 0},
      {'C', 2, Names, 1, 11, 0},
      {'C', 3, Names, 2, 12, 0},
      {'C', 4, Names, 3, 13, 0},
      {'C', 5, Names, 4, 14, 0},
      {'C', 6, Names, 5, 15, 0},
      {'C', 7, Names, 6, 16, 0},
      {'C', 8, Names, 7, 17, 0},
      {'C', 9, Names, 8, 18, 0},
      {'F', 1, Names, 9, 11, 10},
      {'F', 1, Names, 5000, 11, 11},
      {'F', 1, Names, 5010, -1, -1}}},
};

TEST(PaperListCounts, FillsAnswerNoMoreThanTheirCount)
{
    static_assert(PaperCountSlots == 8, "the eviction script fills exactly one memory and one more");
    for (const Script& script : Scripts) {
        PaperCountMemory memory;
        ResetPaperCountMemory(&memory);
        int index = 0;
        for (const Step& step : script.steps) {
            SCOPED_TRACE(::testing::Message() << script.name << ", step " << index++);
            if (step.op == 'C') {
                const int slot = RememberPaperCount(&memory, step.thread, step.list, step.at, step.value);
                ASSERT_GE(slot, 0);
                ASSERT_LT(slot, PaperCountSlots);
                continue;
            }
            const PaperFill fill = ChoosePaperFill(&memory, step.thread, step.at);
            EXPECT_EQ(fill.Slot >= 0 ? memory.Slots[fill.Slot].Answered : -1, step.value);
            EXPECT_EQ(fill.Most, step.most);
        }
    }
}

}  // namespace
