// Runs the window's logic, for every edge case of the geometry tests and COUNT pseudo-random
// locator pairs, and takes the texts the window shows and the working values behind them, so that
// a Linux and a Windows build can be compared case by case.
//   crosscheck emit COUNT SEED       writes the records (text digest, working-value bits) to stdout
//   crosscheck compare COUNT SEED    reads another build's records from stdin and compares: every
//                                    text must match; working values that differ are tallied
//   crosscheck show COUNT SEED INDEX...   prints the texts and working values of those cases
// compare exits 0 when every text matches, 1 when any differs, 2 on a usage or stream error.
#include "cases.h"
#include "differences.h"
#include "record.h"
#include "window_texts.h"

#include "ui/text_rules.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using crosscheck::Case;
using crosscheck::CaseSequence;
using crosscheck::Record;

constexpr int kExitDiffer = 1;
constexpr int kExitUsage = 2;
// Text differences listed one by one before the rest are only counted.
constexpr std::size_t kListedTextDifferences = 20;
constexpr std::size_t kListedBeyondDifferences = 4;

void UseBinaryStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

crosscheck::WindowTexts Calculate(const Case& c, geometry::PathWorkingValues& values) {
    return c.byPosition ? crosscheck::CalculateTexts(c.firstPosition, c.secondPosition, values)
                        : crosscheck::CalculateTexts(c.first, c.second, values);
}

Record RecordOf(const Case& c) {
    geometry::PathWorkingValues values;
    const crosscheck::WindowTexts texts = Calculate(c, values);
    return crosscheck::MakeRecord(crosscheck::Digest(texts), values);
}

std::string Describe(const Case& c) {
    char buffer[160];
    if (c.byPosition) {
        std::snprintf(buffer, sizeof buffer, "%s (%.17g, %.17g) to (%.17g, %.17g)", c.label.c_str(),
                      c.firstPosition.Latitude, c.firstPosition.Longitude, c.secondPosition.Latitude,
                      c.secondPosition.Longitude);
    } else {
        std::snprintf(buffer, sizeof buffer, "%s \"%s\" to \"%s\"", c.label.c_str(), c.first.c_str(), c.second.c_str());
    }
    return buffer;
}

int Emit(std::size_t count, unsigned seed) {
    CaseSequence cases(count, seed);
    if (!crosscheck::WriteHeader(stdout, cases.Size(), seed)) return kExitUsage;
    for (std::size_t i = 0; i < cases.Size(); ++i)
        if (!crosscheck::WriteRecord(stdout, RecordOf(cases.Next()))) return kExitUsage;
    return std::fflush(stdout) == 0 ? 0 : kExitUsage;
}

int Compare(std::size_t count, unsigned seed) {
    CaseSequence cases(count, seed);
    const std::size_t edges = cases.Size() - count;
    if (!crosscheck::ReadHeader(stdin, cases.Size(), seed)) {
        std::fprintf(stderr, "crosscheck: the input is not a record stream of %zu cases, seed %u\n", cases.Size(), seed);
        return kExitUsage;
    }
    crosscheck::Differences differences;
    std::size_t textDifferences = 0, beyondCases = 0, beyondTextDifferences = 0;
    for (std::size_t i = 0; i < cases.Size(); ++i) {
        const Case& c = cases.Next();
        Record theirs;
        if (!crosscheck::ReadRecord(stdin, theirs)) {
            std::fprintf(stderr, "crosscheck: the input ends after %zu of %zu records\n", i, cases.Size());
            return kExitUsage;
        }
        const Record ours = RecordOf(c);
        const bool textsDiffer = ours.textDigest != theirs.textDigest;
        if (!c.withinWindowRange) {
            ++beyondCases;
            if (textsDiffer && ++beyondTextDifferences <= kListedBeyondDifferences)
                std::printf("texts differ beyond the window's range, case %zu: %s\n", i, Describe(c).c_str());
            continue;
        }
        if (textsDiffer && ++textDifferences <= kListedTextDifferences)
            std::printf("TEXTS DIFFER, case %zu: %s\n", i, Describe(c).c_str());
        differences.Add(i, ours, theirs);
    }
    const std::size_t compared = cases.Size() - beyondCases;
    std::printf("cases compared: %zu (%zu edge cases, %zu random pairs, seed %u)\n", compared, edges - beyondCases,
                count, seed);
    std::printf("cases whose texts differ: %zu\n", textDifferences);
    std::printf("cases whose working values differ: %zu (%.3f%%)\n", differences.CasesDiffering(),
                100.0 * static_cast<double>(differences.CasesDiffering()) / static_cast<double>(compared));
    if (differences.CasesDiffering() > 0) differences.Print(stdout);
    std::printf("positions beyond any locator (not compared): %zu, their texts differ in %zu\n", beyondCases,
                beyondTextDifferences);
    return textDifferences == 0 ? 0 : kExitDiffer;
}

void PrintCase(std::size_t index, const Case& c) {
    geometry::PathWorkingValues values;
    const crosscheck::WindowTexts t = Calculate(c, values);
    const std::string a = ui::ToLatin1(t.firstLatitude), b = ui::ToLatin1(t.firstLongitude),
                      d = ui::ToLatin1(t.secondLatitude), e = ui::ToLatin1(t.secondLongitude);
    const std::string bearing = ui::ToLatin1(t.bearing), distance = ui::ToLatin1(t.distance);
    std::printf("case %zu: %s\n", index, Describe(c).c_str());
    if (c.byPosition) {
        std::printf("  positions \"%s\" \"%s\" to \"%s\" \"%s\"  bearing \"%s\"  distance \"%s\"\n", a.c_str(),
                    b.c_str(), d.c_str(), e.c_str(), bearing.c_str(), distance.c_str());
    } else {
        std::printf("  Text7 \"%s\"  Text2 \"%s\"  Text4 \"%s\"  Text8 \"%s\"\n", a.c_str(), b.c_str(), d.c_str(),
                    e.c_str());
        std::printf("  Text1 \"%s\"  Text6 \"%s\"  miles \"%s\"\n", bearing.c_str(), distance.c_str(),
                    ui::ToLatin1(t.miles).c_str());
    }
    const Record r = crosscheck::MakeRecord(0, values);
    for (int i = 0; i < crosscheck::kValueCount; ++i) {
        std::uint64_t bits;
        std::memcpy(&bits, &r.values[i], sizeof bits);
        std::printf("  %-18s %-24.17g %016" PRIx64 "\n", crosscheck::kValueNames[i], r.values[i], bits);
    }
}

int Show(std::size_t count, unsigned seed, const std::vector<std::size_t>& indices) {
    CaseSequence cases(count, seed);
    for (std::size_t i = 0; i < cases.Size(); ++i) {
        const Case& c = cases.Next();
        for (const std::size_t wanted : indices)
            if (wanted == i) PrintCase(i, c);
    }
    return 0;
}

bool ParseNumber(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return *text != '\0' && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long count = 0, seed = 0;
    if (argc < 4 || !ParseNumber(argv[2], count) || !ParseNumber(argv[3], seed)) {
        std::fprintf(stderr, "usage: crosscheck emit|compare COUNT SEED | crosscheck show COUNT SEED INDEX...\n");
        return kExitUsage;
    }
    UseBinaryStreams();
    const std::string mode = argv[1];
    if (mode == "emit" && argc == 4) return Emit(count, static_cast<unsigned>(seed));
    if (mode == "compare" && argc == 4) return Compare(count, static_cast<unsigned>(seed));
    if (mode == "show") {
        std::vector<std::size_t> indices;
        for (int i = 4; i < argc; ++i) {
            unsigned long long index = 0;
            if (!ParseNumber(argv[i], index)) return kExitUsage;
            indices.push_back(index);
        }
        return Show(count, static_cast<unsigned>(seed), indices);
    }
    std::fprintf(stderr, "crosscheck: unknown mode %s\n", mode.c_str());
    return kExitUsage;
}
