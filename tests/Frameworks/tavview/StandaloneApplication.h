#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// JUCE counts a process as a GUI application, and only then installs its X
// error handlers (which let requests naming a window manager's atoms fail
// quietly where there is no window manager), when an application factory is
// registered. A test program is one without a JUCEApplication.
inline juce::JUCEApplicationBase* noApplication()
{
    return nullptr;
}

struct StandaloneApplication
{
    StandaloneApplication()
    {
        juce::JUCEApplicationBase::createInstance = noApplication;
    }
};
