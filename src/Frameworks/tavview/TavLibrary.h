#pragma once

#include <tavcore/Library.h>

#include <memory>

namespace gui::tav
{

/** Creates the library "GuiTav" of the GUI layer's classes: the GUI thread
    and service, windows, views, layouts and editors, each registered under
    its C++ class name, so that programs and libraries name them as base
    classes and attributes. */
std::unique_ptr<::tav::Library> createTavLibrary();

} // namespace gui::tav
