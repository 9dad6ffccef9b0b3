#include "GlesDrawState.h"

bool GlesSampling::operator==(const GlesSampling& other) const {
    return image == other.image && width == other.width && height == other.height && border == other.border &&
           x == other.x && y == other.y && wrapS == other.wrapS && wrapT == other.wrapT &&
           isNearest == other.isNearest && isOpaque == other.isOpaque;
}

bool GlesDrawState::operator==(const GlesDrawState& other) const {
    if (mode != other.mode || texturing != other.texturing || isBlended != other.isBlended) return false;
    if (isBlended && (blendSource != other.blendSource || blendDestination != other.blendDestination)) return false;
    if (texturing == GlesTexturing::NONE) return true;
    if (texturing == GlesTexturing::MODULATE_WRAPPED) return sampling == other.sampling;
    return sampling.image == other.sampling.image && sampling.isNearest == other.sampling.isNearest &&
           sampling.isOpaque == other.sampling.isOpaque;
}

// GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA writes a fragment of alpha 1 as it is. Every fragment
// has alpha 1 where the vertex colours do and the texture, if any, is an image without alpha
// (whose border is opaque too) or a bitmap's mask.
bool GlesDrawState::IsBlendingVoid(bool isEveryAlphaOne) const {
    if (!isBlended) return true;
    if (!isEveryAlphaOne || !IsAlphaBlended()) return false;
    return texturing == GlesTexturing::NONE || texturing == GlesTexturing::BITMAP_MASK || sampling.isOpaque;
}
