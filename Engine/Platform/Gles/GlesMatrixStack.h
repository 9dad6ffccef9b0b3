#pragma once
// One of OpenGL 1.1's matrix stacks: column-major 4x4 matrices, as deep as desktop
// OpenGL's modelview stack.
#include <array>

class GlesMatrixStack {
public:
    static constexpr int DEPTH = 32;
    using Matrix = std::array<float, 16>;

    GlesMatrixStack();
    void LoadIdentity();
    void Multiply(const Matrix& matrix);  // top = top * matrix
    bool Push();                          // false on overflow
    bool Pop();                           // false on underflow
    const Matrix& Top() const { return _matrices[_top]; }
    int Depth() const { return _top + 1; }

    static Matrix Product(const Matrix& left, const Matrix& right);

private:
    std::array<Matrix, DEPTH> _matrices;
    int _top;
};
