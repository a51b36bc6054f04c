#pragma once

#include <gtest/gtest.h>
#include <pixcore/GraphicsContext.h>

namespace pixtest
{

/** True where a test run may lack a display for OpenGL (Windows under
    Wine outside an X server); on Linux surfaceless EGL needs none, so a
    missing context is a failure there. */
bool isGraphicsOptional();

//==============================================================================
/** Tests that need a context: each gets a fresh one, current on the test's thread. */
class GraphicsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        auto outcome = juce::Result::ok();
        context = graphics::GraphicsContext::create (outcome);

        if (context == nullptr && isGraphicsOptional())
            GTEST_SKIP() << "no OpenGL context here (" << outcome.getErrorMessage() << ")";

        ASSERT_NE (context, nullptr) << outcome.getErrorMessage();
    }

    /** Compiles a colour modifier that must compile. */
    std::unique_ptr<graphics::ShaderProgram> compile (const juce::String& source)
    {
        auto outcome = juce::Result::ok();
        auto program = context->createColorModifierProgram ("Test.sglsl", source, outcome);
        EXPECT_TRUE (outcome.wasOk()) << outcome.getErrorMessage();
        return program;
    }

    /** Runs a program over an image, failing the test when it does not render. */
    graphics::ColorBuffer2d apply (const graphics::ShaderProgram& program, const graphics::ColorBuffer2d& input)
    {
        graphics::ColorBuffer2d output;
        const auto r = context->applyColorModifier (program, input, output);
        EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();
        return output;
    }

    std::unique_ptr<graphics::GraphicsContext> context;
};

} // namespace pixtest
