// What the subset does not carry out as OpenGL 1.1 would is not accepted in silence: each such
// call sets OpenGL's error flag and, in a strict subset (tests, builds without NDEBUG), ends
// the program through the engine's fatal report, naming the call and the value.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "Engine/AssertionFailure.h"
#include "Engine/Platform/OpenGL.h"
#include "RenderFixture.h"

namespace {

// The report as the debugger output gets it, without the message boxes.
void ReportOnly(const char* report) {
    std::fputs(report, stderr);
    std::_Exit(1);
}

GLuint ClampedTexture(GLint minFilter, GLint magFilter, GLint wrap = GL_CLAMP) {
    static const GLubyte texels[4 * 4] = {255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    return name;
}

void BeginTextured(GLint minFilter, GLint magFilter, GLint wrap) {
    ClampedTexture(minFilter, magFilter, wrap);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
}

struct Refused {
    const char* what;
    std::function<void()> call;
    const char* message;  // a regular expression of the report
};

const std::vector<Refused>& RefusedCalls() {
    static const std::vector<Refused> calls = {
        {"the texture matrix", [] { glMatrixMode(GL_TEXTURE); }, "glMatrixMode\\(0x1702\\): only the model-view"},
        {"a mipmap level", [] { glTexImage2D(GL_TEXTURE_2D, 1, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr); },
         "glTexImage2D\\(level 1, border 0\\)"},
        {"a border", [] { glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 3, 3, 1, GL_RGBA, GL_UNSIGNED_BYTE, nullptr); },
         "glTexImage2D\\(level 0, border 1\\)"},
        {"another target", [] { glBindTexture(0x0DE0, 1); }, "glBindTexture\\(0xDE0\\): only GL_TEXTURE_2D"},
        {"the current-state group", [] { glPushAttrib(0x00000001); }, "glPushAttrib\\(0x1\\): the groups 0x1"},
        {"fog", [] { glEnable(GL_FOG); }, "glEnable\\(0xB60\\): the capability is not carried out"},
        {"lighting", [] { glEnable(GL_LIGHTING); }, "glEnable\\(0xB50\\)"},
        {"smooth lines", [] { glEnable(GL_LINE_SMOOTH); }, "glEnable\\(0xB20\\)"},
        {"smooth points", [] { glEnable(GL_POINT_SMOOTH); }, "glEnable\\(0xB10\\)"},
        {"smooth polygons", [] { glEnable(GL_POLYGON_SMOOTH); }, "glEnable\\(0xB41\\)"},
        {"the alpha test", [] { glEnable(GL_ALPHA_TEST); }, "glEnable\\(0xBC0\\)"},
        {"repeating under linear filtering", [] { BeginTextured(GL_LINEAR, GL_LINEAR, GL_REPEAT); },
         "GL_REPEAT under linear filtering"},
        {"filters that differ", [] { BeginTextured(GL_NEAREST, GL_LINEAR, GL_CLAMP); },
         "minifying and magnifying filters differ"},
        {"culled bitmaps",
         [] {
             glEnable(GL_CULL_FACE);
             glCallLists(1, GL_UNSIGNED_BYTE, "A");
         },
         "glCallLists with GL_CULL_FACE on"},
        {"lists run as they compile", [] { glNewList(1, GL_COMPILE_AND_EXECUTE); }, "glNewList\\(1, 0x1301\\)"},
        {"list names of two bytes", [] { glCallLists(1, 0x1403, "AA"); }, "glCallLists\\(1, 0x1403\\)"},
        {"pixels read as floats",
         [] {
             GLfloat pixel[4];
             glReadPixels(0, 0, 1, 1, GL_RGBA, GL_FLOAT, pixel);
         },
         "glReadPixels\\(format 0x1908, type 0x1406\\)"},
    };
    return calls;
}

class GlesRefusalTest : public RenderTest {};

}  // namespace

TEST_F(GlesRefusalTest, EachCallOutsideTheSubsetIsFatalNamingItsValue) {
    SetAssertionHook(ReportOnly);
    for (const Refused& refused : RefusedCalls()) {
        SCOPED_TRACE(refused.what);
        EXPECT_EXIT(refused.call(), ::testing::ExitedWithCode(1),
                    std::string("Our OpenGL 1.1 does not carry out ") + ".*" + refused.message);
    }
    SetAssertionHook(nullptr);
}

// Where the subset is not strict (a release build), the call sets OpenGL's error and changes nothing.
TEST_F(GlesRefusalTest, ALenientSubsetSetsTheErrorAndKeepsItsState) {
    SetStrict(false);
    glMatrixMode(GL_TEXTURE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_ENUM));
    glEnable(GL_FOG);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_ENUM));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    glPushAttrib(0x00000001);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_VALUE));
    glLoadIdentity();  // still the model-view matrix's
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    SetStrict(true);
}
