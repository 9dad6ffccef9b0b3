#include "GlesBatch.h"

namespace {

constexpr std::size_t FIRST_CAPACITY = 6 * 4096;  // vertices: a frame of Level02 in one go

}  // namespace

GlesBatch::GlesBatch() : _state(), _vertices() { _vertices.reserve(FIRST_CAPACITY); }

void GlesBatch::Start(const GlesDrawState& state, GlesProgram& program) {
    if (!_vertices.empty() && state != _state) Flush(program);
    _state = state;
}

void GlesBatch::Flush(GlesProgram& program) {
    if (_vertices.empty()) return;
    program.Draw(_state, _vertices.data(), static_cast<int>(_vertices.size()));
    _vertices.clear();
}
