#pragma once

namespace graphics { class GraphicsContext; }

namespace torvo
{

//==============================================================================
/**
    Something that draws the host's built-in helpers (guides, markers,
    overlays of a tool) over the composition. The host asks it once per
    rendered frame; the base draws nothing.
*/
class BuiltinHelpersRenderer
{
public:
    virtual ~BuiltinHelpersRenderer() = default;

    /** Draws the helpers with the host's context; the base draws nothing. */
    virtual void renderBuiltinHelpers (graphics::GraphicsContext& context);
};

} // namespace torvo
