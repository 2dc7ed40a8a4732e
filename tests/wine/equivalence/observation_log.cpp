#include "observation_log.h"

#include <stdarg.h>
#include <stdio.h>

void ObservationLog::Add(const std::string& what)
{
    for (const std::string& scope : scopes) {
        text += scope;
        text += ' ';
    }
    text += what;
    text += '\n';
    ++count;
}

bool ObservationLog::SaveTo(const wchar_t* path) const
{
    FILE* file = _wfopen(path, L"wb");
    if (file == nullptr)
        return false;
    const bool written = fwrite(text.data(), 1, text.size(), file) == text.size();
    return fclose(file) == 0 && written;
}

ObservationLog::Scope::Scope(ObservationLog& log, const std::string& name) : log(log)
{
    log.scopes.push_back(name);
}

ObservationLog::Scope::~Scope()
{
    log.scopes.pop_back();
}

std::string Format(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        vsnprintf(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::string Hex(const void* bytes, size_t size)
{
    static const char digits[] = "0123456789abcdef";
    const uint8_t* data = static_cast<const uint8_t*>(bytes);
    std::string text(2 * size, '0');
    for (size_t i = 0; i < size; ++i) {
        text[2 * i] = digits[data[i] >> 4];
        text[2 * i + 1] = digits[data[i] & 0xF];
    }
    return text;
}

std::string Hex(const std::string& bytes)
{
    return Hex(bytes.data(), bytes.size());
}

std::string Quoted(const std::wstring& text)
{
    std::string quoted = "\"";
    for (wchar_t unit : text) {
        if (unit == L'\\' || unit == L'"') {
            quoted += '\\';
            quoted += static_cast<char>(unit);
        } else if (unit == L'\n') {
            quoted += "\\n";
        } else if (unit == L'\r') {
            quoted += "\\r";
        } else if (unit == L'\t') {
            quoted += "\\t";
        } else if (unit >= 0x20 && unit < 0x7F) {
            quoted += static_cast<char>(unit);
        } else {
            quoted += Format("\\u%04x", static_cast<unsigned>(unit));
        }
    }
    return quoted + "\"";
}

std::string WrittenBytes(GuardedRun first, GuardedRun second, size_t size)
{
    size_t end = 0;
    for (size_t i = 0; i < size; ++i)
        if (first.bytes[i] != first.guard || second.bytes[i] != second.guard)
            end = i + 1;
    if (end == 0)
        return "none";
    std::string text;
    text.reserve(2 * end);
    for (size_t i = 0; i < end; ++i) {
        if (first.bytes[i] == first.guard && second.bytes[i] == second.guard)
            text += "--";
        else if (first.bytes[i] == second.bytes[i])
            text += Hex(&first.bytes[i], 1);
        else  // the call wrote differently into the two fillings
            text += "[" + Hex(&first.bytes[i], 1) + "/" + Hex(&second.bytes[i], 1) + "]";
    }
    return text;
}
