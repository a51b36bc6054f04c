#include "pixcore/GraphicsContext.h"
#include <atomic>

namespace graphics
{

namespace
{
    std::atomic<juce::uint64> contextsMade { 0 };

    juce::String describeVersion (GlVersionRequest version)
    {
        return juce::String (version.major) + "." + juce::String (version.minor);
    }

    juce::String readString (const GlFunctions& gl, GLenum name)
    {
        auto* text = gl.glGetString (name);
        return text != nullptr ? juce::String::fromUTF8 (reinterpret_cast<const char*> (text)) : juce::String();
    }
}

//==============================================================================
std::unique_ptr<GraphicsContext> GraphicsContext::create (juce::Result& outcome, GlVersionRequest version)
{
    const auto failurePrefix = "No OpenGL " + describeVersion (version) + " context: ";
    juce::String reason;
    auto platformContext = createPlatformGlContext (version, reason);

    if (platformContext == nullptr)
    {
        outcome = juce::Result::fail (failurePrefix + reason);
        return {};
    }

    auto functions = std::make_shared<GlFunctions>();
    auto* platform = platformContext.get();

    if (auto r = functions->load ([platform] (const char* name) { return platform->getFunction (name); }); r.failed())
    {
        outcome = juce::Result::fail (failurePrefix + r.getErrorMessage());
        return {};
    }

    outcome = juce::Result::ok();
    return std::unique_ptr<GraphicsContext> (new GraphicsContext (std::move (platformContext), std::move (functions)));
}

GraphicsContext::GraphicsContext (std::unique_ptr<PlatformGlContext> platform, std::shared_ptr<const GlFunctions> gl)
    : platformContext (std::move (platform)), functions (std::move (gl)),
      renderer (std::make_unique<FrameRenderer> (functions)),
      serialNumber (++contextsMade)
{
}

// The context's objects go before the context itself, while it can still delete them.
GraphicsContext::~GraphicsContext()
{
    makeCurrent();
    renderer.reset();
    functions.reset();
}

bool GraphicsContext::makeCurrent()
{
    return platformContext->makeCurrent();
}

void GraphicsContext::releaseCurrent()
{
    platformContext->releaseCurrent();
}

juce::String GraphicsContext::getRendererDescription() const
{
    return readString (*functions, GL_RENDERER) + ", OpenGL " + readString (*functions, GL_VERSION);
}

bool GraphicsContext::getVideoMemory (juce::uint64& usedBytes, juce::uint64& totalBytes) const
{
    // The extension's names; a driver without it answers GL_INVALID_ENUM.
    constexpr GLenum totalAvailableKilobytes = 0x9048, currentAvailableKilobytes = 0x9049;

    // Errors left by earlier calls would be taken for the driver's answer;
    // a lost context may report one for ever, hence the bound.
    for (int i = 0; i < 16 && functions->glGetError() != GL_NO_ERROR; ++i) {}

    GLint total = 0, available = 0;
    functions->glGetIntegerv (totalAvailableKilobytes, &total);
    functions->glGetIntegerv (currentAvailableKilobytes, &available);

    if (functions->glGetError() != GL_NO_ERROR || total <= 0 || available < 0 || available > total)
        return false;

    totalBytes = (juce::uint64) total * 1024;
    usedBytes = (juce::uint64) (total - available) * 1024;
    return true;
}

//==============================================================================
std::shared_ptr<Pixel3dBuffer> GraphicsContext::createPixel3dBuffer (const OwnedColor3dBuffer& buffer, bool uploadNow)
{
    std::erase_if (volumeCopies, [] (auto& copy) { return copy.expired(); });
    std::shared_ptr<Pixel3dBuffer> result;

    for (auto& copy : volumeCopies)
        if (auto existing = copy.lock(); existing != nullptr && existing->isCopyOf (buffer))
            result = existing;

    if (result == nullptr)
    {
        result = std::make_shared<Pixel3dBuffer> (functions, buffer);
        volumeCopies.push_back (result);
    }

    if (uploadNow)
        result->update();

    return result;
}

std::unique_ptr<Texture2d> GraphicsContext::createTexture2d (int width, int height)
{
    return std::make_unique<Texture2d> (functions, width, height);
}

std::unique_ptr<ShaderProgram> GraphicsContext::createColorModifierProgram (const juce::String& sourceName, const juce::String& source,
                                                                            juce::Result& outcome)
{
    ExpandedShaderSource expanded;

    if (auto r = expandShaderSource (sourceName, source, expanded); r.failed())
    {
        outcome = juce::Result::fail ("The shader " + sourceName + " does not compile:\n" + r.getErrorMessage());
        return {};
    }

    return ShaderProgram::create (functions, FrameRenderer::getVertexShader(), expanded, sourceName, outcome);
}

juce::Result GraphicsContext::renderColorModifier (const ShaderProgram& program, const Texture2d& input, Texture2d& output)
{
    return renderer->render (program, input, output);
}

juce::Result GraphicsContext::applyColorModifier (const ShaderProgram& program, const ColorBuffer2d& input, ColorBuffer2d& output)
{
    auto inputTexture = createTexture2d (input.getWidth(), input.getHeight());
    inputTexture->upload (input);
    auto outputTexture = createTexture2d (input.getWidth(), input.getHeight());

    if (auto r = renderColorModifier (program, *inputTexture, *outputTexture); r.failed())
        return r;

    output = outputTexture->readBack();
    return juce::Result::ok();
}

} // namespace graphics
