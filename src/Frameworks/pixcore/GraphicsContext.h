#pragma once

#include "pixcore/ColorBuffer2d.h"
#include "pixcore/FrameRenderer.h"
#include "pixcore/PlatformGlContext.h"

namespace graphics
{

//==============================================================================
/**
    An offscreen OpenGL 4.5 core context (surfaceless EGL on Linux, WGL of a
    hidden window on Windows) and what is made with it: GPU copies of colour
    buffers, 2D textures, colour-modifier programs and their frames.

    A context is current on one thread at a time: create() makes it current
    on the calling thread, makeCurrent() moves it. Everything it makes must
    be used on the thread where it is current; objects that outlive it
    become inert.
*/
class GraphicsContext
{
public:
    /** Creates a context current on the calling thread, asking for the given
        version (4.5 unless a caller needs another). On failure: nullptr, and
        outcome says "No OpenGL 4.5 context: " and why; callers go on without
        graphics. */
    static std::unique_ptr<GraphicsContext> create (juce::Result& outcome, GlVersionRequest version = {});
    ~GraphicsContext();

    /** Makes the context current on the calling thread. */
    bool makeCurrent();

    /** Leaves the calling thread without a current context, so that another thread can make this one current. */
    void releaseCurrent();

    /** The driver's renderer and version strings. */
    juce::String getRendererDescription() const;

    /** The graphics memory in use and in all, in bytes, as far as the driver
        tells (NVIDIA's GL_NVX_gpu_memory_info); false, leaving both alone,
        when it does not. Call it where the context is current. */
    bool getVideoMemory (juce::uint64& usedBytes, juce::uint64& totalBytes) const;

    /** A number no other context of this process had before, so that what
        was made with one context is not taken for a later context's that
        happens to live at the same address. */
    juce::uint64 getSerialNumber() const noexcept    { return serialNumber; }

    //==============================================================================
    /** The GPU copy of a 3D colour buffer: the same copy as long as somebody
        holds it, else a new one. With uploadNow, the texels are uploaded
        before this returns; otherwise the copy's update() uploads them. */
    std::shared_ptr<Pixel3dBuffer> createPixel3dBuffer (const OwnedColor3dBuffer& buffer, bool uploadNow);

    /** An RGBA32F 2D texture with undefined texels. */
    std::unique_ptr<Texture2d> createTexture2d (int width, int height);

    /** Compiles a colour modifier written in the host's shader language
        (see docs/SHADERS.md). On failure: nullptr, and outcome holds the
        compiler's message, naming the original file and line. */
    std::unique_ptr<ShaderProgram> createColorModifierProgram (const juce::String& sourceName, const juce::String& source,
                                                               juce::Result& outcome);

    /** Runs the program's compute over every pixel of input into output. */
    juce::Result renderColorModifier (const ShaderProgram& program, const Texture2d& input, Texture2d& output);

    /** Uploads the image, runs the program over it and reads the result
        back into output, which takes the input's size. */
    juce::Result applyColorModifier (const ShaderProgram& program, const ColorBuffer2d& input, ColorBuffer2d& output);

private:
    std::unique_ptr<PlatformGlContext> platformContext;
    std::shared_ptr<const GlFunctions> functions;
    std::unique_ptr<FrameRenderer> renderer;
    std::vector<std::weak_ptr<Pixel3dBuffer>> volumeCopies;
    juce::uint64 serialNumber;

    GraphicsContext (std::unique_ptr<PlatformGlContext>, std::shared_ptr<const GlFunctions>);
    JUCE_DECLARE_NON_COPYABLE (GraphicsContext)
};

} // namespace graphics
