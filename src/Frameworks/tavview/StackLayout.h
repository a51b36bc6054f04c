#pragma once

#include "tavview/VectorLayout.h"

namespace gui::tav
{

//==============================================================================
/** A vector layout that packs its widgets at their default lengths from the
    start of the line and leaves the rest empty: a bar of buttons, the left
    part of a title bar. */
class StackLayout : public VectorLayout
{
public:
    juce::String getClassName() const override    { return "StackLayout"; }

protected:
    bool sharesLeftoverLength() const override    { return false; }
};

} // namespace gui::tav
