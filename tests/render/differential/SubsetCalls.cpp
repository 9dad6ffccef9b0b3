#include "GlCalls.h"

const GlCalls& SubsetCalls() {
#define GL_CALLS_SUBSET(name) &Gl11::name,
    static const GlCalls calls = {GL_CALLS(GL_CALLS_SUBSET)};
#undef GL_CALLS_SUBSET
    return calls;
}
