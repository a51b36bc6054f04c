#pragma once

#include <tavview/MainWindow.h>
#include <tavview/PelloService.h>
#include <tavview/SimpleOkButtonMainView.h>
#include <tavview/SoftwareVersionMainTitleBar.h>

namespace gui::tav
{

//==============================================================================
/** The configurator's GUI service; it has no settings of its own. */
class TorvoBootConfiguratorService : public PelloService
{
public:
    juce::String getClassName() const override    { return "TorvoBootConfiguratorService"; }
};

//==============================================================================
/** The main window; its class names the main view. */
class TorvoBootConfiguratorMainWindow : public MainWindow
{
public:
    juce::String getClassName() const override    { return "TorvoBootConfiguratorMainWindow"; }
};

//==============================================================================
/** The main view: the boot configuration's editor above the OK button, under
    the title bar its class names. */
class TorvoBootConfiguratorMainView : public SimpleOkButtonMainView
{
public:
    juce::String getClassName() const override    { return "TorvoBootConfiguratorMainView"; }

protected:
    std::unique_ptr<Widget> createMainWidget() override;
};

//==============================================================================
/** The title bar: the home menu button on the left, the program's name and
    version on the right. */
class TorvoBootConfiguratorMainTitleBar : public SoftwareVersionMainTitleBar
{
public:
    juce::String getClassName() const override    { return "TorvoBootConfiguratorMainTitleBar"; }

protected:
    void populateLeftPart (StackLayout& layout) override;
};

} // namespace gui::tav
