// The floor: the Level02 scene with SDL2 and OpenGL 1.1 and as few GL calls as its pixels
// allow: every sprite's corners are turned on the CPU into one vertex array, drawn with one
// glDrawArrays per run of sprites of the same texture. Usage: floor_peer <font file>, started
// in the game's data folder.
#include <GL/gl.h>
#include <SDL.h>

#include <cmath>
#include <vector>

#include "FloorGlyphs.h"
#include "FloorTga.h"
#include "PeerScene.h"

namespace {

constexpr float DEGREES_TO_RADIANS = 3.14159265f / 180.0f;
constexpr int TEXT_VERTICES = 4 * 32;

struct Batch {
    unsigned texture;
    int first;
    int count;
};

unsigned Upload(const FloorTga& image) {
    unsigned texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    const bool alpha = image.bytesPerPixel == 4;
    glTexImage2D(GL_TEXTURE_2D, 0, alpha ? GL_RGBA : GL_RGB, image.width, image.height, 0, alpha ? GL_BGRA : GL_BGR,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    return texture;
}

// A sprite's four corners, turned about its centre; the picture's top row (t = 1, as the
// rows are stored bottom first) at the top.
void AppendSprite(const PeerScene::Sprite& sprite, int frames, float* vertices, float* texCoords) {
    const float half = sprite.side / 2.0f;
    const float cosine = std::cos(sprite.clockwiseDegrees * DEGREES_TO_RADIANS);
    const float sine = std::sin(sprite.clockwiseDegrees * DEGREES_TO_RADIANS);
    const float u0 = static_cast<float>(sprite.frame) / frames;
    const float u1 = static_cast<float>(sprite.frame + 1) / frames;
    const float corners[4][4] = {{-half, -half, u0, 1.0f}, {half, -half, u1, 1.0f}, {half, half, u1, 0.0f},
                                 {-half, half, u0, 0.0f}};
    for (int i = 0; i < 4; ++i) {
        vertices[2 * i] = sprite.centerX + corners[i][0] * cosine - corners[i][1] * sine;
        vertices[2 * i + 1] = sprite.centerY + corners[i][0] * sine + corners[i][1] * cosine;
        texCoords[2 * i] = corners[i][2];
        texCoords[2 * i + 1] = corners[i][3];
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || SDL_Init(SDL_INIT_VIDEO) != 0) return 2;
    SDL_Window* window = SDL_CreateWindow("Floor peer", 0, 0,
                                          PeerScene::WIDTH, PeerScene::HEIGHT, SDL_WINDOW_OPENGL);
    if (window == nullptr || SDL_GL_CreateContext(window) == nullptr) return 1;
    SDL_GL_SetSwapInterval(0);
    FloorTga data;
    FloorGlyphs glyphs;
    if (!data.Load(PeerScene::DATA_FILE) || !glyphs.Load(argv[1], PeerScene::TEXT_PIXELS)) return 1;
    PeerScene scene([&data](int x, int row) { return data.RgbAt(x, row); });
    unsigned textures[PeerScene::PICTURE_COUNT];
    int frameCounts[PeerScene::PICTURE_COUNT];
    for (int i = 0; i < PeerScene::PICTURE_COUNT; ++i) {
        FloorTga image;
        if (!image.Load(PeerScene::FILES[i])) return 1;
        textures[i] = Upload(image);
        frameCounts[i] = image.width / image.height;
        scene.SetFrameCount(static_cast<PeerScene::Picture>(i), frameCounts[i]);
    }
    const std::size_t spriteCount = scene.SpritesAt(0.0).size();
    const std::size_t ringCount = scene.GetRings().size();
    std::vector<float> vertices(2 * (4 * spriteCount + TEXT_VERTICES));
    std::vector<float> texCoords(vertices.size());
    std::vector<float> ringVertices(2 * 2 * PeerScene::RING_SEGMENTS * ringCount);
    for (std::size_t ring = 0; ring < ringCount; ++ring) {
        const PeerScene::Point center = scene.GetRings()[ring];
        for (int i = 0; i < 2 * PeerScene::RING_SEGMENTS; ++i) {
            const float angle = static_cast<float>((i + 1) / 2 % PeerScene::RING_SEGMENTS) * 6.2831853f /
                                PeerScene::RING_SEGMENTS;
            float* vertex = &ringVertices[2 * (2 * PeerScene::RING_SEGMENTS * ring + i)];
            vertex[0] = center.x + PeerScene::RING_RADIUS * std::cos(angle);
            vertex[1] = center.y - PeerScene::RING_RADIUS * std::sin(angle);
        }
    }
    std::vector<Batch> batches;
    batches.reserve(spriteCount);
    glViewport(0, 0, PeerScene::WIDTH, PeerScene::HEIGHT);
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, PeerScene::WIDTH, PeerScene::HEIGHT, 0, -1, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords.data());
    glClearColor(0, 0, 0, 1);
    const Uint64 start = SDL_GetPerformanceCounter();
    const double secondsPerCount = 1.0 / static_cast<double>(SDL_GetPerformanceFrequency());
    double last = 0.0;
    char text[32];
    for (;;) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) return 0;
        }
        const double now = static_cast<double>(SDL_GetPerformanceCounter() - start) * secondsPerCount;
        batches.clear();
        int vertexCount = 0;
        for (const PeerScene::Sprite& sprite : scene.SpritesAt(now)) {
            if (batches.empty() || batches.back().texture != textures[sprite.picture]) {
                batches.push_back({textures[sprite.picture], vertexCount, 0});
            }
            AppendSprite(sprite, frameCounts[sprite.picture], &vertices[2 * vertexCount], &texCoords[2 * vertexCount]);
            vertexCount += 4;
            batches.back().count += 4;
        }
        scene.FormatReadout(text, sizeof text, now - last);
        last = now;
        const int textFirst = vertexCount;
        const int textCount = glyphs.AppendQuads(text, PeerScene::TEXT_X, PeerScene::TEXT_BASELINE,
                                                 &vertices[2 * vertexCount], &texCoords[2 * vertexCount]);
        glClear(GL_COLOR_BUFFER_BIT);
        glVertexPointer(2, GL_FLOAT, 0, vertices.data());
        glEnable(GL_TEXTURE_2D);
        glColor4f(1, 1, 1, 1);
        for (const Batch& batch : batches) {
            if (batch.texture == textures[PeerScene::TURRET]) {  // the rings under the turrets' bases
                glDisable(GL_TEXTURE_2D);
                glColor4f(1, 1, 0, 1);
                glVertexPointer(2, GL_FLOAT, 0, ringVertices.data());
                glDrawArrays(GL_LINES, 0, static_cast<int>(ringVertices.size() / 2));
                glVertexPointer(2, GL_FLOAT, 0, vertices.data());
                glColor4f(1, 1, 1, 1);
                glEnable(GL_TEXTURE_2D);
            }
            glBindTexture(GL_TEXTURE_2D, batch.texture);
            glDrawArrays(GL_QUADS, batch.first, batch.count);
        }
        glBindTexture(GL_TEXTURE_2D, glyphs.GetTexture());
        glColor4f(1, 0.5f, 0, 1);
        glDrawArrays(GL_QUADS, textFirst, textCount);
        SDL_GL_SwapWindow(window);
    }
}
