// Any bytes a user imports go through the parse-and-repair step.  Besides
// the sanitizers, every parsed catalogue must already be repaired: its
// labels lie in range, and rendering and parsing it again gives the same
// labels and the same text.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "labels/catalogue_json.h"

namespace {

constexpr unsigned char Untouched = 0xA5;

void Check(bool condition)
{
    if (!condition)
        abort();
}

bool Terminated(const char* field, size_t size)
{
    return memchr(field, 0, size) != nullptr;
}

void CheckRepaired(const LabelEntry& entry)
{
    Check(Terminated(entry.name, sizeof entry.name));
    Check(Terminated(entry.width, sizeof entry.width));
    Check(Terminated(entry.length, sizeof entry.length));
    Check(Terminated(entry.horzOffset, sizeof entry.horzOffset));
    Check(Terminated(entry.vertOffset, sizeof entry.vertOffset));
    Check(entry.units >= Millimetres && entry.units <= TenthMillimetres);
    Check(entry.id >= FirstLabelId && entry.id <= MaxLabelId);
}

bool SameLabel(const LabelEntry& a, const LabelEntry& b)
{
    return strcmp(a.name, b.name) == 0 && strcmp(a.width, b.width) == 0 && strcmp(a.length, b.length) == 0 &&
           strcmp(a.horzOffset, b.horzOffset) == 0 && strcmp(a.vertOffset, b.vertOffset) == 0 &&
           a.units == b.units && a.id == b.id;
}

LabelEntry first[MaxLabels + 1];
LabelEntry second[MaxLabels];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    char* text = static_cast<char*>(malloc(size + 1));
    if (text == nullptr)
        return 0;
    memcpy(text, data, size);
    text[size] = '\0';
    memset(first, Untouched, sizeof first);
    int count = ParseLabelCatalogue(text, first, MaxLabels);
    free(text);

    Check(count >= 0 && count <= MaxLabels);
    for (int i = 0; i < count; ++i)
        CheckRepaired(first[i]);
    const unsigned char* rest = reinterpret_cast<const unsigned char*>(&first[count]);
    for (size_t i = 0; i < sizeof(LabelEntry); ++i)
        Check(rest[i] == Untouched);

    char* rendered = RenderLabelCatalogue(first, count);
    Check(rendered != nullptr);
    Check(ParseLabelCatalogue(rendered, second, MaxLabels) == count);
    for (int i = 0; i < count; ++i)
        Check(SameLabel(first[i], second[i]));
    char* again = RenderLabelCatalogue(second, count);
    Check(again != nullptr && strcmp(again, rendered) == 0);
    ReleaseLabelCatalogueText(again);
    ReleaseLabelCatalogueText(rendered);
    return 0;
}
