#include "differences.h"

#include <cstring>

namespace crosscheck {

void Differences::Add(std::size_t index, const Record& ours, const Record& theirs) {
    bool any = false;
    for (int i = 0; i < kValueCount; ++i) {
        if (std::memcmp(&ours.values[i], &theirs.values[i], sizeof(double)) == 0) continue;
        any = true;
        PerValue& v = values_[i];
        const std::uint64_t ulp = UlpDistance(ours.values[i], theirs.values[i]);
        int bucket = 0;
        while (bucket < kBuckets - 1 && ulp > kBucketLimits[bucket]) ++bucket;
        ++v.buckets[bucket];
        ++v.cases;
        if (ulp > v.largest || v.cases == 1) {
            v.largest = ulp;
            v.largestAt = index;
        }
    }
    if (any) ++casesDiffering_;
}

void Differences::Print(std::FILE* out) const {
    std::fprintf(out, "%-18s %8s   cases by ulp: %6s %6s %6s %6s %6s %6s %6s %6s   %8s %s\n", "value", "cases",
                 "0(+-0)", "1", "2", "3-4", "5-16", "17-128", "129-1K", ">1K", "largest", "at case");
    for (int i = 0; i < kValueCount; ++i) {
        const PerValue& v = values_[i];
        if (v.cases == 0) continue;
        std::fprintf(out, "%-18s %8zu                ", kValueNames[i], v.cases);
        for (const std::size_t count : v.buckets) std::fprintf(out, " %6zu", count);
        std::fprintf(out, "   %8llu %zu\n", static_cast<unsigned long long>(v.largest), v.largestAt);
    }
}

}  // namespace crosscheck
