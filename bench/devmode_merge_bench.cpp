// A capability query and a merge naming a label, each against a full
// 128-label catalogue at the default path, beside the floor: reading and
// parsing that same file alone.  Both operations read the file once, so
// their times should stay close to the floor's.
#include <benchmark/benchmark.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "labels/label_catalogue.h"
#include "settings/catalogue_labels.h"
#include "settings/device_capabilities.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"

namespace {

constexpr int LastLabelId = FirstLabelId + MaxLabels - 1;

/* A full catalogue of realistic labels, saved at the default path. */
bool SaveFullCatalogue()
{
    static LabelEntry entries[MaxLabels];
    for (int i = 0; i < MaxLabels; ++i) {
        LabelEntry& label = entries[i];
        memset(&label, 0, sizeof label);
        snprintf(label.name, sizeof label.name, "Shipping label %03d, %d x %d in", i, 2 + i % 3, 3 + i % 5);
        snprintf(label.width, sizeof label.width, "%d.00", 2 + i % 3);
        snprintf(label.length, sizeof label.length, "%d.00", 3 + i % 5);
        snprintf(label.horzOffset, sizeof label.horzOffset, "%d", i % 40 - 20);
        snprintf(label.vertOffset, sizeof label.vertOffset, "%d", 10 - i % 20);
        label.units = Inches;
        label.id = FirstLabelId + i;
    }
    return SaveLabelCatalogue(entries, MaxLabels, nullptr);
}

void Floor_LoadCatalogue(benchmark::State& state)
{
    static LabelEntry entries[MaxLabels];
    for (auto _ : state) {
        int count = LoadLabelCatalogue(entries, MaxLabels, nullptr);
        if (count != MaxLabels)
            state.SkipWithError("catalogue not found");
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(Floor_LoadCatalogue);

/* No caller's record: the labels, then the defaults' own paper. */
void Capability_PaperNames(benchmark::State& state)
{
    static char16_t names[(MaxLabels + 1) * PaperNameSlotChars];
    for (auto _ : state) {
        CatalogueLabels labels;
        ResetCatalogueLabels(&labels);
        int32_t count = QueryDeviceCapability(u"PDR-7300 Zr", CapPaperNames, names, nullptr, &labels);
        if (count != MaxLabels + 1)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(Capability_PaperNames);

/* A caller's record naming a label and a list index: one read serves both. */
void Capability_PaperSizeWithLabelRecord(benchmark::State& state)
{
    static int32_t sizes[MaxLabels * 2];
    DriverDevMode caller;
    BuildDefaultDevMode(&caller, nullptr);
    caller.Public.dmPaperSize = LastLabelId;
    for (auto _ : state) {
        CatalogueLabels labels;
        ResetCatalogueLabels(&labels);
        int32_t count = QueryDeviceCapability(u"PDR-7300 Zr", CapPaperSize, sizes, &caller, &labels);
        if (count != MaxLabels)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(sizes);
    }
}
BENCHMARK(Capability_PaperSizeWithLabelRecord);

void Merge_NamingLastLabel(benchmark::State& state)
{
    DriverDevMode incoming;
    BuildDefaultDevMode(&incoming, nullptr);
    incoming.Public.dmPaperSize = LastLabelId;
    for (auto _ : state) {
        DriverDevMode target;
        BuildDefaultDevMode(&target, u"PDR-7300 Zr");
        int merged = MergeDevMode(&target, &incoming);
        if (merged != 1 || target.Public.dmPaperSize != LastLabelId)
            state.SkipWithError("not resolved");
        benchmark::DoNotOptimize(target);
    }
}
BENCHMARK(Merge_NamingLastLabel);

}  // namespace

int main(int argc, char** argv)
{
    char folder[] = "/tmp/pdr-merge-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return 1;
    setenv("PDR_COMMON_APPDATA", folder, 1);
    int status = 1;
    if (SaveFullCatalogue()) {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        status = 0;
    }
    std::string command = std::string("rm -rf '") + folder + "'";
    if (system(command.c_str()) != 0)
        status = 1;
    return status;
}
