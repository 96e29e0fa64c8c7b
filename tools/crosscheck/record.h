// One record per case: the digest of its window texts and the bits of every working value, as a
// byte stream from one platform's run to the other's (both little-endian x86-64).
#pragma once

#include "geometry/path.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace crosscheck {

constexpr int kValueCount = 15;
// The names of PathWorkingValues' members, in the order ValuesOf lists them.
extern const char* const kValueNames[kValueCount];

struct Record {
    std::uint64_t textDigest = 0;
    double values[kValueCount] = {};
};

Record MakeRecord(std::uint64_t textDigest, const geometry::PathWorkingValues& v);

// The stream starts with a header naming the run, so that streams of different runs never
// compare.
bool WriteHeader(std::FILE* out, std::uint64_t caseCount, std::uint64_t seed);
// False unless the header is there and names this count and seed.
bool ReadHeader(std::FILE* in, std::uint64_t caseCount, std::uint64_t seed);
bool WriteRecord(std::FILE* out, const Record& record);
bool ReadRecord(std::FILE* in, Record& record);

// Units in the last place between two finite doubles: how many steps from one double to the
// next lead from a to b (across zero too; +0 and -0 are 0 apart, though their bits differ).
std::uint64_t UlpDistance(double a, double b);

}  // namespace crosscheck
