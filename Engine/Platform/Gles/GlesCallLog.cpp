#include "GlesCallLog.h"

#include <cstdint>
#include <cstdio>

void GlesCallLog::Start() {
    _text.clear();
    _isRecording = true;
}

std::string GlesCallLog::Stop() {
    _isRecording = false;
    return _text;
}

void GlesCallLog::Add(const char* name, std::initializer_list<double> arguments) {
    if (!_isRecording) return;
    _text += name;
    char number[32];
    const char* separator = "(";
    for (double argument : arguments) {
        std::snprintf(number, sizeof(number), "%s%.9g", separator, argument);
        _text += number;
        separator = ", ";
    }
    _text += arguments.size() == 0 ? "()\n" : ")\n";
}

// FNV-1a, cut to the 53 bits a double holds exactly.
double GlesCallLog::Hash(const void* bytes, std::size_t count) {
    std::uint64_t hash = 14695981039346656037ull;
    const auto* byte = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < count; ++i) hash = (hash ^ byte[i]) * 1099511628211ull;
    return static_cast<double>(hash >> 11);
}
