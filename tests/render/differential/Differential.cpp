// Random scenes drawn through Mesa's desktop OpenGL and through our OpenGL 1.1 over ES 2, their
// pixels compared: the subset with no fast path against desktop OpenGL, each fast path switched
// off against all on, and all on against desktop OpenGL, each held to its bound.
//   gles_differential [first seed] [scenes] [--measure]    (1 and 150 by default)
// A failure prints the seed, the check, and the fewest of the scene's steps that still fail it;
// --measure goes on past failures and gives only the largest differences.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "EglTargets.h"
#include "GlCalls.h"
#include "Scene.h"
#include "SceneRenderer.h"

namespace {

using Pixels = SceneRenderer::Pixels;

struct Difference {
    int most;    // steps of one channel
    int pixels;  // pixels that differ at all
    int beyond;  // pixels that differ by more than the bound
};

Difference Compare(const Pixels& a, const Pixels& b, int bound) {
    Difference difference = {0, 0, 0};
    for (std::size_t pixel = 0; pixel < a.size(); pixel += 4) {
        int most = 0;
        for (std::size_t channel = 0; channel < 3; ++channel) {
            most = std::max(most, std::abs(a[pixel + channel] - b[pixel + channel]));
        }
        difference.most = std::max(difference.most, most);
        difference.pixels += most > 0 ? 1 : 0;
        difference.beyond += most > bound ? 1 : 0;
    }
    return difference;
}

// One comparison, the largest difference it allows, and the largest it has seen.
struct Check {
    std::string name;
    std::function<std::pair<Pixels, Pixels>(SceneRenderer&, const Scene&)> draw;  // the two frames compared
    bool isAgainstDesktop;  // allowing EDGE_PIXELS
    int bound;
    Difference seen;
    std::uint32_t seenSeed;
};

// How far the subset may be from desktop OpenGL, and each fast path from the subset without
// it, in steps of a channel: measured over 10,000 scenes (docs/testing.md).
constexpr int PLAIN_BOUND = 3;  // tinted and translucent sprites, filtered and blended, round apart
// Pixels whose centre lies within a rounding error of a turned quad's edge, which desktop
// OpenGL's transform and the subset's may put on either side (one pixel in 20,000 scenes).
constexpr int EDGE_PIXELS = 2;

// Coordinates mapped into the bordered image, and quads cut short, are interpolated from other
// vertices than the plain way's, and an image not shared lies elsewhere in its page: a filter
// weight may round the other way, by a step, more where such sprites overlap, and where a
// picture is shrunk to a fifteenth or less, when the filter takes other texels (6 steps at a
// pixel in 20,000 scenes). The rest change no pixel.
int BoundOf(GlesFastPaths::Path path) {
    switch (path) {
        case GlesFastPaths::MAPPED_COORDINATES: return 6;
        case GlesFastPaths::CUT_QUADS:
        case GlesFastPaths::TWINS: return 2;
        default: return 0;
    }
}

std::vector<Check> Checks() {
    std::vector<Check> checks;
    checks.push_back({"subset without fast paths against desktop OpenGL",
                      [](SceneRenderer& r, const Scene& s) { return std::make_pair(r.Subset(s, 0), r.Desktop(s)); },
                      true,
                      PLAIN_BOUND,
                      {0, 0, 0},
                      0});
    for (unsigned bit = 1; bit & GlesFastPaths::ALL; bit <<= 1) {
        const auto path = static_cast<GlesFastPaths::Path>(bit);
        checks.push_back({std::string("without ") + GlesFastPaths::NameOf(path) + " against all fast paths",
                          [bit](SceneRenderer& r, const Scene& s) {
                              return std::make_pair(r.Subset(s, GlesFastPaths::ALL & ~bit),
                                                    r.Subset(s, GlesFastPaths::ALL));
                          },
                          false,
                          BoundOf(path),
                          {0, 0, 0},
                          0});
    }
    checks.push_back(
        {"subset with every fast path against desktop OpenGL",
         [](SceneRenderer& r, const Scene& s) { return std::make_pair(r.Subset(s, GlesFastPaths::ALL), r.Desktop(s)); },
         true,
         PLAIN_BOUND + 2,
         {0, 0, 0},
         0});
    return checks;
}

Difference Differs(SceneRenderer& renderer, const Check& check, const Scene& scene) {
    const std::pair<Pixels, Pixels> frames = check.draw(renderer, scene);
    return Compare(frames.first, frames.second, check.bound);
}

bool IsWithinBound(const Check& check, const Difference& difference) {
    return difference.beyond <= (check.isAgainstDesktop ? EDGE_PIXELS : 0);
}

// The frame as a portable pixmap, rows from the top.
void WritePicture(const std::string& path, const Pixels& pixels) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return;
    std::fprintf(file, "P6 %d %d 255\n", EglTargets::SIZE, EglTargets::SIZE);
    for (int row = EglTargets::SIZE - 1; row >= 0; --row) {
        for (int column = 0; column < EglTargets::SIZE; ++column) {
            std::fwrite(&pixels[static_cast<std::size_t>((row * EglTargets::SIZE + column) * 4)], 1, 3, file);
        }
    }
    std::fclose(file);
}

// The fewest steps, each taken away in turn while the check still fails.
Scene Minimised(SceneRenderer& renderer, const Check& check, Scene scene) {
    for (std::size_t i = scene.steps.size(); i-- > 0;) {
        Scene fewer = scene;
        fewer.steps.erase(fewer.steps.begin() + static_cast<std::ptrdiff_t>(i));
        if (!IsWithinBound(check, Differs(renderer, check, fewer))) scene = fewer;
    }
    return scene;
}

}  // namespace

int main(int argc, char** argv) {
    const auto first = static_cast<std::uint32_t>(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1);
    const auto count = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 150);
    const bool isMeasuring = argc > 3 && std::string(argv[3]) == "--measure";
    SceneRenderer renderer;
    std::vector<Check> checks = Checks();
    for (std::uint32_t seed = first; seed < first + count; ++seed) {
        const Scene scene = Scene::Random(seed);
        for (Check& check : checks) {
            const Difference difference = Differs(renderer, check, scene);
            if (difference.beyond > check.seen.beyond ||
                (difference.beyond == check.seen.beyond && difference.most > check.seen.most)) {
                check.seen = difference;
                check.seenSeed = seed;
            }
            if (IsWithinBound(check, difference) || isMeasuring) continue;
            const Scene smallest = Minimised(renderer, check, scene);
            const std::pair<Pixels, Pixels> frames = check.draw(renderer, smallest);
            const std::string name = "differential-" + std::to_string(seed);
            WritePicture(name + "-first.ppm", frames.first);
            WritePicture(name + "-second.ppm", frames.second);
            std::printf(
                "seed %u: %s: %d pixels differ, by up to %d (bound %d, beyond it %d); the fewest steps that still do "
                "(drawn both ways in %s-first.ppm and -second.ppm):\n%s",
                seed, check.name.c_str(), difference.pixels, difference.most, check.bound, difference.beyond,
                name.c_str(), smallest.Describe().c_str());
            return 1;
        }
    }
    std::printf(
        "%u scenes from seed %u; the largest difference of each check, in steps, with the pixels that "
        "differ and those beyond the bound:\n",
        count, first);
    for (const Check& check : checks) {
        std::printf("  %-52s %3d in %4d, %d beyond (seed %u); bound %d\n", check.name.c_str(), check.seen.most,
                    check.seen.pixels, check.seen.beyond, check.seenSeed, check.bound);
    }
    return 0;
}
