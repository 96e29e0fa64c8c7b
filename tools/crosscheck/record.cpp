#include "record.h"

#include <cstring>
#include <limits>

namespace crosscheck {
namespace {

constexpr char kMagic[8] = {'T', 'V', 'X', 'C', 'H', 'K', '0', '2'};
constexpr std::size_t kRecordBytes = 8 + 8 * kValueCount;

bool WriteAll(std::FILE* out, const void* data, std::size_t size) {
    return std::fwrite(data, 1, size, out) == size;
}

bool ReadAll(std::FILE* in, void* data, std::size_t size) { return std::fread(data, 1, size, in) == size; }

// Doubles in the order of their values, as integers: one step is one ulp.
std::int64_t Ordered(double x) {
    std::int64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
}

}  // namespace

const char* const kValueNames[kValueCount] = {"X1", "X2", "L1", "L2", "P1", "P2", "DL", "C", "D",
                                              "BearingCosine", "BearingAngle", "SignedAngle", "Angle",
                                              "BearingDegrees", "DistanceUnrounded"};

Record MakeRecord(std::uint64_t textDigest, const geometry::PathWorkingValues& v) {
    Record r;
    r.textDigest = textDigest;
    const double values[] = {v.X1, v.X2, v.L1, v.L2, v.P1, v.P2, v.DL, v.C, v.D, v.BearingCosine,
                             v.BearingAngle, v.SignedAngle, v.Angle, v.BearingDegrees, v.DistanceUnrounded};
    static_assert(sizeof values / sizeof values[0] == kValueCount);
    std::memcpy(r.values, values, sizeof values);
    return r;
}

bool WriteHeader(std::FILE* out, std::uint64_t caseCount, std::uint64_t seed) {
    return WriteAll(out, kMagic, sizeof kMagic) && WriteAll(out, &caseCount, 8) && WriteAll(out, &seed, 8);
}

bool ReadHeader(std::FILE* in, std::uint64_t caseCount, std::uint64_t seed) {
    char magic[sizeof kMagic];
    std::uint64_t count = 0, seedRead = 0;
    return ReadAll(in, magic, sizeof magic) && std::memcmp(magic, kMagic, sizeof magic) == 0 &&
           ReadAll(in, &count, 8) && ReadAll(in, &seedRead, 8) && count == caseCount && seedRead == seed;
}

bool WriteRecord(std::FILE* out, const Record& record) {
    unsigned char bytes[kRecordBytes];
    std::memcpy(bytes, &record.textDigest, 8);
    std::memcpy(bytes + 8, record.values, 8 * kValueCount);
    return WriteAll(out, bytes, sizeof bytes);
}

bool ReadRecord(std::FILE* in, Record& record) {
    unsigned char bytes[kRecordBytes];
    if (!ReadAll(in, bytes, sizeof bytes)) return false;
    std::memcpy(&record.textDigest, bytes, 8);
    std::memcpy(record.values, bytes + 8, 8 * kValueCount);
    return true;
}

std::uint64_t UlpDistance(double a, double b) {
    const std::int64_t x = Ordered(a), y = Ordered(b);
    return x > y ? static_cast<std::uint64_t>(x) - static_cast<std::uint64_t>(y)
                 : static_cast<std::uint64_t>(y) - static_cast<std::uint64_t>(x);
}

}  // namespace crosscheck
