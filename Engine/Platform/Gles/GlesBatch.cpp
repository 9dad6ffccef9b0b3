#include "GlesBatch.h"

#include "GlesFastPaths.h"

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

// Blending that can change no pixel is left off: it costs a read of every pixel drawn.
bool GlesBatch::_IsBlendingLeftOff() const {
    return GlesFastPaths::IsOn(GlesFastPaths::BLENDING_OFF) && _state.isBlended &&
           _state.IsBlendingVoid(_isEveryAlphaOne);
}

// GL_MODULATE by a white colour, alpha included, gives the texel as it is: the multiplication
// per fragment is left out.
bool GlesBatch::_IsModulationByWhite() const {
    return GlesFastPaths::IsOn(GlesFastPaths::WHITE_MODULATION) && _state.texturing == GlesTexturing::MODULATE &&
           _isEveryAlphaOne && _isEveryColorWhite;
}

void GlesBatch::Flush(GlesProgram& program) {
    if (_vertices.empty()) return;
    GlesDrawState drawn = _state;
    if (_IsBlendingLeftOff()) drawn.isBlended = false;
    if (_IsModulationByWhite()) drawn.texturing = GlesTexturing::WHITE_MODULATE;
    program.Draw(drawn, _vertices.data(), static_cast<int>(_vertices.size()));
    _vertices.clear();
    _isEveryAlphaOne = true;
    _isEveryColorWhite = true;
}
