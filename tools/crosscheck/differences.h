// Tallies how the working values of one platform's run differ from the other's, per value.
#pragma once

#include "record.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace crosscheck {

class Differences {
public:
    // Compares the working values of case `index`: ours against the other platform's.
    void Add(std::size_t index, const Record& ours, const Record& theirs);
    std::size_t CasesDiffering() const { return casesDiffering_; }
    // One row per working value that differs anywhere: cases, ulp histogram, largest and where.
    void Print(std::FILE* out) const;

private:
    // Upper bounds (inclusive) of the histogram's ulp buckets; the last bucket is everything larger.
    static constexpr std::uint64_t kBucketLimits[] = {0, 1, 2, 4, 16, 128, 1024};
    static constexpr int kBuckets = sizeof kBucketLimits / sizeof kBucketLimits[0] + 1;
    struct PerValue {
        std::size_t cases = 0;
        std::size_t buckets[kBuckets] = {};
        std::uint64_t largest = 0;
        std::size_t largestAt = 0;
    };
    PerValue values_[kValueCount];
    std::size_t casesDiffering_ = 0;
};

}  // namespace crosscheck
