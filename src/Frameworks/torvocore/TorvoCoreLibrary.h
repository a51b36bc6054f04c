#pragma once

#include <tavcore/Library.h>

namespace torvo
{

/** Creates the library "TorvoCore" of the host's abstract classes that
    plug-ins derive from: devices, identifiers, factories, selectors,
    controller identifiers, listeners, elements, texture modifiers, colour
    modifiers and the template "ColorTextureModifier" of colour texture
    modifiers, one class per colour modifier class. */
std::unique_ptr<tav::Library> createTorvoCoreLibrary();

} // namespace torvo
