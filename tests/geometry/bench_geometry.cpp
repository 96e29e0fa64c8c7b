// One whole path per pair (check, two decodes, bearing and distance), Hamlib's equivalent on the
// same pairs, and the bare libm calls that one path needs, as the floor.
#include "geometry/locator.h"
#include "geometry/path.h"
#include "random_locators.h"

#include <benchmark/benchmark.h>
#include <hamlib/rig.h>
#include <hamlib/rotator.h>

#include <cmath>
#include <vector>

namespace {

constexpr std::size_t kPairs = 4096;

const auto& Pairs() {
    static const auto pairs = testing_support::RandomLocatorPairs(kPairs, 3);
    return pairs;
}

void BM_OurPath(benchmark::State& state) {
    const auto& pairs = Pairs();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [first, second] = pairs[i++ % kPairs];
        const geometry::LocatorCheck check = geometry::CheckLocators(first, second);
        const auto result = geometry::ComputeBearingDistance(geometry::DecodeLocator(check.First),
                                                             geometry::DecodeLocator(check.Second));
        benchmark::DoNotOptimize(check.BadInput);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_OurPath);

void BM_HamlibPath(benchmark::State& state) {
    rig_set_debug(RIG_DEBUG_NONE);
    const auto& pairs = Pairs();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [first, second] = pairs[i++ % kPairs];
        double lon1, lat1, lon2, lat2, distance, azimuth;
        locator2longlat(&lon1, &lat1, first.c_str());
        locator2longlat(&lon2, &lat2, second.c_str());
        qrb(lon1, lat1, lon2, lat2, &distance, &azimuth);
        benchmark::DoNotOptimize(distance);
        benchmark::DoNotOptimize(azimuth);
    }
}
BENCHMARK(BM_HamlibPath);

struct LibmInputs {
    double p1, p2, dl, c, a;
};

std::vector<LibmInputs> LibmInputsOfPairs() {
    std::vector<LibmInputs> inputs;
    for (const auto& [first, second] : Pairs()) {
        geometry::PathWorkingValues v;
        geometry::ComputeBearingDistance(geometry::DecodeLocator(first), geometry::DecodeLocator(second), v);
        inputs.push_back({v.P1, v.P2, v.DL, v.C, v.BearingCosine});
    }
    return inputs;
}

// The floor: the libm calls one path needs (sin and cos of both latitudes, cos of the longitude
// difference, sin of the central angle, a square root and an arctangent for each inverse
// cosine), each fed the result of the one before it as in a real path, so that their latencies
// add up as they must.
void BM_LibmFloor(benchmark::State& state) {
    const auto inputs = LibmInputsOfPairs();
    std::size_t i = 0;
    for (auto _ : state) {
        const LibmInputs& in = inputs[i++ % kPairs];
        const double s1 = std::sin(in.p1), c1 = std::cos(in.p1);
        const double s2 = std::sin(in.p2), c2 = std::cos(in.p2);
        const double c = s1 * s2 + (c1 * c2) * std::cos(in.dl);
        const double d = std::atan(std::sqrt(1 - c * c) / c);
        const double a = ((s2 - c * s1) / std::sin(d)) / c1;
        const double angle = std::atan(std::sqrt(1 - a * a) / a);
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(angle);
    }
}
BENCHMARK(BM_LibmFloor);

// The same calls on precomputed arguments, independent of each other: what they cost when the
// processor can overlap them freely. A lower bound no real path reaches.
void BM_LibmIndependentCalls(benchmark::State& state) {
    const auto inputs = LibmInputsOfPairs();
    std::size_t i = 0;
    for (auto _ : state) {
        const LibmInputs& in = inputs[i++ % kPairs];
        const double d = std::atan(std::sqrt(1 - in.c * in.c) / in.c);
        double sum = std::sin(in.p1) + std::cos(in.p1) + std::sin(in.p2) + std::cos(in.p2) +
                     std::cos(in.dl) + std::sin(in.c) + d + std::atan(std::sqrt(1 - in.a * in.a) / in.a);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_LibmIndependentCalls);

}  // namespace

BENCHMARK_MAIN();
