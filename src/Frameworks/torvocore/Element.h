#pragma once

#include "torvocore/Engine.h"
#include <tavcore/Object.h>

namespace torvo
{

//==============================================================================
/** A node of the host's composition; it reaches devices through its engine. */
class Element : public tav::Object
{
public:
    /** The engine the element runs in, or nullptr before it is placed. */
    Engine* getEngine() const noexcept            { return engine; }

    /** Places the element in an engine (not owned). */
    void setEngine (Engine* newEngine) noexcept   { engine = newEngine; }

private:
    Engine* engine = nullptr;
};

} // namespace torvo
