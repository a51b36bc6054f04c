// A plug-in standing in for the grading plug-in in the host's tests: its
// element carries the grading element's class name and members, its device
// the grading device's printed name.
#include "StandInDevice.h"
#include "StandInExport.h"
#include "StandInGradeElement.h"
#include <tavcore/ClassOf.h>

namespace standin
{

namespace
{
    const char* const gainSource = "#include \"ColorModifier.sglsl\"\n"
                                   "struct StandInGainModifier : ColorModifier\n"
                                   "{\n"
                                   "    float gain;\n"
                                   "    vec4 compute (vec4 colour, vec2 uv) { return vec4 (colour.rgb * gain, colour.a); }\n"
                                   "};\n";

    class GainModifierClass : public tav::ClassOf<StandInGainModifier>
    {
    public:
        GainModifierClass() : ClassOf ("ColorModifier")
        {
            auto& context = tav::ExecutionContext::get();
            addMemberVariable (context, "Real", "gain", false, {});
            setAttribute (context, "shaderSourceCode", tav::State (gainSource));
        }
    };

    class GradeElementClass : public tav::ClassOf<StandInGradeElement>
    {
    public:
        GradeElementClass() : ClassOf ("ColorTextureModifier(StandInGainModifier)")
        {
            auto& context = tav::ExecutionContext::get();
            addMemberVariable (context, "String", "status", false, { { "visible", "false" } });
            addMemberVariable (context, "DeviceSelector", "device", false, {});
            addMemberVariable (context, "String", "channel", false, {});
            addMemberVariable (context, "Real", "gain", false, { { "default", "1" } });
            addMemberVariable (context, "String", "note", false, {});
        }
    };

    class ControlClass : public tav::ClassOf<StandInControl>
    {
    public:
        ControlClass() : ClassOf ("ControllerIdentifier")
        {
            addMemberVariable (tav::ExecutionContext::get(), "String", "name", false, {});
        }
    };

    class DeviceFactoryClass : public tav::ClassOf<StandInDeviceFactory>
    {
    public:
        DeviceFactoryClass() : ClassOf ("DeviceFactory")
        {
            auto& context = tav::ExecutionContext::get();
            setAttribute (context, "deviceClass", tav::State ("StandInDevice"));
            setAttribute (context, "deviceIdentifierClass", tav::State ("StandInDeviceIdentifier"));
        }
    };

    const char* const classNames[] = { "StandInGainModifier", "AmbrelColorTextureModifier", "StandInControl", "StandInDevice",
                                       "StandInDeviceIdentifier", "StandInDeviceFactory" };

    class StandInLibrary : public torvo::PluginLibrary
    {
    public:
        StandInLibrary() : PluginLibrary ("StandInGrade", juce::File())
        {
            addClass (classNames[0], std::make_unique<GainModifierClass>());
            addClass (classNames[1], std::make_unique<GradeElementClass>());
            addClass (classNames[2], std::make_unique<ControlClass>());
            addClass (classNames[3], std::make_unique<tav::ClassOf<StandInDevice>> ("ControlDevice"));
            addClass (classNames[4], std::make_unique<tav::ClassOf<StandInDeviceIdentifier>> ("DeviceIdentifier"));
            addClass (classNames[5], std::make_unique<DeviceFactoryClass>());
        }

        ~StandInLibrary() override
        {
            for (auto i = std::size (classNames); i-- > 0;)
                removeClass (classNames[i]);
        }
    };
}

} // namespace standin

STANDIN_PLUGIN_ENTRY (standin::StandInLibrary)
