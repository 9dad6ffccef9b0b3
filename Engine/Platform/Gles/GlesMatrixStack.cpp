#include "GlesMatrixStack.h"

namespace {

constexpr GlesMatrixStack::Matrix IDENTITY = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

}  // namespace

GlesMatrixStack::GlesMatrixStack() : _matrices(), _top(0) { _matrices[0] = IDENTITY; }

void GlesMatrixStack::LoadIdentity() { _matrices[_top] = IDENTITY; }

void GlesMatrixStack::Multiply(const Matrix& matrix) { _matrices[_top] = Product(_matrices[_top], matrix); }

bool GlesMatrixStack::Push() {
    if (_top + 1 >= DEPTH) return false;
    _matrices[_top + 1] = _matrices[_top];
    ++_top;
    return true;
}

bool GlesMatrixStack::Pop() {
    if (_top == 0) return false;
    --_top;
    return true;
}

GlesMatrixStack::Matrix GlesMatrixStack::Product(const Matrix& left, const Matrix& right) {
    Matrix product = {};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += left[k * 4 + row] * right[column * 4 + k];
            product[column * 4 + row] = sum;
        }
    }
    return product;
}
