#include "GlesBatch.h"

namespace {

constexpr std::size_t FIRST_CAPACITY = 6 * 4096;  // vertices: a frame of Level02 in one go

}  // namespace

GlesBatch::GlesBatch() : _state(), _vertices(), _isEveryAlphaOne(true), _isEveryColorWhite(true) {
    _vertices.reserve(FIRST_CAPACITY);
}

void GlesBatch::Start(const GlesDrawState& state, GlesProgram& program) {
    if (!_vertices.empty() && state != _state) Flush(program);
    _state = state;
}

// Blending that can change no pixel is left off: it costs a read of every pixel drawn. So is
// modulation by white, which costs a multiplication per fragment.
void GlesBatch::Flush(GlesProgram& program) {
    if (_vertices.empty()) return;
    GlesDrawState drawn = _state;
    drawn.isBlended = !_state.IsBlendingVoid(_isEveryAlphaOne);
    if (_state.texturing == GlesTexturing::MODULATE && _isEveryAlphaOne && _isEveryColorWhite) {
        drawn.texturing = GlesTexturing::WHITE_MODULATE;
    }
    program.Draw(drawn, _vertices.data(), static_cast<int>(_vertices.size()));
    _vertices.clear();
    _isEveryAlphaOne = true;
    _isEveryColorWhite = true;
}
