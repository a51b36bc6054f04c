#pragma once

#include <tavcore/Class.h>

namespace torvo
{

//==============================================================================
/*
    The registered class of each of the plug-in's classes, set while the
    plug-in library is loaded and nullptr otherwise; the code uses them for
    type tests and to name value classes.
*/
extern const tav::Class* ambrelCdlDataClass;
extern const tav::Class* ambrelLutInfoClass;
extern const tav::Class* ambrelCdlIdentifierClass;
extern const tav::Class* ambrelLutIdentifierClass;
extern const tav::Class* ambrelSessionIdentifierClass;
extern const tav::Class* ambrelControlEventListenerClass;
extern const tav::Class* ambrelDeviceClass;
extern const tav::Class* ambrelDeviceIdentifierClass;
extern const tav::Class* ambrelDeviceFactoryClass;
extern const tav::Class* ambrelDeviceSelectorClass;

} // namespace torvo
