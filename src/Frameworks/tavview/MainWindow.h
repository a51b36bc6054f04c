#pragma once

#include "tavview/TopWindow.h"

namespace gui::tav
{

//==============================================================================
/** The program's main window, whose content is the widget of the class that
    the window class's attribute "mainViewWidget" names. */
class MainWindow : public TopWindow
{
public:
    juce::String getClassName() const override    { return "MainWindow"; }

protected:
    std::unique_ptr<Widget> createContent() override;
};

} // namespace gui::tav
