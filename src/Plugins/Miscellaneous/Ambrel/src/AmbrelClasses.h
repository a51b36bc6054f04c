#pragma once

#include <tavcore/ClassOf.h>

namespace torvo
{

class AmbrelCdlData;
class AmbrelCdlIdentifier;
class AmbrelDevice;
class AmbrelDeviceFactory;
class AmbrelLutIdentifier;
class AmbrelLutInfo;

// The plug-in's classes that declare attributes or member variables; the
// others are plain tav::ClassOf classes. While the plug-in library is loaded,
// each class's instance pointer (from tav::ClassOf) is its registered class
// object, which the code uses for type tests and to name value classes. The
// destructors are defined beside the constructors, where the object types
// are complete.

//==============================================================================
/** "AmbrelCdlData": slope, offset, power and saturation, with the neutral
    grade as defaults. */
class AmbrelCdlDataClass : public tav::ClassOf<AmbrelCdlData>
{
public:
    AmbrelCdlDataClass();
    ~AmbrelCdlDataClass() override;
};

//==============================================================================
/** "AmbrelLutInfo": the edge length and sample type of a LUT. */
class AmbrelLutInfoClass : public tav::ClassOf<AmbrelLutInfo>
{
public:
    AmbrelLutInfoClass();
    ~AmbrelLutInfoClass() override;
};

//==============================================================================
/** "AmbrelCdlIdentifier": a controller identifier naming a channel. */
class AmbrelCdlIdentifierClass : public tav::ClassOf<AmbrelCdlIdentifier>
{
public:
    AmbrelCdlIdentifierClass();
    ~AmbrelCdlIdentifierClass() override;
};

//==============================================================================
/** "AmbrelLutIdentifier": a controller identifier naming a channel. */
class AmbrelLutIdentifierClass : public tav::ClassOf<AmbrelLutIdentifier>
{
public:
    AmbrelLutIdentifierClass();
    ~AmbrelLutIdentifierClass() override;
};

//==============================================================================
/** "AmbrelDevice": the grading device, shown as "Ambrel". */
class AmbrelDeviceClass : public tav::ClassOf<AmbrelDevice>
{
public:
    AmbrelDeviceClass();
    ~AmbrelDeviceClass() override;
};

//==============================================================================
/** "AmbrelDeviceFactory": names the device and device identifier classes. */
class AmbrelDeviceFactoryClass : public tav::ClassOf<AmbrelDeviceFactory>
{
public:
    AmbrelDeviceFactoryClass();
    ~AmbrelDeviceFactoryClass() override;
};

} // namespace torvo
