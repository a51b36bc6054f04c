#pragma once

#include <pixcore/GraphicsContext.h>
#include <pixcore/reference/FloatImage.h>
#include <torvocore/TextureModifier.h>

//==============================================================================
/**
    Renders the host's image through its elements on the host's graphics
    context: the input texture goes through each element in turn, two
    textures taking turns as output and next input.

    A frame is rendered only when the input is new or some element's version
    moved since the last rendered frame, so an idle host renders nothing.
    Without a graphics context the elements are still asked to process each
    changed frame, with no textures, which is how they come to report that
    they cannot render; an element must check its graphics context before
    touching the textures (ColorTextureModifier does).
*/
class HostRenderer
{
public:
    /** Creates the graphics context, current on the calling thread; when it
        cannot, getGraphics() is nullptr and getGraphicsOutcome() says why. */
    HostRenderer();
    ~HostRenderer();

    /** The context the elements render with, or nullptr. */
    graphics::GraphicsContext* getGraphics() const noexcept           { return graphicsContext.get(); }

    /** Why there is no context, or ok. */
    const juce::Result& getGraphicsOutcome() const noexcept         { return graphicsOutcome; }

    /** Replaces the image the elements start from; the next frame renders. */
    void setInput (const graphics::reference::FloatImage& image);

    /** Renders one frame when something changed; true when it rendered a
        result (getResult()) that differs from the one before. */
    bool renderIfChanged (const std::vector<std::unique_ptr<torvo::TextureModifier>>& elements,
                          const torvo::FrameInformation& frame, double renderingGamma);

    /** The last rendered image (empty before the first). */
    const graphics::reference::FloatImage& getResult() const noexcept  { return result; }

private:
    juce::Result graphicsOutcome = juce::Result::ok();
    std::unique_ptr<graphics::GraphicsContext> graphicsContext;
    graphics::reference::FloatImage input, result;
    std::unique_ptr<graphics::Texture2d> inputTexture;
    std::array<std::unique_ptr<graphics::Texture2d>, 2> workTextures;
    std::vector<juce::int64> renderedVersions;
    bool inputChanged = false;

    bool needsRendering (const std::vector<std::unique_ptr<torvo::TextureModifier>>& elements);
    graphics::reference::FloatImage processAll (const std::vector<std::unique_ptr<torvo::TextureModifier>>& elements,
                                                torvo::CompositingData& data);
    graphics::reference::FloatImage modifyWithoutGraphics (const std::vector<std::unique_ptr<torvo::TextureModifier>>& elements,
                                                           torvo::CompositingData& data);
    void prepareTextures();
};
