#pragma once

#include "../../../../Frameworks/pixcore/GraphicsTestContext.h"
#include <GradingClient.h>
#include <modifier/AmbrelColorTextureModifier.h>
#include <pixcore/ColorBuffer2d.h>
#include <pixcore/reference/Grade.h>

//==============================================================================
/** Components that a float pipeline finds awkward: 0, 1, above 1, negative,
    and values in between, in every channel combination the image holds. */
graphics::ColorBuffer2d makeGridImage();

/** Inputs between 0 and 1 only. */
graphics::ColorBuffer2d makeUnitRangeImage();

/** The largest difference between output and the reference grade of input
    (double precision); fails the test when the sizes differ. */
double measureErrorAgainstReference (const graphics::ColorBuffer2d& input, const graphics::ColorBuffer2d& output,
                                     const graphics::reference::Grade& grade, double renderingGamma);

//==============================================================================
/**
    An element made by its class, as the host makes it, placed in an engine
    with a real graphics context and a listening grading device. Clients
    talk to the device over TCP; the device announces each grade before it
    replies, so when a request returns, the element has taken the grade,
    and the test thread is the only one that touches the element.
*/
class ElementFixture : public pixtest::GraphicsTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    /** A new element of the registered class, placed in the engine and activated. */
    std::unique_ptr<torvo::AmbrelColorTextureModifier> createElement();

    /** A client that said hello. */
    std::unique_ptr<ambrel::GradingClient> connectAndSayHello();

    /** Sends a request that must be answered "ok". */
    void sendOk (ambrel::GradingClient& client, const juce::var& request);

    void sendCdl (ambrel::GradingClient& client, const graphics::reference::Cdl& cdl, const juce::String& channel = "channel-1");
    void sendLut (ambrel::GradingClient& client, const graphics::reference::Lut3d& lut, const juce::String& channel = "channel-1");

    /** One frame of an element over the image; empty when it did not render. */
    graphics::ColorBuffer2d render (torvo::AmbrelColorTextureModifier& target, const graphics::ColorBuffer2d& image,
                                    double renderingGamma = 2.2);

    /** The GPU copy the element's sampler reads. */
    const graphics::Pixel3dBuffer& getLutTexture() const;

    /** Closes the client and waits (generously) until the device has
        announced the disconnect to every listener, the element's included:
        a listener added after the element's hears it after the element. */
    bool closeAndWaitForDisconnect (ambrel::GradingClient& client);

    torvo::Engine engine;
    std::unique_ptr<torvo::AmbrelDevice> device;
    std::unique_ptr<torvo::AmbrelColorTextureModifier> element;
    int port = 0;
};
