#pragma once

#include <tavcore/Library.h>

namespace torvo
{

/** Creates the library "TorvoCore" of the host's abstract classes that
    plug-ins derive from: devices, identifiers, factories, selectors,
    controller identifiers, listeners, elements, texture modifiers, colour
    modifiers, the template "ColorTextureModifier" of colour texture
    modifiers (one class per colour modifier class) and tools; and the
    server's status record with its engine component and storage devices. */
std::unique_ptr<tav::Library> createTorvoCoreLibrary();

} // namespace torvo
