#include "GraphicsTestContext.h"
#include <pixcore/OwnedColor3dBuffer.h>
#include <pixcore/PixcoreLibrary.h>

namespace
{

using graphics::OwnedColor3dBuffer;
using graphics::PixelFormat;
using pixtest::GraphicsTest;

TEST_F (GraphicsTest, TheGpuCopyUploadsOnlyChangedTexelsAndReallocatesOnlyForANewSize)
{
    OwnedColor3dBuffer buffer;
    ASSERT_TRUE (buffer.resize (PixelFormat::rgbaFloat(), 4, 4, 4).wasOk());
    auto copy = context->createPixel3dBuffer (buffer, false);
    EXPECT_EQ (copy->getNumUploads(), 0);

    struct Step { const char* what; std::function<void()> change; int allocations, uploads; };
    const Step steps[] = {
        { "first update",               [] {},                                                          1, 1 },
        { "update without a change",    [] {},                                                          1, 1 },
        { "texels written",             [&] { buffer.getWritablePixelData()[0] = 0.5f; },              1, 2 },
        { "resized to the same size",   [&] { (void) buffer.resize (PixelFormat::rgbaFloat(), 4, 4, 4); }, 1, 3 },
        { "resized to a new size",      [&] { (void) buffer.resize (PixelFormat::rgbaFloat(), 8, 8, 8); }, 2, 4 },
        { "written at the new size",    [&] { buffer.getWritablePixelData()[5] = 1.0f; },              2, 5 },
    };

    for (auto& step : steps)
    {
        SCOPED_TRACE (step.what);
        step.change();
        copy->update();
        EXPECT_EQ (copy->getNumAllocations(), step.allocations);
        EXPECT_EQ (copy->getNumUploads(), step.uploads);
    }

    EXPECT_EQ (copy->getDepth(), 8);
}

TEST_F (GraphicsTest, TheSameBufferGetsTheSameGpuCopyWhileItIsHeld)
{
    auto first = std::make_unique<OwnedColor3dBuffer>();
    OwnedColor3dBuffer other;
    ASSERT_TRUE (first->resize (PixelFormat::rgbaFloat(), 2, 2, 2).wasOk());
    ASSERT_TRUE (other.resize (PixelFormat::rgbaFloat(), 2, 2, 2).wasOk());

    auto copy = context->createPixel3dBuffer (*first, true);
    EXPECT_EQ (context->createPixel3dBuffer (*first, false), copy);
    EXPECT_EQ (copy->getNumAllocations(), 1) << "asking again uploads nothing new";
    EXPECT_NE (context->createPixel3dBuffer (other, false), copy);

    // A new buffer is never mistaken for a destroyed one, wherever it lives.
    first.reset();
    auto second = std::make_unique<OwnedColor3dBuffer>();
    EXPECT_NE (context->createPixel3dBuffer (*second, false), copy);
    copy->update();
    EXPECT_EQ (copy->getNumUploads(), 1) << "a copy whose buffer is gone keeps its texels";
}

TEST (PixelFormat, OnlyFourFloatComponentsAreImplementedAndOtherFormatsAreRefused)
{
    EXPECT_EQ (PixelFormat (6, 0, 0, 11, 0), PixelFormat::rgbaFloat());
    EXPECT_EQ (PixelFormat::rgbaFloat().getBytesPerTexel(), 16u);

    const PixelFormat others[] = { { 6, 0, 0, 10, 0 }, { 5, 0, 0, 11, 0 }, { 6, 1, 0, 11, 0 }, { 6, 0, 2, 11, 0 }, { 6, 0, 0, 11, 1 } };

    for (auto& format : others)
    {
        SCOPED_TRACE (format.toString());
        EXPECT_FALSE (format.isSupported());
        EXPECT_EQ (format.getBytesPerTexel(), 0u);

        OwnedColor3dBuffer buffer;
        ASSERT_TRUE (buffer.resize (PixelFormat::rgbaFloat(), 2, 2, 2).wasOk());
        const auto r = buffer.resize (format, 3, 3, 3);
        EXPECT_TRUE (r.getErrorMessage().contains (format.toString())) << r.getErrorMessage();
        EXPECT_EQ (buffer.getDepth(), 2) << "a refused resize leaves the buffer as it was";
    }
}

TEST (OwnedColor3dBuffer, HoldsSixteenBytesPerTexel)
{
    OwnedColor3dBuffer buffer;
    ASSERT_TRUE (buffer.resize (PixelFormat::rgbaFloat(), 3, 4, 5).wasOk());

    EXPECT_EQ (buffer.getWidth(), 3);
    EXPECT_EQ (buffer.getHeight(), 4);
    EXPECT_EQ (buffer.getDepth(), 5);
    EXPECT_EQ (buffer.getNumBytes(), 3u * 4u * 5u * 16u);
}

TEST (PixcoreLibrary, CreatesTheColourBufferAndTheSamplerByClassName)
{
    auto library = graphics::createPixcoreLibrary();

    for (auto* name : { "Vector4d", "OwnedColor3dBuffer", "Sampler3d" })
    {
        auto object = library->createObject (name);
        ASSERT_NE (object, nullptr) << name;
        EXPECT_EQ (object->getClassName(), juce::String (name));
    }
}

} // namespace
