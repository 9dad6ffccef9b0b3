// The Level02 scene drawn the way an SFML 2.5 user draws it: sf::Texture, sf::Sprite,
// sf::CircleShape and sf::Text on a sf::RenderWindow. Usage: sfml_peer <font file>, started in
// the game's data folder.
#include <SFML/Graphics.hpp>

#include <cstdio>

#include "PeerScene.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    sf::RenderWindow window(sf::VideoMode(PeerScene::WIDTH, PeerScene::HEIGHT, 32), "SFML peer", sf::Style::Close);
    window.setPosition(sf::Vector2i(0, 0));  // where the game's window opens, wholly on the screen
    sf::Texture textures[PeerScene::PICTURE_COUNT];
    for (int i = 0; i < PeerScene::PICTURE_COUNT; ++i) {
        if (!textures[i].loadFromFile(PeerScene::FILES[i])) return 1;
        textures[i].setSmooth(true);
    }
    sf::Image data;
    sf::Font font;
    if (!data.loadFromFile(PeerScene::DATA_FILE) || !font.loadFromFile(argv[1])) return 1;
    PeerScene scene([&data](int x, int row) {
        const sf::Color color = data.getPixel(x, row);
        return static_cast<unsigned>(color.r) << 16 | static_cast<unsigned>(color.g) << 8 | color.b;
    });
    for (int i = 0; i < PeerScene::PICTURE_COUNT; ++i) {
        const sf::Vector2u size = textures[i].getSize();
        scene.SetFrameCount(static_cast<PeerScene::Picture>(i), static_cast<int>(size.x / size.y));
    }
    sf::Sprite sprites[PeerScene::PICTURE_COUNT];
    for (int i = 0; i < PeerScene::PICTURE_COUNT; ++i) sprites[i].setTexture(textures[i]);
    sf::CircleShape ring(PeerScene::RING_RADIUS, PeerScene::RING_SEGMENTS);
    ring.setOrigin(PeerScene::RING_RADIUS, PeerScene::RING_RADIUS);
    ring.setFillColor(sf::Color::Transparent);
    ring.setOutlineColor(sf::Color::Yellow);
    ring.setOutlineThickness(1.0f);
    sf::Text readout("", font, PeerScene::TEXT_PIXELS);
    readout.setFillColor(sf::Color(255, 127, 0));
    sf::Clock clock;
    sf::Time last = clock.getElapsedTime();
    char text[32];
    while (window.isOpen()) {
        sf::Event event;
        while (window.pollEvent(event)) {
            if (event.type == sf::Event::Closed) window.close();
        }
        const sf::Time now = clock.getElapsedTime();
        window.clear(sf::Color::Black);
        for (const PeerScene::Sprite& item : scene.SpritesAt(now.asSeconds())) {
            sf::Sprite& sprite = sprites[item.picture];
            const int frameSide = static_cast<int>(textures[item.picture].getSize().y);
            sprite.setTextureRect(sf::IntRect(item.frame * frameSide, 0, frameSide, frameSide));
            sprite.setOrigin(frameSide / 2.0f, frameSide / 2.0f);
            sprite.setScale(item.side / frameSide, item.side / frameSide);
            sprite.setRotation(item.clockwiseDegrees);
            sprite.setPosition(item.centerX, item.centerY);
            if (item.picture == PeerScene::TURRET) {  // the ring under each turret's base
                ring.setPosition(item.centerX, item.centerY);
                window.draw(ring);
            }
            window.draw(sprite);
        }
        scene.FormatReadout(text, sizeof text, (now - last).asSeconds());
        last = now;
        readout.setString(text);
        readout.setPosition(PeerScene::TEXT_X, PeerScene::TEXT_BASELINE - PeerScene::TEXT_PIXELS);
        window.draw(readout);
        window.display();
    }
    return 0;
}
