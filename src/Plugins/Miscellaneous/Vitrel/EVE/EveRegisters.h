#pragma once

#include <cstdint>

// The parts of the EVE controller's address space the display layer uses,
// under the controller maker's published names.

namespace vitrel::eve
{

constexpr std::uint32_t RAM_G = 0x000000;
constexpr std::uint32_t ROM_CHIPID = 0x0C0000;
constexpr std::uint32_t RAM_DL = 0x300000;
constexpr std::uint32_t RAM_CMD = 0x308000;
constexpr std::uint32_t RAM_CMD_SIZE = 4096;
constexpr std::uint32_t REG_COPRO_PATCH_PTR = 0x309162;
constexpr std::uint32_t RAM_ERR_REPORT = 0x309800;
constexpr std::uint32_t RAM_ERR_REPORT_SIZE = 128;
constexpr std::uint32_t RAM_TOUCH_PATCH = 0x30B000;

constexpr std::uint32_t REG_ID = 0x302000;
constexpr std::uint32_t REG_FREQUENCY = 0x30200C;
constexpr std::uint32_t REG_CPURESET = 0x302020;
constexpr std::uint32_t REG_HCYCLE = 0x30202C;
constexpr std::uint32_t REG_HOFFSET = 0x302030;
constexpr std::uint32_t REG_HSIZE = 0x302034;
constexpr std::uint32_t REG_HSYNC0 = 0x302038;
constexpr std::uint32_t REG_HSYNC1 = 0x30203C;
constexpr std::uint32_t REG_VCYCLE = 0x302040;
constexpr std::uint32_t REG_VOFFSET = 0x302044;
constexpr std::uint32_t REG_VSIZE = 0x302048;
constexpr std::uint32_t REG_VSYNC0 = 0x30204C;
constexpr std::uint32_t REG_VSYNC1 = 0x302050;
constexpr std::uint32_t REG_DLSWAP = 0x302054;
constexpr std::uint32_t REG_DITHER = 0x302060;
constexpr std::uint32_t REG_SWIZZLE = 0x302064;
constexpr std::uint32_t REG_CSPREAD = 0x302068;
constexpr std::uint32_t REG_PCLK_POL = 0x30206C;
constexpr std::uint32_t REG_PCLK = 0x302070;
constexpr std::uint32_t REG_GPIOX_DIR = 0x302098;
constexpr std::uint32_t REG_GPIOX = 0x30209C;
constexpr std::uint32_t REG_PWM_HZ = 0x3020D0;
constexpr std::uint32_t REG_PWM_DUTY = 0x3020D4;
constexpr std::uint32_t REG_CMD_READ = 0x3020F8;
constexpr std::uint32_t REG_CMD_WRITE = 0x3020FC;
constexpr std::uint32_t REG_CMD_DL = 0x302100;
constexpr std::uint32_t REG_TOUCH_MODE = 0x302104;
constexpr std::uint32_t REG_TOUCH_ADC_MODE = 0x302108;
constexpr std::uint32_t REG_TOUCH_OVERSAMPLE = 0x302114;
constexpr std::uint32_t REG_TOUCH_RZTHRESH = 0x302118;
constexpr std::uint32_t REG_TOUCH_SCREEN_XY = 0x302124;
constexpr std::uint32_t REG_TOUCH_TAG = 0x30212C;
constexpr std::uint32_t REG_TOUCH_CONFIG = 0x302168;

/** REG_CMD_READ's value while the co-processor is stopped by a fault. */
constexpr std::uint16_t COPROCESSOR_FAULT = 0xFFF;

/** The value REG_ID holds once the controller has booted. */
constexpr std::uint8_t CONTROLLER_ID = 0x7C;

} // namespace vitrel::eve
