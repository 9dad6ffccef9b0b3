#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// One level file's header judged as the game will read it, before the game reads it: whether
// the game takes the file, and if not, one line that names the file, says what is wrong with
// it and what to do. Plain C++ over the file's bytes, so that any front end that has read a
// file can ask.
class LevelFileCheck {
public:
    enum Role { PICTURE, DATA_IMAGE };
    enum Verdict {
        TAKEN,        // the game reads it as its maker meant
        UPSIDE_DOWN,  // the game reads it, but flagged as stored top row first, which it ignores
        REFUSED       // the game ends with a fatal error on it
    };

    static constexpr std::size_t HEADER_BYTES = 18;

    // `bytes` holds the whole file, `size` bytes of it; `fileName` is how the line names it.
    LevelFileCheck(const std::string& fileName, Role role, const std::uint8_t* bytes, std::size_t size);

    Verdict GetVerdict() const { return _verdict; }
    // Empty for a file the game takes as meant.
    const std::string& GetLine() const { return _line; }

private:
    bool _CheckKind(const std::uint8_t* bytes, std::size_t size);
    bool _CheckLayout(const std::uint8_t* bytes);
    bool _CheckPixels(const std::uint8_t* bytes, std::size_t size);
    void _Refuse(const std::string& problem);

    std::string _fileName;
    Role _role;
    Verdict _verdict = TAKEN;
    std::string _line;
};
