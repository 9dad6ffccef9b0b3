#pragma once
// The layer's fast paths, each of which must leave the pixels as the plain way draws them (or
// within a bound that the differential tester measures and holds). Every one is on unless a
// test switches it off, to compare with and without it: nothing else calls Set.
class GlesFastPaths {
public:
    enum Path : unsigned {
        BATCHING = 1u << 0,              // primitives of one state drawn in one ES draw
        MAPPED_COORDINATES = 1u << 1,    // clamped coordinates inside the image mapped per vertex
        NEAREST = 1u << 2,               // linear filtering taken as nearest where texels lie on pixels
        CUT_QUADS = 1u << 3,             // sprites cut to the texels that show
        BLENDING_OFF = 1u << 4,          // blending left off where it can change no pixel
        WHITE_MODULATION = 1u << 5,      // modulation by white left out
        TWINS = 1u << 6,                 // uploads of the same texels share one image
        DEFERRED_DEPTH_CLEAR = 1u << 7,  // a depth clear waits until the depth test is on
    };
    static constexpr unsigned ALL = (1u << 8) - 1;

    static bool IsOn(Path path) { return (_on & path) != 0; }
    static void Set(unsigned on) { _on = on & ALL; }
    static unsigned On() { return _on; }
    // "batching", "mapped", "nearest", "cut", "blending-off", "white", "twins", "depth-clear";
    // 0 for a name not known.
    static unsigned Named(const char* name);
    static const char* NameOf(Path path);

private:
    static unsigned _on;
};
