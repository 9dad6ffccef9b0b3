#include "Scene.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr float SIZE = 128.0f;
constexpr GLenum BLEND_PAIRS[3][2] = {
    {GL_SRC_ALPHA, GL_ONE}, {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}, {GL_ONE_MINUS_DST_COLOR, GL_ZERO}};

// Draws from the generator without the standard distributions, whose results may differ
// between libraries: a seed gives the same scene everywhere.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : _engine(seed) {}
    float Between(float low, float high) {
        return low + (high - low) * static_cast<float>(_engine() >> 8) / 16777216.0f;
    }
    int Below(int count) { return static_cast<int>(_engine() % static_cast<std::uint32_t>(count)); }
    bool Chance(int percent) { return Below(100) < percent; }
    // A place in pixels: a whole pixel, a pixel centre or anywhere between.
    float Place(float low, float high) {
        const float place = Between(low, high);
        const int kind = Below(3);
        return kind == 0 ? std::floor(place) : (kind == 1 ? std::floor(place) + 0.5f : place);
    }

private:
    std::mt19937 _engine;
};

void RandomColor(Draw& draw, float color[4]) {
    const int kind = draw.Below(10);
    for (int i = 0; i < 3; ++i) color[i] = kind < 6 ? 1.0f : draw.Between(0.0f, 1.0f);
    color[3] = kind < 8 ? 1.0f : draw.Between(0.1f, 1.0f);
}

SceneStep RandomSprite(Draw& draw) {
    SceneStep step = {};
    step.kind = SceneStep::SPRITE;
    step.slot = draw.Chance(70) ? draw.Below(2) * 9 + draw.Below(2) : draw.Below(SceneAssets::SLOTS);
    const int image = step.slot < SceneAssets::FIRST_SCRATCH ? step.slot : 0;
    const int frames = SceneAssets::IsStrip(image) ? 4 : 1;
    const int frame = draw.Below(frames);
    step.u0 = static_cast<float>(frame) / static_cast<float>(frames);
    step.u1 = static_cast<float>(frame + 1) / static_cast<float>(frames);
    if (draw.Chance(10)) std::swap(step.u0, step.u1);
    const bool isTexelForPixel = draw.Chance(60);
    step.width = isTexelForPixel ? static_cast<float>(SceneAssets::Width(image) / frames) : draw.Between(4, 80);
    step.height = isTexelForPixel ? static_cast<float>(std::min(SceneAssets::Height(image), 140)) : draw.Between(4, 80);
    step.x = draw.Place(-10, SIZE + 10);
    step.y = draw.Place(-10, SIZE + 10);
    const int turn = draw.Below(10);
    step.degrees = turn < 4 ? 0.0f : (turn < 6 ? 90.0f * static_cast<float>(draw.Below(4)) : draw.Between(0, 360));
    const int scale = draw.Below(20);
    step.scaleX = scale < 10 ? 1.0f : (scale < 13 ? -1.0f : draw.Between(0.3f, 2.0f));
    step.scaleY = scale < 10 || scale == 10 ? 1.0f : (scale < 13 ? 1.0f : draw.Between(0.3f, 2.0f));
    if (scale == 12) step.scaleY = -1.0f;
    RandomColor(draw, step.color);
    return step;
}

SceneStep RandomStep(Draw& draw) {
    const int roll = draw.Below(100);
    if (roll < 50) return RandomSprite(draw);
    SceneStep step = {};
    RandomColor(draw, step.color);
    step.x = draw.Place(0, SIZE);
    step.y = draw.Place(0, SIZE);
    step.width = draw.Between(2, 90);
    step.height = draw.Between(2, 90);
    if (roll < 58) {
        step.kind = SceneStep::RECTANGLE;
        step.slot = draw.Below(2);  // 1: a colour per corner
    } else if (roll < 65) {
        step.kind = SceneStep::CIRCLE;
        step.width = draw.Between(3, 50);
    } else if (roll < 74) {
        step.kind = roll < 71 ? SceneStep::TEXT : SceneStep::OVERLAY;
        step.slot = draw.Chance(40) ? 1 : 0;
        const int length = 1 + draw.Below(14);
        for (int i = 0; i < length; ++i) {
            step.text +=
                static_cast<char>(step.slot == 1 ? draw.Below(SceneAssets::LARGE_GLYPHS) : 32 + draw.Below(95));
        }
        step.other = draw.Below(3);
    } else if (roll < 80) {
        step.kind = SceneStep::BLEND_FUNCTION;
        step.slot = draw.Below(3);
    } else if (roll < 83) {
        step.kind = SceneStep::BLENDING;
        step.slot = draw.Below(2);
    } else if (roll < 86) {
        step.kind = SceneStep::CLEAR;
    } else if (roll < 88) {
        step.kind = SceneStep::LINE_WIDTH;
        step.slot = 1 + draw.Below(3);
    } else if (roll < 90) {
        step.kind = SceneStep::UPLOAD;
        step.slot = SceneAssets::FIRST_SCRATCH + draw.Below(2);
        step.other = draw.Below(SceneAssets::IMAGES);
    } else if (roll < 95) {
        step = RandomSprite(draw);
        step.kind = SceneStep::SKEWED_QUAD;
        step.skew[0] = draw.Between(-6, 6);
        step.skew[1] = draw.Between(-6, 6);
    } else if (roll < 98) {
        step.kind = SceneStep::SHADE_MODEL;
        step.slot = draw.Below(2);
    } else {
        step.kind = SceneStep::PROJECTION;
        step.slot = draw.Below(2);  // 1: y down, as the overlays have it
    }
    return step;
}

// Moves `place` by whole pixels (keeping where it falls within a pixel) into [low, high].
float MovedInto(float place, float low, float high) {
    if (place < low) place += std::ceil(low - place);
    if (place > high) place -= std::ceil(place - high);
    return place;
}

// Shrinks and moves a drawn step so that it stays a pixel inside the window: rectangles (which
// Mesa's desktop OpenGL gathers into one draw while no state changes between them) and skewed
// quads, whose triangles interpolate apart where Mesa splits them otherwise, as it does for a
// whole draw when any of its vertices lies outside the clip volume. The subset decides so
// quad by quad.
void KeepInside(SceneStep& step) {
    constexpr float MOST = SIZE - 4.0f;
    if (step.kind == SceneStep::RECTANGLE) {
        step.width = std::min(step.width, MOST);
        step.height = std::min(step.height, MOST);
        step.x = MovedInto(step.x, 1.0f, SIZE - 1.0f - step.width);
        step.y = MovedInto(step.y, 1.0f, SIZE - 1.0f - step.height);
        return;
    }
    float radius = step.width;  // a circle's
    if (step.kind == SceneStep::SPRITE || step.kind == SceneStep::SKEWED_QUAD) {
        const float skew = std::fabs(step.skew[0]) + std::fabs(step.skew[1]);
        radius = 0.5f * std::hypot(step.width * std::fabs(step.scaleX), step.height * std::fabs(step.scaleY)) + skew;
        if (2.0f * radius > MOST) {
            const float shrink = (MOST * 0.5f - skew) / (radius - skew);
            step.width *= shrink;
            step.height *= shrink;
            radius = MOST * 0.5f;
        }
    } else if (step.kind != SceneStep::CIRCLE) {
        return;
    }
    radius = std::min(radius, MOST * 0.5f);
    step.width = step.kind == SceneStep::CIRCLE ? radius : step.width;
    step.x = MovedInto(step.x, radius + 1.0f, SIZE - 1.0f - radius);
    step.y = MovedInto(step.y, radius + 1.0f, SIZE - 1.0f - radius);
}

// TheRenderer::SetProjection.
void SetProjection(const GlCalls& gl, float left, float bottom, float right, float top) {
    gl.glMatrixMode(GL_PROJECTION);
    gl.glLoadIdentity();
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glLoadIdentity();
    gl.glOrtho(left, right, bottom, top, 0.0, 1.0);
}

// The renderer's fixed state, its clear and its first projection, then the game's.
void Start(const GlCalls& gl) {
    gl.glShadeModel(GL_FLAT);
    gl.glClearColor(0, 0, 0, 0);
    gl.glClearDepth(1.0);
    gl.glDepthFunc(GL_LEQUAL);
    gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    gl.glLineWidth(1.0f);
    gl.glPointSize(1.0f);
    gl.glFrontFace(GL_CCW);
    gl.glCullFace(GL_BACK);
    gl.glDisable(GL_ALPHA_TEST);
    gl.glEnable(GL_BLEND);
    for (GLenum capability :
         {GL_CULL_FACE, GL_DEPTH_TEST, GL_DITHER, GL_FOG, GL_LIGHTING, GL_LINE_SMOOTH, GL_LINE_STIPPLE, GL_POINT_SMOOTH,
          GL_POLYGON_OFFSET_FILL, GL_POLYGON_OFFSET_LINE, GL_POLYGON_OFFSET_POINT, GL_POLYGON_SMOOTH,
          GL_POLYGON_STIPPLE, GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_TEXTURE_2D}) {
        gl.glDisable(capability);
    }
    for (GLenum hint : {GL_FOG_HINT, GL_LINE_SMOOTH_HINT, GL_PERSPECTIVE_CORRECTION_HINT, GL_POINT_SMOOTH_HINT,
                        GL_POLYGON_SMOOTH_HINT}) {
        gl.glHint(hint, GL_FASTEST);
    }
    gl.glClearColor(0, 0, 0, 1);
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.glViewport(0, 0, static_cast<GLsizei>(SIZE), static_cast<GLsizei>(SIZE));
    SetProjection(gl, 0, 0, 1, 1);
    SetProjection(gl, 0, 0, SIZE, SIZE);
}

// TheRenderer::DrawQuad, textured, with the corners of a skewed quad moved by `skew`.
void DrawQuad(const GlCalls& gl, const SceneAssets& assets, const SceneStep& step, const float skew[2]) {
    const bool isTransformed = step.degrees != 0.0f || step.scaleX != 1.0f || step.scaleY != 1.0f;
    const float x0 = step.x - step.width * 0.5f, x1 = step.x + step.width * 0.5f;
    const float y0 = step.y - step.height * 0.5f, y1 = step.y + step.height * 0.5f;
    if (isTransformed) {
        gl.glPushMatrix();
        gl.glTranslatef(step.x, step.y, 0);
        gl.glRotatef(step.degrees * 0.017453292f * 57.29578f, 0, 0, 1);
        gl.glTranslatef(-step.x, -step.y, 0);
        gl.glTranslatef(step.x, step.y, 0);
        gl.glScalef(step.scaleX, step.scaleY, 0);
        gl.glTranslatef(-step.x, -step.y, 0);
    }
    gl.glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT);
    gl.glEnable(GL_TEXTURE_2D);
    gl.glShadeModel(GL_FLAT);
    gl.glBindTexture(GL_TEXTURE_2D, assets.Texture(step.slot));
    gl.glColor4fv(step.color);
    gl.glBegin(GL_QUADS);
    gl.glTexCoord2f(step.u0, 0);
    gl.glVertex2f(x0, y0);
    gl.glTexCoord2f(step.u0, 1);
    gl.glVertex2f(x0, y1);
    gl.glTexCoord2f(step.u1, 1);
    gl.glVertex2f(x1 + skew[0], y1 + skew[1]);
    gl.glTexCoord2f(step.u1, 0);
    gl.glVertex2f(x1, y0);
    gl.glEnd();
    gl.glPopAttrib();
    if (isTransformed) gl.glPopMatrix();
}

void DrawRectangle(const GlCalls& gl, const SceneStep& step) {
    const float corners[4][2] = {{step.x, step.y},
                                 {step.x + step.width, step.y},
                                 {step.x + step.width, step.y + step.height},
                                 {step.x, step.y + step.height}};
    gl.glColor4fv(step.color);
    gl.glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        if (step.slot == 1)
            gl.glColor4f(step.color[(i + 1) % 4], step.color[(i + 2) % 4], step.color[i], step.color[3]);
        gl.glVertex2f(corners[i][0], corners[i][1]);
    }
    gl.glEnd();
}

// TheRenderer::DrawCircle with the automatic segment count.
void DrawCircle(const GlCalls& gl, const SceneStep& step) {
    gl.glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_LIGHTING_BIT);
    gl.glDisable(GL_TEXTURE_2D);
    gl.glEnable(GL_BLEND);
    gl.glShadeModel(GL_SMOOTH);
    gl.glColor4fv(step.color);
    int segments = 8 - static_cast<int>(step.width * -0.2f);
    if (segments < 12) segments = 12;
    gl.glBegin(GL_LINE_LOOP);
    for (int i = 0; i < segments; ++i) {
        const double angle = static_cast<double>(i) / segments * 6.283185307179586;
        gl.glVertex2f(static_cast<float>(std::cos(angle) * step.width + step.x),
                      static_cast<float>(std::sin(angle) * step.width + step.y));
    }
    gl.glEnd();
    gl.glPopAttrib();
}

// TheRenderer::DrawText; an overlay's text pushes the colour-buffer attributes round it.
void DrawText(const GlCalls& gl, const SceneAssets& assets, const SceneStep& step) {
    if (step.kind == SceneStep::OVERLAY) {
        gl.glPushAttrib(GL_COLOR_BUFFER_BIT);
        const GLenum* pair = BLEND_PAIRS[step.other];
        gl.glBlendFunc(pair[0], pair[1]);
    }
    gl.glColor4fv(step.color);
    gl.glListBase(step.slot == 1 ? assets.LargeFont() : assets.SmallFont());
    gl.glRasterPos2f(step.x, step.y);
    gl.glCallLists(static_cast<GLsizei>(step.text.size()), GL_UNSIGNED_BYTE, step.text.data());
    if (step.kind == SceneStep::OVERLAY) gl.glPopAttrib();
}

void PlayStep(const GlCalls& gl, SceneAssets& assets, const SceneStep& step) {
    const float noSkew[2] = {0.0f, 0.0f};
    switch (step.kind) {
        case SceneStep::SPRITE: return DrawQuad(gl, assets, step, noSkew);
        case SceneStep::SKEWED_QUAD: return DrawQuad(gl, assets, step, step.skew);
        case SceneStep::RECTANGLE: return DrawRectangle(gl, step);
        case SceneStep::CIRCLE: return DrawCircle(gl, step);
        case SceneStep::TEXT:
        case SceneStep::OVERLAY: return DrawText(gl, assets, step);
        case SceneStep::BLEND_FUNCTION: return gl.glBlendFunc(BLEND_PAIRS[step.slot][0], BLEND_PAIRS[step.slot][1]);
        case SceneStep::BLENDING: return step.slot == 1 ? gl.glEnable(GL_BLEND) : gl.glDisable(GL_BLEND);
        case SceneStep::CLEAR:
            gl.glClearColor(step.color[0], step.color[1], step.color[2], step.color[3]);
            return gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        case SceneStep::LINE_WIDTH: return gl.glLineWidth(static_cast<float>(step.slot));
        case SceneStep::UPLOAD: return assets.Upload(gl, step.slot, step.other);
        case SceneStep::SHADE_MODEL: return gl.glShadeModel(step.slot == 1 ? GL_SMOOTH : GL_FLAT);
        case SceneStep::PROJECTION:
            return step.slot == 1 ? SetProjection(gl, 0, SIZE, SIZE, 0) : SetProjection(gl, 0, 0, SIZE, SIZE);
    }
}

const char* const KIND_NAMES[] = {"sprite",         "rectangle",   "circle",    "text",       "overlay",
                                  "blend-function", "blending",    "clear",     "line-width", "upload",
                                  "skewed-quad",    "shade-model", "projection"};

}  // namespace

Scene Scene::Random(std::uint32_t seed) {
    Draw draw(seed);
    Scene scene;
    const int count = 3 + draw.Below(24);
    for (int i = 0; i < count; ++i) {
        scene.steps.push_back(RandomStep(draw));
        SceneStep& step = scene.steps.back();
        if (step.kind == SceneStep::RECTANGLE || step.kind == SceneStep::SKEWED_QUAD) KeepInside(step);
    }
    return scene;
}

void Scene::Play(const GlCalls& gl, SceneAssets& assets) const {
    assets.Reset(gl);
    Start(gl);
    for (const SceneStep& step : steps) PlayStep(gl, assets, step);
    gl.glFinish();
}

std::string Scene::Describe() const {
    std::string text;
    for (const SceneStep& s : steps) {
        char line[512];
        std::snprintf(line, sizeof(line),
                      "%s at (%.9g, %.9g) size (%.9g, %.9g) turned %.9g scaled (%.9g, %.9g) choice %d/%d s %.9g-%.9g "
                      "skew (%.9g, %.9g) colour (%.9g, %.9g, %.9g, %.9g) text of %zu bytes\n",
                      KIND_NAMES[s.kind], s.x, s.y, s.width, s.height, s.degrees, s.scaleX, s.scaleY, s.slot, s.other,
                      s.u0, s.u1, s.skew[0], s.skew[1], s.color[0], s.color[1], s.color[2], s.color[3], s.text.size());
        text += line;
    }
    return text;
}
