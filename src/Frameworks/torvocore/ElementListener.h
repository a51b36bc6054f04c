#pragma once

#include <cstddef>

namespace torvo
{

class Element;

//==============================================================================
/** Hears what a user interface or the host shows of an element change. */
class ElementListener
{
public:
    virtual ~ElementListener() = default;

    /** The element's friendly name changed (one of its dependencies did). */
    virtual void friendlyNameChanged (Element&) {}

    /** Whether a member variable is shown changed. */
    virtual void variableVisibilityChanged (Element&, size_t /*variableIndex*/) {}

    /** The element's failure status was set or cleared. */
    virtual void failureStatusChanged (Element&) {}
};

} // namespace torvo
