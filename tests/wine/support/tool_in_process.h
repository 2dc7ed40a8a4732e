/* pdr-labels run in the test's own process (pdr_labels_cli), so that it
 * meets the seams the test set. */
#ifndef PDR_TESTS_TOOL_IN_PROCESS_H
#define PDR_TESTS_TOOL_IN_PROCESS_H

#include <string>
#include <vector>

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun RunLabelsToolHere(const std::vector<std::wstring>& words);

#endif
