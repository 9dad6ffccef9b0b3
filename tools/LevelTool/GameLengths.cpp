#include "GameLengths.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// m:ss.s, rounded to the tenth before it is split, so that 179.96 s reads 3:00.0, not 2:60.0.
std::string Minutes(double seconds) {
    constexpr long long TENTHS_PER_MINUTE = 600;
    const long long tenths = std::llround(seconds * 10.0);
    char text[32];
    std::snprintf(text, sizeof(text), "%lld:%02lld.%lld", tenths / TENTHS_PER_MINUTE, tenths % TENTHS_PER_MINUTE / 10,
                  tenths % 10);
    return text;
}

}  // namespace

void GameLengths::Add(double seconds) {
    if (seconds < 0.0) {
        ++_unended;
        return;
    }
    _ended.insert(std::upper_bound(_ended.begin(), _ended.end(), seconds), seconds);
}

// Linear between the two nearest ranks.
double GameLengths::_Quantile(double share) const {
    const double rank = share * static_cast<double>(_ended.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, _ended.size() - 1);
    return _ended[below] + (_ended[above] - _ended[below]) * (rank - static_cast<double>(below));
}

void GameLengths::Print(const std::string& heading, double limitSeconds) const {
    const auto games = static_cast<int>(_ended.size()) + _unended;
    const auto aimed = std::count_if(_ended.begin(), _ended.end(), [](double seconds) {
        return seconds >= SHORTEST_AIMED_SECONDS && seconds <= LONGEST_AIMED_SECONDS;
    });
    std::printf("%s\n", heading.c_str());
    std::printf("  games            %6d\n", games);
    std::printf("  never ended      %6d   (still running after %s)\n", _unended, Minutes(limitSeconds).c_str());
    if (!_ended.empty()) {
        const char* names[] = {"shortest", "first quartile", "median", "third quartile", "longest"};
        for (int i = 0; i < 5; ++i) std::printf("  %-16s %6s\n", names[i], Minutes(_Quantile(i / 4.0)).c_str());
    }
    std::printf("  within 2-5 min   %5.1f %%  (%d of %d)\n", games == 0 ? 0.0 : 100.0 * static_cast<double>(aimed) / games,
                static_cast<int>(aimed), games);
}

double GameLengths::UnendedPercent() const {
    const auto games = static_cast<double>(_ended.size()) + _unended;
    return games == 0.0 ? 0.0 : 100.0 * _unended / games;
}
