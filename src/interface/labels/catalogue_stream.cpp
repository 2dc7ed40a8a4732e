#include "labels/catalogue_json.h"

#include <stdio.h>
#include <stdlib.h>

namespace {

/* 64-bit positions: a 32-bit `long` would misreport a file beyond 2 GiB as
   small enough to read. */
long long MeasureStream(FILE* file)
{
#if defined(_WIN32)
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return -1;
    long long size = _ftelli64(file);
    if (_fseeki64(file, 0, SEEK_SET) != 0)
        return -1;
#else
    if (fseeko(file, 0, SEEK_END) != 0)
        return -1;
    long long size = ftello(file);
    if (fseeko(file, 0, SEEK_SET) != 0)
        return -1;
#endif
    return size;
}

void ReportFileRepair(const LabelRepairSink* repairs, LabelRepairKind kind, long long size)
{
    if (repairs == nullptr || repairs->report == nullptr)
        return;
    LabelRepairNote note = {kind, -1, nullptr, nullptr, nullptr, size};
    repairs->report(repairs->context, note);
}

}  // namespace

int ReadLabelCatalogueStream(FILE* file, LabelEntry* entries, int capacity, const LabelRepairSink* repairs)
{
    if (file == nullptr)
        return 0;
    long long size = MeasureStream(file);
    if (size < 0 || size > MaxLabelCatalogueBytes) {
        ReportFileRepair(repairs, size < 0 ? LabelRepairKind::FileUnreadable : LabelRepairKind::FileTooLarge,
                         size);
        return 0;
    }
    char* text = static_cast<char*>(malloc(static_cast<size_t>(size) + 1));
    if (text == nullptr) {
        ReportFileRepair(repairs, LabelRepairKind::FileUnreadable, size);
        return 0;
    }
    size_t got = fread(text, 1, static_cast<size_t>(size), file);
    text[got] = '\0';
    int count = ParseLabelCatalogueReporting(text, got, entries, capacity, repairs);
    free(text);
    return count;
}
