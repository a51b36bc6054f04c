#include "ElementFixture.h"
#include <pixcore/Pixel3dBuffer.h>

using graphics::ColorBuffer2d;
namespace ref = graphics::reference;

namespace
{
    constexpr double cdlTolerance = 1.0e-5;
    constexpr double lutTolerance = 1.0e-4;

    /** A LUT that no interpolation error can hide: every entry differs from its input. */
    ref::Lut3d makeWarmLut (int size)
    {
        return ref::Lut3d::sample (size, [] (ref::Rgb<double> c)
        {
            return ref::Rgb<double> { 0.1 + 0.8 * c.r * c.r, 1.0 - 0.6 * c.g, 0.5 * (c.b + c.r) };
        });
    }

    ref::Grade cdlGrade (const ref::Cdl& cdl)
    {
        return { cdl, nullptr, true };
    }

    ref::Grade lutGrade (const ref::Lut3d& lut)
    {
        return { {}, std::make_shared<ref::Lut3d> (lut), false };
    }

    struct CdlCase
    {
        const char* name;
        ref::Cdl cdl;
        double renderingGamma;
    };
}

//==============================================================================
TEST_F (ElementFixture, BeforeAnyGradeTheElementRendersTheIdentityCdlWithNegativesClampedToZero)
{
    const auto input = makeGridImage();
    const auto output = render (*element, input);

    EXPECT_LE (measureErrorAgainstReference (input, output, cdlGrade ({}), 2.2), cdlTolerance);
    EXPECT_EQ (output.getPixel (0, 0)[0], 0.0f);  // -0.5 in
    EXPECT_TRUE (element->getFailureStatus().wasOk()) << element->getFailureStatus().getErrorMessage();
}

TEST_F (ElementFixture, ASetCdlMatchesTheReferenceGradeWithin1e5)
{
    const CdlCase cases[] = {
        { "lift, gain and gamma", { { 1.2, 0.9, 1.1 }, { 0.05, -0.02, 0.1 }, { 1.1, 0.9, 1.3 }, 1.3 }, 2.2 },
        { "saturation 0 gives Rec.709 luma", { { 1.0, 1.0, 1.0 }, { 0, 0, 0 }, { 1, 1, 1 }, 0.0 }, 2.2 },
        { "strong offset below zero", { { 2.0, 0.5, 1.0 }, { -0.3, 0.2, -1.5 }, { 0.8, 2.0, 1.0 }, 0.7 }, 2.2 },
        { "linear rendering gamma", { { 1.2, 0.9, 1.1 }, { 0.05, -0.02, 0.1 }, { 1.1, 0.9, 1.3 }, 1.3 }, 1.0 },
        { "rendering gamma 2.4", { { 0.8, 1.0, 1.4 }, { 0.0, 0.1, 0.0 }, { 1.0, 1.2, 0.7 }, 1.1 }, 2.4 },
    };
    const auto input = makeGridImage();
    auto client = connectAndSayHello();
    double largest = 0.0;

    for (const auto& c : cases)
    {
        sendCdl (*client, c.cdl);
        const auto error = measureErrorAgainstReference (input, render (*element, input, c.renderingGamma), cdlGrade (c.cdl), c.renderingGamma);
        EXPECT_LE (error, cdlTolerance) << c.name;
        largest = std::max (largest, error);
    }

    std::cout << "largest CDL error against the reference: " << largest << std::endl;
}

TEST_F (ElementFixture, SaturationZeroPutsTheRec709LumaInEveryComponent)
{
    auto client = connectAndSayHello();
    sendCdl (*client, { { 1, 1, 1 }, { 0, 0, 0 }, { 1, 1, 1 }, 0.0 });
    ColorBuffer2d input (1, 1);
    input.setPixel (0, 0, { 0.9f, 0.3f, 0.1f, 1.0f });

    const auto output = render (*element, input);
    ASSERT_EQ (output.getWidth(), 1);
    const double luma = 0.2126 * 0.9 + 0.7152 * 0.3 + 0.0722 * 0.1;

    for (size_t i = 0; i < 3; ++i)
        EXPECT_NEAR (output.getPixel (0, 0)[i], luma, cdlTolerance);
}

TEST_F (ElementFixture, CdlThenLutThenCdlSwitchesModesAndKeepsTheLutBuffer)
{
    const auto input = makeGridImage();
    const ref::Cdl cdl { { 1.1, 1.0, 0.9 }, { 0.02, 0, -0.01 }, { 1.0, 1.1, 1.0 }, 1.2 };
    const auto lut = makeWarmLut (5);
    const auto slope = (size_t) element->findMemberVariableIndex ("slope");
    torvo::VariableDependencies dependencies;
    auto client = connectAndSayHello();

    sendCdl (*client, cdl);
    EXPECT_TRUE (element->cdlActive.get());
    EXPECT_TRUE (element->isVariableVisible (slope, dependencies));
    EXPECT_LE (measureErrorAgainstReference (input, render (*element, input), cdlGrade (cdl), 2.2), cdlTolerance);

    sendLut (*client, lut);
    EXPECT_FALSE (element->cdlActive.get());
    EXPECT_FALSE (element->isVariableVisible (slope, dependencies));
    const auto* buffer = element->lutBuffer.get();
    ASSERT_NE (buffer, nullptr);
    const auto lutError = measureErrorAgainstReference (input, render (*element, input), lutGrade (lut), 2.2);
    EXPECT_LE (lutError, lutTolerance);
    std::cout << "largest LUT error against the reference (5^3): " << lutError << std::endl;

    sendCdl (*client, cdl);
    EXPECT_TRUE (element->cdlActive.get());
    EXPECT_EQ (element->lutBuffer.get(), buffer);
    EXPECT_LE (measureErrorAgainstReference (input, render (*element, input), cdlGrade (cdl), 2.2), cdlTolerance);
    EXPECT_EQ (getLutTexture().getNumAllocations(), 1);
}

TEST_F (ElementFixture, AnIdentityLutOfSize2GivesBackItsInputAndClampsOutsideZeroToOne)
{
    auto client = connectAndSayHello();
    sendLut (*client, ref::Lut3d (2));

    const auto unit = makeUnitRangeImage();
    const auto output = render (*element, unit);
    ASSERT_EQ (output.getWidth(), unit.getWidth());

    for (int x = 0; x < unit.getWidth(); ++x)
        for (size_t i = 0; i < 3; ++i)
            EXPECT_NEAR (output.getPixel (x, 0)[i], unit.getPixel (x, 0)[i], 1.0e-5) << "pixel " << x;

    ColorBuffer2d outside (2, 1);
    outside.setPixel (0, 0, { 1.6f, -0.5f, 3.0f, 1.0f });
    outside.setPixel (1, 0, { -2.0f, 1.0f, 0.0f, 1.0f });
    const auto clamped = render (*element, outside);
    ASSERT_EQ (clamped.getWidth(), 2);
    EXPECT_EQ (clamped.getPixel (0, 0), (ColorBuffer2d::Pixel { 1.0f, 0.0f, 1.0f, 1.0f }));
    EXPECT_NEAR (clamped.getPixel (1, 0)[0], 0.0f, 1.0e-6);
    EXPECT_NEAR (clamped.getPixel (1, 0)[1], 1.0f, 1.0e-6);
}

TEST_F (ElementFixture, A33CubedLutMatchesTheReferenceWithin1e4)
{
    const auto lut = makeWarmLut (33);
    const auto input = makeGridImage();
    auto client = connectAndSayHello();
    sendLut (*client, lut);

    const auto error = measureErrorAgainstReference (input, render (*element, input), lutGrade (lut), 2.2);
    EXPECT_LE (error, lutTolerance);
    std::cout << "largest LUT error against the reference (33^3): " << error << std::endl;
}

TEST_F (ElementFixture, ALutOfTheSameSizeReusesTheBufferAndANewSizeReplacesIt)
{
    auto client = connectAndSayHello();
    sendLut (*client, makeWarmLut (4));
    const auto input = makeGridImage();
    render (*element, input);
    const auto* first = element->lutBuffer.get();
    const auto uploads = getLutTexture().getNumUploads();

    sendLut (*client, ref::Lut3d (4));
    EXPECT_LE (measureErrorAgainstReference (input, render (*element, input), lutGrade (ref::Lut3d (4)), 2.2), lutTolerance);
    EXPECT_EQ (element->lutBuffer.get(), first);
    EXPECT_EQ (getLutTexture().getNumUploads(), uploads + 1);
    EXPECT_EQ (getLutTexture().getNumAllocations(), 1);

    const auto larger = makeWarmLut (9);
    sendLut (*client, larger);
    EXPECT_LE (measureErrorAgainstReference (input, render (*element, input), lutGrade (larger), 2.2), lutTolerance);
    auto* replaced = dynamic_cast<graphics::OwnedColor3dBuffer*> (element->lutBuffer.get());
    ASSERT_NE (replaced, nullptr);
    EXPECT_EQ (replaced->getDepth(), 9);
    EXPECT_EQ (getLutTexture().getDepth(), 9);
}

TEST_F (ElementFixture, ACdlOnlyUpdateCopiesAndUploadsNoLut)
{
    auto client = connectAndSayHello();
    sendLut (*client, makeWarmLut (17));
    const auto input = makeGridImage();
    render (*element, input);
    const auto uploads = getLutTexture().getNumUploads();
    const auto stored = element->lutUpdateCounter.get();
    const auto versionBefore = element->computeVersion();

    sendCdl (*client, { { 1.5, 1, 1 }, { 0, 0, 0 }, { 1, 1, 1 }, 1.0 });
    render (*element, input);

    EXPECT_EQ (getLutTexture().getNumUploads(), uploads);
    EXPECT_EQ (element->lutUpdateCounter.get(), stored);
    EXPECT_NE (element->computeVersion(), versionBefore);
}

TEST_F (ElementFixture, NanAndInfiniteLutEntriesRenderWithoutFailing)
{
    // Entry (4, 4, 4) holds NaN and (0, 0, 0) infinity. Pixels that reach
    // them are not finite (an infinite entry gives NaN once the filter
    // weighs it, even with weight 1: a + w (b - a)); the others stay exact.
    ref::Lut3d lut (5);
    lut.setEntry (4, 4, 4, { std::nanf (""), std::nanf (""), std::nanf ("") });
    lut.setEntry (0, 0, 0, { INFINITY, -INFINITY, INFINITY });
    auto client = connectAndSayHello();
    sendLut (*client, lut);

    ColorBuffer2d input (3, 1);
    input.setPixel (0, 0, { 1.0f, 1.0f, 1.0f, 1.0f });
    input.setPixel (1, 0, { 0.0f, 0.0f, 0.0f, 1.0f });
    input.setPixel (2, 0, { 0.5f, 0.5f, 0.5f, 1.0f });
    const auto output = render (*element, input);
    ASSERT_EQ (output.getWidth(), 3) << element->getFailureStatus().getErrorMessage();

    EXPECT_TRUE (std::isnan (output.getPixel (0, 0)[0]));
    EXPECT_FALSE (std::isfinite (output.getPixel (1, 0)[0]));
    EXPECT_NEAR (output.getPixel (2, 0)[0], 0.5f, 1.0e-5);
    EXPECT_EQ (output.getPixel (0, 0)[3], 1.0f);
    std::cout << "NaN entry gives " << output.getPixel (0, 0)[0] << ", infinite entry gives "
              << output.getPixel (1, 0)[0] << ", " << output.getPixel (1, 0)[1] << std::endl;
}
