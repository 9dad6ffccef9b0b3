// The Level02 scene drawn the way an Allegro 5 user draws it: bitmaps drawn with
// al_draw_scaled_rotated_bitmap, al_draw_circle and a TTF font. Usage: allegro_peer <font
// file>, started in the game's data folder.
#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <algorithm>

#include "PeerScene.h"

namespace {

constexpr float DEGREES_TO_RADIANS = 3.14159265f / 180.0f;

unsigned RgbOf(ALLEGRO_COLOR color) {
    unsigned char red, green, blue;
    al_unmap_rgb(color, &red, &green, &blue);
    return static_cast<unsigned>(red) << 16 | static_cast<unsigned>(green) << 8 | blue;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || !al_init() || !al_init_image_addon() || !al_init_primitives_addon() || !al_init_font_addon() ||
        !al_init_ttf_addon()) {
        return 2;
    }
    al_set_new_display_option(ALLEGRO_VSYNC, 2, ALLEGRO_SUGGEST);  // 2: off
    al_set_new_window_position(0, 0);  // where the game's window opens
    ALLEGRO_DISPLAY* display = al_create_display(PeerScene::WIDTH, PeerScene::HEIGHT);
    al_set_new_bitmap_flags(ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR);  // filtered like the game's textures
    ALLEGRO_FONT* font = al_load_ttf_font(argv[1], -PeerScene::TEXT_PIXELS, 0);
    ALLEGRO_BITMAP* data = al_load_bitmap(PeerScene::DATA_FILE);
    if (display == nullptr || font == nullptr || data == nullptr) return 1;
    ALLEGRO_BITMAP* bitmaps[PeerScene::PICTURE_COUNT];
    for (int i = 0; i < PeerScene::PICTURE_COUNT; ++i) {
        if ((bitmaps[i] = al_load_bitmap(PeerScene::FILES[i])) == nullptr) return 1;
    }
    al_lock_bitmap(data, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY);
    PeerScene scene([data](int x, int row) { return RgbOf(al_get_pixel(data, x, row)); });
    al_unlock_bitmap(data);
    ALLEGRO_BITMAP* frames[PeerScene::PICTURE_COUNT][16];
    for (int i = 0; i < PeerScene::PICTURE_COUNT; ++i) {
        const int side = al_get_bitmap_height(bitmaps[i]);
        const int count = std::min(al_get_bitmap_width(bitmaps[i]) / side, 16);
        scene.SetFrameCount(static_cast<PeerScene::Picture>(i), count);
        for (int frame = 0; frame < count; ++frame) {
            frames[i][frame] = al_create_sub_bitmap(bitmaps[i], frame * side, 0, side, side);
        }
    }
    ALLEGRO_EVENT_QUEUE* queue = al_create_event_queue();
    al_register_event_source(queue, al_get_display_event_source(display));
    const ALLEGRO_COLOR yellow = al_map_rgb(255, 255, 0);
    const ALLEGRO_COLOR orange = al_map_rgb(255, 127, 0);
    const double start = al_get_time();
    double last = start;
    char text[32];
    for (;;) {
        ALLEGRO_EVENT event;
        while (al_get_next_event(queue, &event)) {
            if (event.type == ALLEGRO_EVENT_DISPLAY_CLOSE) return 0;
        }
        const double now = al_get_time();
        al_clear_to_color(al_map_rgb(0, 0, 0));
        for (const PeerScene::Sprite& item : scene.SpritesAt(now - start)) {
            if (item.picture == PeerScene::TURRET) {  // the ring under each turret's base
                al_draw_circle(item.centerX, item.centerY, PeerScene::RING_RADIUS, yellow, 1.0f);
            }
            ALLEGRO_BITMAP* frame = frames[item.picture][item.frame];
            const float side = static_cast<float>(al_get_bitmap_height(frame));
            al_draw_scaled_rotated_bitmap(frame, side / 2.0f, side / 2.0f, item.centerX, item.centerY,
                                          item.side / side, item.side / side,
                                          item.clockwiseDegrees * DEGREES_TO_RADIANS, 0);
        }
        scene.FormatReadout(text, sizeof text, now - last);
        last = now;
        al_draw_text(font, orange, PeerScene::TEXT_X, PeerScene::TEXT_BASELINE - al_get_font_ascent(font), 0, text);
        al_flip_display();
    }
}
