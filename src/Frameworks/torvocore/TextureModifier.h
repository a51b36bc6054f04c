#pragma once

#include "torvocore/CompositingData.h"
#include "torvocore/Element.h"

namespace torvo
{

//==============================================================================
/**
    An element that turns an input texture into an output texture once per
    rendered frame.

    The host calls process(): first modify(), in which the element and its
    subclasses check what they need and set their parameters, then, when
    that succeeded, draw(), which renders with the parameters as they are
    now. So a subclass that sets parameters after calling its base's
    modify() still has them in this frame.
*/
class TextureModifier : public Element
{
public:
    /** Prepares the frame; false (with a failure status) when the element cannot render it. */
    virtual bool modify (CompositingData& data);

    /** What the host calls per rendered frame: modify(), then draw(). */
    bool process (CompositingData& data);

protected:
    /** Renders data's input into its output with the element's current parameters. */
    virtual bool draw (CompositingData& data) = 0;
};

} // namespace torvo
