#pragma once

#include <tavcore/ClassOf.h>

namespace torvo
{

class AmbrelCdlData;
class AmbrelColorModifier;
class AmbrelColorTextureModifier;
class AmbrelDevice;
class AmbrelDeviceFactory;
class AmbrelLutInfo;

// The plug-in's classes that declare attributes or member variables; the
// others are plain tav::ClassOf classes. While the plug-in library is loaded,
// each class's instance pointer (from tav::ClassOf) is its registered class
// object, which the code uses for type tests and to name value classes. The
// destructors are defined beside the constructors, where the object types
// are complete.

//==============================================================================
/** "AmbrelColorModifier": the grade's shader parameters, with the shader
    text (carried LZ4-packed) as its "shaderSourceCode". */
class AmbrelColorModifierClass : public tav::ClassOf<AmbrelColorModifier>
{
public:
    AmbrelColorModifierClass();
    ~AmbrelColorModifierClass() override;
};

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
/** "AmbrelCdlIdentifier" and "AmbrelLutIdentifier": controller identifiers
    naming a channel. Use it where IdentifierType is complete. */
template <class IdentifierType>
class AmbrelChannelIdentifierClass : public tav::ClassOf<IdentifierType>
{
public:
    AmbrelChannelIdentifierClass() : tav::ClassOf<IdentifierType> ("ControllerIdentifier")
    {
        this->addMemberVariable (tav::ExecutionContext::get(), "String", "channel", false, {});
    }
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

//==============================================================================
/** "AmbrelColorTextureModifier": the element, with its eleven variables. */
class AmbrelColorTextureModifierClass : public tav::ClassOf<AmbrelColorTextureModifier>
{
public:
    AmbrelColorTextureModifierClass();
    ~AmbrelColorTextureModifierClass() override;
};

} // namespace torvo
