#pragma once

#include <tavview/MainWindow.h>
#include <tavview/PelloService.h>
#include <tavview/SimpleOkButtonMainView.h>

namespace gui::tav
{

//==============================================================================
/** The network configurator's GUI service; it has no settings of its own. */
class TorvoNetConfiguratorService : public PelloService
{
public:
    juce::String getClassName() const override    { return "TorvoNetConfiguratorService"; }
};

//==============================================================================
/** The main window; its class names the main view. */
class TorvoNetConfiguratorMainWindow : public MainWindow
{
public:
    juce::String getClassName() const override    { return "TorvoNetConfiguratorMainWindow"; }
};

//==============================================================================
/** The main view: the framework's default editor of the network
    configuration above the OK button, without a title bar. */
class TorvoNetConfiguratorMainView : public SimpleOkButtonMainView
{
public:
    juce::String getClassName() const override    { return "TorvoNetConfiguratorMainView"; }

protected:
    std::unique_ptr<Widget> createMainWidget() override;
};

} // namespace gui::tav
