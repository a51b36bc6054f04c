#include <gtest/gtest.h>
#include <pixcore/reference/Grade.h>

using namespace graphics::reference;

namespace
{
    Grade lutGrade (std::shared_ptr<const Lut3d> lut)
    {
        Grade grade;
        grade.lut = std::move (lut);
        grade.cdlActive = false;
        return grade;
    }

    Grade slopeGrade (double slope)
    {
        Grade grade;
        grade.cdl.slope = { slope, slope, slope };
        return grade;
    }
}

TEST (ComputeGrade, AnIdentityLutGivesBackTheInputThroughTheGammaConversions)
{
    const auto grade = lutGrade (std::make_shared<Lut3d> (2));

    for (float value = 0.0f; value <= 1.0f; value += 1.0f / 32.0f)
    {
        const Rgba pixel { value, 1.0f - value, value * 0.5f, 0.5f };

        for (auto gamma : { 1.0f, 2.2f, 2.4f })
        {
            const auto graded = computeGrade (pixel, grade, gamma);
            EXPECT_NEAR (graded.r, pixel.r, 2e-6f) << gamma;
            EXPECT_NEAR (graded.g, pixel.g, 2e-6f) << gamma;
            EXPECT_NEAR (graded.b, pixel.b, 2e-6f) << gamma;
        }
    }
}

TEST (ComputeGrade, GradesValuesEncodedWithGammaTwoPointTwo)
{
    // Linear 0.25 is 0.25^(1/2.2) in gamma 2.2; doubled and decoded it is 0.25 × 2^2.2.
    const Rgba linear { 0.25f, 0.25f, 0.25f, 1.0f };
    EXPECT_NEAR (computeGrade (linear, slopeGrade (2.0), 1.0).r, 0.25 * 4.59479341998814, 1e-6);

    // At the default rendering gamma the grade sees the values as they are.
    EXPECT_NEAR (computeGrade (linear, slopeGrade (2.0), 2.2).r, 0.5, 1e-7);
}

TEST (ComputeGrade, AlphaPassesUnchanged)
{
    const Rgba pixel { 0.5f, 0.2f, 0.9f, 0.3f };
    EXPECT_EQ (computeGrade (pixel, slopeGrade (3.0), 1.0).a, 0.3f);
    EXPECT_EQ (computeGrade (pixel, lutGrade (std::make_shared<Lut3d> (3)), 2.2f).a, 0.3f);
}

TEST (ComputeGrade, LutModeWithoutALutAppliesTheCdl)
{
    auto grade = slopeGrade (2.0);
    grade.cdlActive = false;
    EXPECT_TRUE (grade.appliesCdl());
    EXPECT_NEAR (computeGrade (Rgba { 0.75f, 0.1f, 0.0f, 1.0f }, grade, 2.2).r, 1.5f, 1e-6f);
}

TEST (GradeImage, GradesEveryPixelAndKeepsTheSize)
{
    FloatImage image (5, 3);

    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel (x, y, { 0.1f * (float) x, 0.3f * (float) y, -0.5f, 1.0f });

    const auto grade = slopeGrade (1.5);
    const auto graded = gradeImage (image, grade, 1.8);
    const auto gradedInFloat = gradeImageInFloat (image, grade, 1.8f);
    ASSERT_EQ (graded.getWidth(), 5);
    ASSERT_EQ (graded.getHeight(), 3);

    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
        {
            const auto expected = computeGrade (image.getPixel (x, y), grade, 1.8);
            EXPECT_EQ (graded.getPixel (x, y), expected);
            EXPECT_NEAR (gradedInFloat.getPixel (x, y).r, expected.r, 1e-5f);
            EXPECT_NEAR (gradedInFloat.getPixel (x, y).g, expected.g, 1e-5f);
            EXPECT_EQ (graded.getPixel (x, y).b, 0.0f);
        }
}
