#pragma once
#include <string>
#include <vector>

// The lengths of simulated games and how they spread, as a table of simulated minutes.
class GameLengths {
public:
    static constexpr double SHORTEST_AIMED_SECONDS = 120.0;
    static constexpr double LONGEST_AIMED_SECONDS = 300.0;

    // A negative length is a game that never ended.
    void Add(double seconds);
    void Print(const std::string& heading, double limitSeconds) const;
    // The share of the games that never ended, in percent.
    double UnendedPercent() const;

private:
    double _Quantile(double share) const;

    std::vector<double> _ended;
    int _unended = 0;
};
