#pragma once
// Plays a scene into the frame buffer of desktop OpenGL or of our subset (with the fast paths
// given), on the same textures and fonts made in each, and reads the frame back as RGBA.
#include <vector>

#include "EglTargets.h"
#include "GlCalls.h"
#include "Scene.h"
#include "SceneAssets.h"

class SceneRenderer {
public:
    using Pixels = std::vector<GLubyte>;

    SceneRenderer();
    Pixels Desktop(const Scene& scene);
    Pixels Subset(const Scene& scene, unsigned fastPaths);  // GlesFastPaths' bits

private:
    static Pixels _Play(const Scene& scene, const GlCalls& gl, SceneAssets& assets);

    EglTargets _targets;
    SceneAssets _desktopAssets, _subsetAssets;
};
