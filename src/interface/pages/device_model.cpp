#include "pages/device_model.h"

namespace {

constexpr int VersionValueChars = VersionValueBytes / sizeof(char16_t);

}  // namespace

DeviceChoice DeviceChoiceFromOptions(const PrinterOptions& options)
{
    return DeviceChoice{options.Pullback == 1, options.Cutter == 1};
}

void StoreDeviceChoice(const DeviceChoice& choice, PrinterOptions* options)
{
    options->Pullback = choice.PullbackInstalled ? 1 : 0;
    options->Cutter = choice.CutterConnected ? 1 : 0;
}

bool TakeVersionText(VersionValueKind kind, const char16_t* value, uint32_t size, wchar_t* text)
{
    if (kind != VersionValueKind::Text || value == nullptr || size > VersionValueBytes)
        return false;
    // A trailing odd byte is half a character: it is not part of the text.
    const int delivered = static_cast<int>(size / sizeof(char16_t));
    int length = 0;
    while (length < delivered && value[length] != 0)
        ++length;
    // Sixteen characters with no terminator among them do not make a text of
    // at most fifteen; anything shorter was merely stored unterminated.
    if (length == VersionValueChars)
        return false;
    for (int i = 0; i < length; ++i)
        text[i] = static_cast<wchar_t>(value[i]);
    text[length] = 0;
    return true;
}
