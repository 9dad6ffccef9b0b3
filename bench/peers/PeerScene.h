#pragma once
#include <functional>
#include <vector>

// The game's Level02 scene as the peer programs draw it: where the level's data image puts
// babies, mines and turrets, and what the game draws for them at a moment of its run, in
// screen pixels (origin top left, y down). The peers keep the sprite count of the game's
// first frame for the whole run: nothing moves, dies or goes.
class PeerScene {
public:
    enum Picture { LEVEL, MINE, CRAWL, HEART, TURRET, PICTURE_COUNT };

    static constexpr int WIDTH = 1024;
    static constexpr int HEIGHT = 768;
    static constexpr float RING_RADIUS = 10.0f;
    static constexpr int RING_SEGMENTS = 12;
    // The frame-rate readout: its text starts 40 pixels left of the right edge, its baseline
    // 16 pixels below the top, in orange, with a 16-pixel font.
    static constexpr float TEXT_X = WIDTH - 40.0f;
    static constexpr float TEXT_BASELINE = 16.0f;
    static constexpr int TEXT_PIXELS = 16;

    // The sprite files, relative to the working folder, indexed by Picture.
    static const char* const FILES[PICTURE_COUNT];
    static const char* const DATA_FILE;

    struct Sprite {
        Picture picture;
        float centerX, centerY;  // screen pixels
        float side;              // drawn side of the square, in screen pixels
        int frame;               // frame of the strip
        float clockwiseDegrees;  // on the screen
    };
    struct Point {
        float x, y;
    };

    // `rgbAt(x, row)` answers the data image's colour as 0xRRGGBB, rows counted from its top.
    explicit PeerScene(const std::function<unsigned(int x, int row)>& rgbAt);

    // A strip's frame count (its width over its height), before drawing.
    void SetFrameCount(Picture picture, int frames) { _frameCounts[picture] = frames; }
    // Every sprite in drawing order at `seconds` into the run.
    const std::vector<Sprite>& SpritesAt(double seconds);
    // The turrets' ring centres.
    const std::vector<Point>& GetRings() const { return _rings; }
    // The readout's text after a frame of `frameSeconds`; returns its length.
    int FormatReadout(char* text, int size, double frameSeconds);

private:
    std::vector<Point> _babies;
    std::vector<Point> _mines;
    std::vector<Point> _rings;
    std::vector<Sprite> _sprites;
    int _frameCounts[PICTURE_COUNT] = {1, 1, 1, 1, 1};
    double _framesPerSecond = 60.0;
};
