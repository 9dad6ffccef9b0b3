// Circles' segment counts, counted in OpenGL's feedback mode, which only desktop OpenGL has.
#include <gtest/gtest.h>

#include <vector>

#include "Engine/Platform/OpenGL.h"
#include "Engine/TheRenderer.h"
#include "RenderFixture.h"

namespace {

int CircleSegments(float radius, int segments) {
    std::vector<GLfloat> feedback(4096);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    theRenderer.DrawCircle(Vec2(512, 384), radius, Color::YELLOW, segments);
    const int values = glRenderMode(GL_RENDER);
    int lines = 0;
    for (int i = 0; i < values; i += 5) {
        EXPECT_TRUE(feedback[i] == GL_LINE_TOKEN || feedback[i] == GL_LINE_RESET_TOKEN);
        ++lines;
    }
    return lines;
}

}  // namespace

TEST_F(RenderTest, CirclesCountTheirSegments) {
    EXPECT_EQ(CircleSegments(10, -1), 12);
    EXPECT_EQ(CircleSegments(19.9f, -1), 12);
    EXPECT_EQ(CircleSegments(40, -1), 16);
    EXPECT_EQ(CircleSegments(100, -1), 28);
    EXPECT_EQ(CircleSegments(100, 5), 5);
    EXPECT_EQ(CircleSegments(100, 0), 0);
}
