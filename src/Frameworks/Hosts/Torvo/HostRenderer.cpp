#include "HostRenderer.h"
#include <pixcore/Texture2d.h>

namespace
{
    graphics::ColorBuffer2d toColorBuffer (const graphics::reference::FloatImage& image)
    {
        graphics::ColorBuffer2d buffer (image.getWidth(), image.getHeight());

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto pixel = image.getPixel (x, y);
                buffer.setPixel (x, y, { pixel.r, pixel.g, pixel.b, pixel.a });
            }

        return buffer;
    }

    graphics::reference::FloatImage toFloatImage (const graphics::ColorBuffer2d& buffer)
    {
        graphics::reference::FloatImage image (buffer.getWidth(), buffer.getHeight());

        for (int y = 0; y < buffer.getHeight(); ++y)
            for (int x = 0; x < buffer.getWidth(); ++x)
            {
                const auto pixel = buffer.getPixel (x, y);
                image.setPixel (x, y, { pixel[0], pixel[1], pixel[2], pixel[3] });
            }

        return image;
    }
}

HostRenderer::HostRenderer()
    : graphicsContext (graphics::GraphicsContext::create (graphicsOutcome))
{
}

HostRenderer::~HostRenderer()
{
    // Textures first: they belong to the context.
    inputTexture.reset();
    workTextures = {};
    graphicsContext.reset();
}

void HostRenderer::setInput (const graphics::reference::FloatImage& image)
{
    input = image;
    inputChanged = true;
}

//==============================================================================
bool HostRenderer::renderIfChanged (const std::vector<std::unique_ptr<torvo::TextureModifier>>& elements,
                                    const torvo::FrameInformation& frame, double renderingGamma)
{
    if (! needsRendering (elements))
        return false;

    torvo::CompositingData data;
    data.frame = frame;
    data.renderingGamma = renderingGamma;
    auto rendered = graphicsContext != nullptr ? processAll (elements, data) : modifyWithoutGraphics (elements, data);
    inputChanged = false;

    if (rendered.isEmpty() || (! result.isEmpty() && rendered == result))
        return false;

    result = std::move (rendered);
    return true;
}

bool HostRenderer::needsRendering (const std::vector<std::unique_ptr<torvo::TextureModifier>>& elements)
{
    std::vector<juce::int64> versions;

    for (auto& element : elements)
        versions.push_back (element->computeVersion());

    if (! inputChanged && versions == renderedVersions)
        return false;

    renderedVersions = std::move (versions);
    return true;
}

graphics::reference::FloatImage HostRenderer::processAll (const std::vector<std::unique_ptr<torvo::TextureModifier>>& elements,
                                                          torvo::CompositingData& data)
{
    prepareTextures();
    const graphics::Texture2d* current = inputTexture.get();
    size_t next = 0;

    for (auto& element : elements)
    {
        data.input = current;
        data.output = workTextures[next].get();

        // An element that cannot render is passed over: the next one reads
        // what the one before it wrote.
        if (element->process (data))
        {
            current = workTextures[next].get();
            next = 1 - next;
        }
    }

    return current == inputTexture.get() ? input : toFloatImage (current->readBack());
}

graphics::reference::FloatImage HostRenderer::modifyWithoutGraphics (const std::vector<std::unique_ptr<torvo::TextureModifier>>& elements,
                                                                     torvo::CompositingData& data)
{
    // There are no textures: modify() finds no graphics context and says so
    // in the element's status, and draw() is never reached.
    for (auto& element : elements)
        element->process (data);

    return elements.empty() ? input : graphics::reference::FloatImage();
}

void HostRenderer::prepareTextures()
{
    const auto width = input.getWidth(), height = input.getHeight();

    if (inputTexture == nullptr || inputTexture->getWidth() != width || inputTexture->getHeight() != height)
    {
        inputTexture = graphicsContext->createTexture2d (width, height);

        for (auto& texture : workTextures)
            texture = graphicsContext->createTexture2d (width, height);
    }

    if (inputChanged)
        inputTexture->upload (toColorBuffer (input));
}
