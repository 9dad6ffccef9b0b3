#include "SceneRenderer.h"

// The subset is strict: a call it does not carry out ends the run, named.
SceneRenderer::SceneRenderer() {
    _targets.UseDesktop();
    _desktopAssets.Create(DesktopCalls());
    _targets.UseSubset();
    Gl11::SetStrict(true);
    _subsetAssets.Create(SubsetCalls());
}

SceneRenderer::Pixels SceneRenderer::Desktop(const Scene& scene) {
    _targets.UseDesktop();
    return _Play(scene, DesktopCalls(), _desktopAssets);
}

SceneRenderer::Pixels SceneRenderer::Subset(const Scene& scene, unsigned fastPaths) {
    _targets.UseSubset();
    Gl11::SetFastPaths(fastPaths);
    Pixels pixels = _Play(scene, SubsetCalls(), _subsetAssets);
    Gl11::SetFastPaths(GlesFastPaths::ALL);
    return pixels;
}

SceneRenderer::Pixels SceneRenderer::_Play(const Scene& scene, const GlCalls& gl, SceneAssets& assets) {
    scene.Play(gl, assets);
    Pixels pixels(static_cast<std::size_t>(EglTargets::SIZE * EglTargets::SIZE * 4));
    gl.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl.glReadPixels(0, 0, EglTargets::SIZE, EglTargets::SIZE, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
