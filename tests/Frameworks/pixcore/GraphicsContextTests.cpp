#include "GraphicsTestContext.h"
#include <thread>

namespace
{

using pixtest::GraphicsTest;

TEST_F (GraphicsTest, CreatesAnOpenGl45CoreContextWithoutADisplay)
{
    const auto description = context->getRendererDescription();
    EXPECT_TRUE (description.contains ("OpenGL 4.")) << description;
}

TEST (GraphicsContextCreation, AnImpossibleVersionGivesTheReasonInsteadOfAContext)
{
    auto outcome = juce::Result::ok();
    auto context = graphics::GraphicsContext::create (outcome, { 9, 9 });

    EXPECT_EQ (context, nullptr);
    EXPECT_TRUE (outcome.getErrorMessage().startsWith ("No OpenGL 9.9 context: ")) << outcome.getErrorMessage();
    EXPECT_GT (outcome.getErrorMessage().length(), juce::String ("No OpenGL 9.9 context: ").length());
}

TEST_F (GraphicsTest, MovesToAnotherThreadAndRendersThere)
{
    auto program = compile ("#include \"ColorModifier.sglsl\"\n"
                            "struct Half : ColorModifier { vec4 compute (vec4 c, vec2 uv) { return c * 0.5; } };\n");
    ASSERT_NE (program, nullptr);

    graphics::ColorBuffer2d input (2, 1), output;
    input.setPixel (1, 0, { 2.0f, 4.0f, 6.0f, 8.0f });
    auto result = juce::Result::fail ("not run");
    context->releaseCurrent();

    std::thread other ([&]
    {
        if (context->makeCurrent())
            result = context->applyColorModifier (*program, input, output);

        context->releaseCurrent();
    });
    other.join();

    ASSERT_TRUE (result.wasOk()) << result.getErrorMessage();
    EXPECT_EQ (output.getPixel (1, 0), (graphics::ColorBuffer2d::Pixel { 1.0f, 2.0f, 3.0f, 4.0f }));
    EXPECT_TRUE (context->makeCurrent());
}

} // namespace
