// Pseudo-random valid six-character locators, the same sequence on every run.
#pragma once

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

inline std::string RandomLocator(std::mt19937& rng) {
    std::uniform_int_distribution<int> field(0, 17), digit(0, 9), subsquare(0, 23);
    std::string text(6, ' ');
    text[0] = static_cast<char>('A' + field(rng));
    text[1] = static_cast<char>('A' + field(rng));
    text[2] = static_cast<char>('0' + digit(rng));
    text[3] = static_cast<char>('0' + digit(rng));
    text[4] = static_cast<char>('A' + subsquare(rng));
    text[5] = static_cast<char>('A' + subsquare(rng));
    return text;
}

inline std::vector<std::pair<std::string, std::string>> RandomLocatorPairs(std::size_t count,
                                                                           unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<std::pair<std::string, std::string>> pairs;
    pairs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string first = RandomLocator(rng);
        pairs.emplace_back(std::move(first), RandomLocator(rng));
    }
    return pairs;
}

}  // namespace testing_support
