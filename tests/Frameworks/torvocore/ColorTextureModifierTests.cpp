#include "TorvoCoreTestClasses.h"
#include "../pixcore/GraphicsTestContext.h"
#include <pixcore/OwnedColor3dBuffer.h>
#include <tavcore/Library.h>

namespace
{

using graphics::ColorBuffer2d;

/** Awkward components for a float pipeline: zero, one, above one, negative. */
ColorBuffer2d makeInputImage()
{
    const float values[] = { 0.0f, 1.0f, 2.5f, -0.75f, 0.125f, 0.5f };
    ColorBuffer2d image (3, 2);

    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
        {
            const int n = y * 3 + x;
            image.setPixel (x, y, { values[n], values[(n + 1) % 6], values[(n + 2) % 6], values[(n + 3) % 6] });
        }

    return image;
}

struct GainBiasFrame
{
    graphics::Vector4dComponents gain;
    double bias;
    std::array<float, 4> offset;
};

//==============================================================================
class ColorTextureModifierTest : public pixtest::GraphicsTest
{
protected:
    void SetUp() override
    {
        torvotest::registerTestClassesOnce();
        GraphicsTest::SetUp();

        if (context != nullptr)
            engine.setGraphics (context.get());
    }

    /** Runs one frame of an element over the image; the output, or an empty image when it did not render. */
    ColorBuffer2d render (torvo::TextureModifier& element, const ColorBuffer2d& image, double renderingGamma = 2.2)
    {
        element.setEngine (&engine);
        auto input = context->createTexture2d (image.getWidth(), image.getHeight());
        input->upload (image);
        auto output = context->createTexture2d (image.getWidth(), image.getHeight());
        torvo::CompositingData data { input.get(), output.get(), {}, renderingGamma };

        return element.process (data) ? output->readBack() : ColorBuffer2d();
    }

    void setOffsets (const std::array<float, 4>& texel)
    {
        ASSERT_TRUE (volume.resize (graphics::PixelFormat::rgbaFloat(), 1, 1, 1).wasOk());
        std::copy (texel.begin(), texel.end(), volume.getWritablePixelData());
        element.getShader().offsets.setTexture (context->createPixel3dBuffer (volume, true));
    }

    void setFrame (const GainBiasFrame& frame)
    {
        auto& shader = element.getShader();
        shader.gain.set (frame.gain, tav::ChangeCallback::notify());
        shader.bias.set (frame.bias, tav::ChangeCallback::notify());
        setOffsets (frame.offset);
    }

    static void expectGainBiasApplied (const ColorBuffer2d& input, const ColorBuffer2d& output, const GainBiasFrame& frame)
    {
        ASSERT_EQ (output.getWidth(), input.getWidth());
        ASSERT_EQ (output.getHeight(), input.getHeight());
        const double gain[] = { frame.gain.x, frame.gain.y, frame.gain.z, frame.gain.w };

        for (int y = 0; y < input.getHeight(); ++y)
            for (int x = 0; x < input.getWidth(); ++x)
                for (int i = 0; i < 4; ++i)
                {
                    const double expected = input.getPixel (x, y)[(size_t) i] * gain[i] + frame.bias + frame.offset[(size_t) i];
                    EXPECT_NEAR (output.getPixel (x, y)[(size_t) i], expected, 1.0e-5 * (1.0 + std::abs (expected)))
                        << "pixel " << x << "," << y << " component " << i;
                }
    }

    torvo::Engine engine;
    torvotest::GainBiasElement element;
    graphics::OwnedColor3dBuffer volume;
};

//==============================================================================
TEST_F (ColorTextureModifierTest, EachFrameSetsTheUniformsNamedAfterTheShaderObjectsVariables)
{
    const GainBiasFrame frames[] = {
        { { 1, 1, 1, 1 },        0.0,  { 0, 0, 0, 0 } },
        { { 2, 0.5, -1, 1 },     0.25, { 0, 0, 0, 0 } },
        { { 0, 0, 0, 0 },        -1.5, { 0.5f, 0.25f, 0.125f, 1 } },
        { { 3, 3, 3, 0.5 },      0.0,  { -1, 2, 0, 0 } },
    };
    const auto input = makeInputImage();

    for (const auto& frame : frames)
    {
        setFrame (frame);
        expectGainBiasApplied (input, render (element, input), frame);
        EXPECT_TRUE (element.getFailureStatus().wasOk()) << element.getFailureStatus().getErrorMessage();
    }

    EXPECT_EQ (element.getGraphics(), context.get());
}

TEST_F (ColorTextureModifierTest, VariablesWithoutAnActiveUniformOfTheirNameAreLeftOut)
{
    const GainBiasFrame frame { { 0.5, 2, 1, 1 }, 0.125, { 0, 0, 0, 0 } };
    setFrame (frame);
    element.getShader().spare.set (100.0, tav::ChangeCallback::notify());
    element.getShader().note.set ("not a uniform", tav::ChangeCallback::notify());
    const auto input = makeInputImage();

    expectGainBiasApplied (input, render (element, input), frame);
    EXPECT_TRUE (element.getFailureStatus().wasOk()) << element.getFailureStatus().getErrorMessage();
}

TEST_F (ColorTextureModifierTest, TheFramesRenderingGammaReachesTheShaderLibrarysGlobals)
{
    torvotest::GammaProbeElement probe;

    for (const double gamma : { 2.2, 1.0, 2.4 })
    {
        const auto output = render (probe, ColorBuffer2d (2, 1), gamma);
        ASSERT_EQ (output.getWidth(), 2) << probe.getFailureStatus().getErrorMessage();
        EXPECT_FLOAT_EQ (output.getPixel (1, 0)[0], (float) gamma);
    }
}

TEST_F (ColorTextureModifierTest, AShaderThatDoesNotCompileBecomesTheFailureStatusWithItsFileAndLine)
{
    torvotest::BrokenElement broken;

    for (int frame = 0; frame < 2; ++frame)
    {
        EXPECT_EQ (render (broken, makeInputImage()).getWidth(), 0);

        const auto message = broken.getFailureStatus().getErrorMessage();
        EXPECT_TRUE (message.contains ("The shader TestBrokenModifier.sglsl does not compile")) << message;
        EXPECT_TRUE (message.contains ("TestBrokenModifier.sglsl:4:")) << message;
    }
}

TEST_F (ColorTextureModifierTest, AProgramIsCompiledForEveryContextTheElementRunsOn)
{
    const GainBiasFrame frame { { 2, 2, 2, 1 }, 0.5, { 0, 0, 0, 0 } };
    const auto input = makeInputImage();
    setFrame (frame);
    expectGainBiasApplied (input, render (element, input), frame);

    // What was compiled on a context that is gone is of no use on the next one.
    element.getShader().offsets.setTexture (nullptr);
    context.reset();
    auto outcome = juce::Result::ok();
    context = graphics::GraphicsContext::create (outcome);
    ASSERT_NE (context, nullptr) << outcome.getErrorMessage();
    engine.setGraphics (context.get());
    setFrame (frame);

    expectGainBiasApplied (input, render (element, input), frame);
    EXPECT_TRUE (element.getFailureStatus().wasOk()) << element.getFailureStatus().getErrorMessage();
}

//==============================================================================
TEST (ColorTextureModifierWithoutGraphics, ModifyFailsAndSaysSoWhenTheHostHasNoGraphicsContext)
{
    torvotest::registerTestClassesOnce();
    torvo::Engine engine;
    torvotest::GainBiasElement element;
    torvo::CompositingData data;

    EXPECT_FALSE (element.process (data)) << "no engine";

    element.setEngine (&engine);
    EXPECT_FALSE (element.modify (data)) << "an engine without graphics";
    EXPECT_TRUE (element.getFailureStatus().getErrorMessage().contains ("No graphics context")) << element.getFailureStatus().getErrorMessage();
}

TEST (ColorTextureModifierClasses, TheRegisteredBaseNamesTheTemplateOfTheColorModifierClass)
{
    torvotest::registerTestClassesOnce();
    const auto& root = tav::Library::getRootLibrary();
    const auto* elementClass = root.findClass ("TestGainBiasElement");
    ASSERT_NE (elementClass, nullptr);
    const auto* base = elementClass->getBaseClass();
    ASSERT_NE (base, nullptr);

    EXPECT_EQ (tav::TemplateClass::getTemplateArgument (*base), root.findClass ("TestGainBiasModifier"));

    for (auto* ancestor : { "ColorTextureModifier", "TextureModifier", "Element" })
        EXPECT_TRUE (elementClass->inheritsFrom (root.findClass (ancestor))) << ancestor;

    EXPECT_TRUE (root.findClass ("TestGainBiasModifier")->inheritsFrom (root.findClass ("ColorModifier")));
}

} // namespace
