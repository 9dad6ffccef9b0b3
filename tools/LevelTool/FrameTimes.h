#pragma once
#include <cstdint>

// The lengths of a simulated game's frames. Steady: every frame as long as the usual one.
// As in real play: the first frame covers the game's whole start-up, which on a slow or busy
// machine takes anything up to the second the game's clock allows a frame; after it, frames
// vary around the usual length, and one in HITCH_EVERY stalls for up to HITCH_MOST_SECONDS.
// The lengths of game n follow from n alone, so that a game can be played again.
class FrameTimes {
public:
    static constexpr double LONGEST_SECONDS = 1.0;  // the game clamps a frame's time to this
    static constexpr int HITCH_EVERY = 200;
    static constexpr double HITCH_MOST_SECONDS = 0.25;

    FrameTimes(double usualSeconds, bool isSteady) : _usualSeconds(usualSeconds), _isSteady(isSteady) {}

    // Starts game n's frames; a first frame of `firstSeconds` when it is above 0, else one
    // drawn as described above.
    void Start(int game, double firstSeconds = 0.0);
    double Next();
    double GetUsualSeconds() const { return _usualSeconds; }
    // The length of the current game's first frame.
    double GetFirstSeconds() const { return _firstSeconds; }

private:
    double _Uniform();
    double _Between(double shortest, double longest);

    double _usualSeconds;
    bool _isSteady;
    double _firstSeconds = 0.0;
    bool _isFirst = true;
    std::uint64_t _state = 0;
};
