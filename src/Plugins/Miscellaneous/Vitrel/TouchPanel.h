#pragma once

#include <cstdint>

namespace launcher
{

//==============================================================================
/** Where the page loop learns what the finger touches. */
class TouchPanel
{
public:
    virtual ~TouchPanel() = default;

    /** The tag drawn under the finger, 0 when none or no finger. */
    virtual std::uint8_t readTag() = 0;

    /** The finger's position, x in bits 16-25 and y in bits 0-9; bit 31 set while no finger is down. */
    virtual std::uint32_t readScreenXY() = 0;
};

//==============================================================================
/** The display controller's touch registers. */
class ControllerTouchPanel : public TouchPanel
{
public:
    std::uint8_t readTag() override;
    std::uint32_t readScreenXY() override;
};

} // namespace launcher
