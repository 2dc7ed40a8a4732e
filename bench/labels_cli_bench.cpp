/* pdr-labels list and check on a full catalogue, against the floor of
 * reading and parsing the same file with the driver's loader. */
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "labels/label_catalogue.h"
#include "text/path_utf8.h"
#include "tool_context.h"

namespace {

/* A 128-label catalogue file in a folder of its own, made once. */
class FullCatalogue {
public:
    FullCatalogue()
    {
        char pattern[] = "/tmp/pdr-labels-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            abort();
        folder_ = pattern;
        path_ = folder_ + "/label-list.kmr";
        LabelEntry labels[MaxLabels] = {};
        for (int i = 0; i < MaxLabels; ++i) {
            snprintf(labels[i].name, sizeof labels[i].name, "Stock %d, %s", i + 1,
                     i % 2 ? "thermal transfer" : "direct");
            snprintf(labels[i].width, sizeof labels[i].width, "%d.%02d", 1 + i % 4, i % 100);
            strcpy(labels[i].length, "6.00");
            strcpy(labels[i].horzOffset, "-12");
            strcpy(labels[i].vertOffset, "0");
            labels[i].units = Inches;
            labels[i].id = FirstLabelId + i;
        }
        wchar_t* wide = WidenPathUtf8(path_.c_str());
        widePath_ = wide;
        free(wide);
        if (!SaveLabelCatalogue(labels, MaxLabels, widePath_.c_str()))
            abort();
    }
    ~FullCatalogue()
    {
        unlink(path_.c_str());
        rmdir(folder_.c_str());
    }
    const std::string& Path() const
    {
        return path_;
    }
    const std::wstring& WidePath() const
    {
        return widePath_;
    }

private:
    std::string folder_;
    std::string path_;
    std::wstring widePath_;
};

const FullCatalogue& Catalogue()
{
    static FullCatalogue catalogue;
    return catalogue;
}

ToolArgument Argument(const std::string& text)
{
    ToolArgument argument;
    argument.text = text;
    wchar_t* wide = WidenPathUtf8(text.c_str());
    argument.path = wide;
    free(wide);
    return argument;
}

void RunTool(benchmark::State& state, const std::vector<std::string>& words)
{
    std::vector<ToolArgument> arguments;
    for (const std::string& word : words)
        arguments.push_back(Argument(word));
    FILE* sink = fopen("/dev/null", "w");
    for (auto _ : state) {
        int status = RunLabelsTool(arguments, ToolOutput{sink, sink});
        if (status != 0)
            state.SkipWithError("the command failed");
        fflush(sink);
    }
    fclose(sink);
}

void BM_ReadAndParseFloor(benchmark::State& state)
{
    LabelEntry labels[MaxLabels];
    for (auto _ : state) {
        int count = LoadLabelCatalogue(labels, MaxLabels, Catalogue().WidePath().c_str());
        if (count != MaxLabels)
            state.SkipWithError("the catalogue did not load");
        benchmark::DoNotOptimize(labels);
    }
}
BENCHMARK(BM_ReadAndParseFloor);

void BM_List(benchmark::State& state)
{
    RunTool(state, {"list", "--file", Catalogue().Path()});
}
BENCHMARK(BM_List);

void BM_ListJson(benchmark::State& state)
{
    RunTool(state, {"list", "--json", "--file", Catalogue().Path()});
}
BENCHMARK(BM_ListJson);

void BM_Check(benchmark::State& state)
{
    RunTool(state, {"check", Catalogue().Path()});
}
BENCHMARK(BM_Check);

}  // namespace

BENCHMARK_MAIN();
