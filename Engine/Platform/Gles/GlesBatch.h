#pragma once
// The vertex stream that immediate mode appends to, drawn as one ES draw for as long as the
// state that decides its pixels stays the same: a primitive of another state first draws
// what came before it, and so does anything that reads or writes pixels outside the stream.
#include <vector>

#include "GlesProgram.h"

class GlesBatch {
public:
    GlesBatch();
    // The state of the primitive about to be appended; draws the stream first if it differs.
    void Start(const GlesDrawState& state, GlesProgram& program);
    void Add(const GlesVertex& vertex) {
        _vertices.push_back(vertex);
        _isEveryAlphaOne = _isEveryAlphaOne && vertex.alpha == 1.0f;
        _isEveryColorWhite =
            _isEveryColorWhite && vertex.red == 1.0f && vertex.green == 1.0f && vertex.blue == 1.0f;
    }
    void Flush(GlesProgram& program);

private:
    bool _IsBlendingLeftOff() const;
    bool _IsModulationByWhite() const;

    GlesDrawState _state;
    std::vector<GlesVertex> _vertices;
    bool _isEveryAlphaOne;
    bool _isEveryColorWhite;  // red, green and blue: with _isEveryAlphaOne, white
};
