/*
 * Hostile settings records through the DLL's exports, loaded as the spooler
 * loads it.  The test run makes a short fixed number of calls; a long run by
 * hand sets PDR_EXPORT_FUZZ_CALLS (and PDR_EXPORT_FUZZ_SEED for another
 * sequence).  Recorded inputs of earlier findings are replayed first.
 */
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "export_fuzzer.h"
#include "file_bytes.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

const uint64_t DefaultCalls = 6000;
const uint64_t DefaultSeed = 14;

/* Two labels sharing an id, a name too long for a form name, every unit. */
const char FuzzCatalogue[] =
    "[{\"name\": \"Shipping 4x6\", \"width\": \"4.00\", \"length\": \"6.00\", \"horzOffset\": \"-12\","
    " \"vertOffset\": \"35\", \"units\": 1, \"id\": 257},"
    " {\"name\": \"A label name of forty characters, long\", \"width\": \"101.6\", \"length\": \"152.4\","
    " \"horzOffset\": \"1200\", \"vertOffset\": \"-1200\", \"units\": 0, \"id\": 300},"
    " {\"name\": \"Caf\xE9 \x80\", \"width\": \"1287\", \"length\": \"30480\", \"horzOffset\": \"0\","
    " \"vertOffset\": \"0\", \"units\": 2, \"id\": 300}]";

uint64_t EnvironmentNumber(const char* name, uint64_t fallback)
{
    const char* text = getenv(name);
    return text != nullptr && *text != '\0' ? strtoull(text, nullptr, 10) : fallback;
}

/* The case under way, told when a call faults so that it can be replayed. */
volatile uint64_t CurrentCase = 0;
uint64_t CurrentSeed = 0;

LONG CALLBACK TellFaultingCase(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) {
        fprintf(stderr, "access violation in case %llu of seed %llu\n",
                static_cast<unsigned long long>(CurrentCase), static_cast<unsigned long long>(CurrentSeed));
        fflush(stderr);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

/* Every file of the recorded-inputs folder, as records. */
std::vector<std::vector<uint8_t>> RecordedInputs()
{
    std::vector<std::vector<uint8_t>> records;
    std::wstring folder = L"Z:" PDR_EXPORT_REGRESSIONS;
    for (wchar_t& c : folder)
        if (c == L'/')
            c = L'\\';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.bin").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return records;
    do {
        std::string bytes;
        if (ReadFileBytes(folder + L"\\" + found.cFileName, &bytes) && bytes.size() >= RecordHeaderBytes)
            records.emplace_back(bytes.begin(), bytes.end());
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return records;
}

class ExportFuzz : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        library = LoadDriverLibrary();
        ASSERT_TRUE(exports.Load(library));
        ASSERT_NE(nullptr, printer.Handle());
        ASSERT_TRUE(WriteFileBytes(catalogue.Path(), FuzzCatalogue));
    }
    void TearDown() override
    {
        exports.Unload();
        if (library != nullptr)
            FreeLibrary(library);
        CoUninitialize();
    }

    static void ExpectNoFindings(const ExportFuzzer& fuzzer)
    {
        for (const std::string& finding : fuzzer.Findings())
            ADD_FAILURE() << finding;
    }

    HMODULE library = nullptr;
    DriverExports exports;
    DemoPrinter printer;
    DefaultCatalogueGuard catalogue;
};

TEST_F(ExportFuzz, RecordedInputsThroughEveryExport)
{
    const std::vector<std::vector<uint8_t>> records = RecordedInputs();
    ASSERT_FALSE(records.empty());
    ExportFuzzer fuzzer(exports, printer.Handle());
    // Each recorded record under many modes, counts and buffer sizes.
    FuzzRandom random(DefaultSeed);
    for (const std::vector<uint8_t>& record : records)
        for (int round = 0; round < 64; ++round)
            fuzzer.RunCase(random, record);
    ExpectNoFindings(fuzzer);
}

TEST_F(ExportFuzz, HostileRecordsThroughEveryExport)
{
    const uint64_t wanted = EnvironmentNumber("PDR_EXPORT_FUZZ_CALLS", DefaultCalls);
    CurrentSeed = EnvironmentNumber("PDR_EXPORT_FUZZ_SEED", DefaultSeed);
    PVOID handler = AddVectoredExceptionHandler(1, TellFaultingCase);
    ExportFuzzer fuzzer(exports, printer.Handle());
    FuzzRandom random(CurrentSeed);
    uint64_t calls = 0;
    uint64_t cases = 0;
    const DWORD started = GetTickCount();
    while (calls < wanted && fuzzer.Findings().empty()) {
        CurrentCase = cases++;
        const std::vector<uint8_t> record = MakeHostileRecord(random);
        calls += fuzzer.RunCase(random, record);
    }
    RemoveVectoredExceptionHandler(handler);
    printf("%llu calls in %llu cases, seed %llu, %lu ms\n", static_cast<unsigned long long>(calls),
           static_cast<unsigned long long>(cases), static_cast<unsigned long long>(CurrentSeed),
           static_cast<unsigned long>(GetTickCount() - started));
    ExpectNoFindings(fuzzer);
}

}  // namespace
