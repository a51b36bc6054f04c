#pragma once

#include <GradingClient.h>
#include <modifier/AmbrelColorTextureModifier.h>
#include <pixcore/GraphicsContext.h>
#include <pixcore/Texture2d.h>
#include <pixcore/reference/Grade.h>

#include <memory>

namespace torvo::bench
{

//==============================================================================
/**
    The grading element as the host runs it: made by its registered class,
    placed in an engine with a real graphics context (current on the
    creating thread) and a listening grading device, graded by a client
    over TCP. The device hands each grade to the element before it replies,
    so once a send returns the element has been told, and the next frame
    copies and uploads what it needs.
*/
class GradingElementRig
{
public:
    /** A rig over an image, or nullptr with the reason in error. */
    static std::unique_ptr<GradingElementRig> create (const graphics::reference::FloatImage& image, juce::String& error);
    ~GradingElementRig();

    /** Sends a CDL for the element's channel. */
    bool sendCdl (const graphics::reference::Cdl& cdl, juce::String& error);

    /** Sends a LUT (float32) for the element's channel. */
    bool sendLut (const graphics::reference::Lut3d& lut, juce::String& error);

    /** One frame of the element, left in the GPU's queue. */
    bool render();

    /** Waits until every frame rendered so far is complete. */
    void finish();

    /** The last frame, read back as floats. */
    graphics::ColorBuffer2d readBack() const;

    /** How often the element uploaded LUT texels, 0 before it held a LUT. */
    int getNumLutUploads() const;

    /** The element itself. */
    AmbrelColorTextureModifier& getElement() noexcept    { return *element; }

private:
    GradingElementRig() = default;
    bool start (const graphics::reference::FloatImage& image, juce::String& error);
    bool sendOk (const juce::var& request, juce::String& error);

    std::unique_ptr<graphics::GraphicsContext> context;
    Engine engine;
    std::unique_ptr<AmbrelDevice> device;
    std::unique_ptr<AmbrelColorTextureModifier> element;
    std::unique_ptr<graphics::Texture2d> input, output;
    ambrel::GradingClient client;
};

} // namespace torvo::bench
