#pragma once

#include "tavview/StackLayout.h"

namespace gui::tav
{

//==============================================================================
/**
    A main view's title bar: a left part for the program's buttons, which
    subclasses fill in populateLeftPart(), and the program's name and version
    on the right, taken from the program that owns the running GUI thread.
*/
class SoftwareVersionMainTitleBar : public Widget
{
public:
    SoftwareVersionMainTitleBar();
    ~SoftwareVersionMainTitleBar() override;

    juce::String getClassName() const override    { return "SoftwareVersionMainTitleBar"; }

    /** The left part. */
    StackLayout& getLeftPart() noexcept           { return leftPart; }

    /** "Name major.minor.patch" of the running program, empty without one. */
    static juce::String getSoftwareVersionText();

    void resized() override;
    void paint (juce::Graphics& g) override;

protected:
    /** Adds the program's buttons to the left part. */
    virtual void populateLeftPart (StackLayout& layout)   { juce::ignoreUnused (layout); }

    void initializeWidget() override;

private:
    StackLayout leftPart;
};

} // namespace gui::tav
