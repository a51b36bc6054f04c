#pragma once

#include <tavcore/Service.h>

namespace gui::tav
{

//==============================================================================
/**
    The service of a GUI program: its member variables are the program's own
    GUI settings, loaded when the GUI thread starts and saved when it stops.
    A program names its service class in its GUI thread class's attribute
    "service".
*/
class PelloService : public ::tav::Service
{
public:
    juce::String getClassName() const override    { return "PelloService"; }
};

} // namespace gui::tav
