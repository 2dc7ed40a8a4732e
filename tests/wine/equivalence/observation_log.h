/*
 * The behaviour record: one line per observation, each line saying where it
 * was made (the scopes open at the time) and what was seen.  Nothing that
 * differs between two runs of the same DLL may go into it: no handles,
 * pointers, window positions or timings.
 */
#ifndef PDR_EQUIVALENCE_OBSERVATION_LOG_H
#define PDR_EQUIVALENCE_OBSERVATION_LOG_H

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

class ObservationLog {
public:
    /* One line: the open scopes, then `what`. */
    void Add(const std::string& what);
    size_t Count() const
    {
        return count;
    }
    const std::string& Text() const
    {
        return text;
    }
    bool SaveTo(const wchar_t* path) const;

    /* Names a part of the run for the lines added while it is open. */
    class Scope {
    public:
        Scope(ObservationLog& log, const std::string& name);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ObservationLog& log;
    };

private:
    std::vector<std::string> scopes;
    std::string text;
    size_t count = 0;
};

/* printf-style formatting into a std::string. */
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

/* Bytes as lower-case hex, two digits each, nothing between them. */
std::string Hex(const void* bytes, size_t size);
std::string Hex(const std::string& bytes);

/* A wide text in double quotes, printable ASCII as it is, the rest escaped
 * (\\, \", \n, \r, \t, \uXXXX), so that every record is plain ASCII. */
std::string Quoted(const std::wstring& text);

/* What a call wrote into a buffer, from two runs of the same call on the
 * same buffer filled first with `first.guard`, then with `second.guard`:
 * hex of each byte that either run changed, "--" for a byte both left
 * alone, up to the last changed byte; "none" when nothing was written.
 * Two runs tell a byte written with the guard's value from one untouched;
 * a byte the runs wrote differently shows as "[first/second]". */
struct GuardedRun {
    const uint8_t* bytes;
    uint8_t guard;
};
std::string WrittenBytes(GuardedRun first, GuardedRun second, size_t size);

#endif
