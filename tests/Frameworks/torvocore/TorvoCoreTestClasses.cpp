#include "TorvoCoreTestClasses.h"
#include <pixcore/PixcoreLibrary.h>
#include <tavcore/ClassOf.h>
#include <tavcore/Library.h>
#include <torvocore/TorvoCoreLibrary.h>

namespace torvotest
{

namespace
{
    const char* const gainBiasSource = "#include \"ColorModifier.sglsl\"\n"
                                       "struct TestGainBiasModifier : ColorModifier\n"
                                       "{\n"
                                       "    vec4 gain;\n"
                                       "    float bias;\n"
                                       "    float spare;\n"
                                       "    sampler3D offsets;\n"
                                       "    vec4 compute (vec4 colour, vec2 uv) { return colour * gain + vec4 (bias) + texture (offsets, vec3 (0.5)); }\n"
                                       "};\n";

    const char* const brokenSource = "#include \"ColorModifier.sglsl\"\n"
                                     "struct TestBrokenModifier : ColorModifier\n"
                                     "{\n"
                                     "    vec4 compute (vec4 colour, vec2 uv) { return colour * undeclaredGain; }\n"
                                     "};\n";

    const char* const gammaProbeSource = "#include \"ColorModifier.sglsl\"\n"
                                         "struct TestGammaProbeModifier : ColorModifier\n"
                                         "{\n"
                                         "    vec4 compute (vec4 colour, vec2 uv) { return vec4 (globals.renderingGamma); }\n"
                                         "};\n";

    /** A colour modifier class without parameters, whose shader is source. */
    template <class ModifierType>
    class SourceOnlyModifierClass : public tav::ClassOf<ModifierType>
    {
    public:
        explicit SourceOnlyModifierClass (const char* source) : tav::ClassOf<ModifierType> ("ColorModifier")
        {
            this->setAttribute (tav::ExecutionContext::get(), "shaderSourceCode", tav::State (source));
        }
    };

    class NamedElementClass : public tav::ClassOf<NamedElement>
    {
    public:
        NamedElementClass() : ClassOf ("Element")
        {
            auto& context = tav::ExecutionContext::get();
            addMemberVariable (context, "String", "title", false, {});
            addMemberVariable (context, "Boolean", "detailed", false, { { "default", "true" } });
            addMemberVariable (context, "Real", "gain", false, {});
            addMemberVariable (context, "Real", "scratch", false, { { "visible", "false" } });
            addMemberVariable (context, "DeviceSelector", "device", false, {});
        }
    };

    class GainBiasModifierClass : public tav::ClassOf<GainBiasModifier>
    {
    public:
        GainBiasModifierClass() : ClassOf ("ColorModifier")
        {
            auto& context = tav::ExecutionContext::get();
            addMemberVariable (context, "Vector4d", "gain", false, {});
            addMemberVariable (context, "Real", "bias", false, {});
            addMemberVariable (context, "Real", "spare", false, {});
            addMemberVariable (context, "String", "note", false, {});
            addMemberVariable (context, "Sampler3d", "offsets", false, {});
            setAttribute (context, "shaderSourceCode", tav::State (gainBiasSource));
        }
    };

    class ControllerIdentifierClass : public tav::ClassOf<TestControllerIdentifier>
    {
    public:
        ControllerIdentifierClass() : ClassOf ("ControllerIdentifier")
        {
            addMemberVariable (tav::ExecutionContext::get(), "String", "name", false, {});
        }
    };

    std::unique_ptr<tav::Library> createTestLibrary()
    {
        auto library = std::make_unique<tav::Library> ("TorvoCoreTests");
        library->addClass ("TestNamedElement", std::make_unique<NamedElementClass>());
        library->addClass ("TestGainBiasModifier", std::make_unique<GainBiasModifierClass>());
        library->addClass ("TestGainBiasElement",
                           std::make_unique<tav::ClassOf<GainBiasElement>> ("ColorTextureModifier(TestGainBiasModifier)"));
        library->addClass ("TestBrokenModifier", std::make_unique<SourceOnlyModifierClass<BrokenModifier>> (brokenSource));
        library->addClass ("TestBrokenElement",
                           std::make_unique<tav::ClassOf<BrokenElement>> ("ColorTextureModifier(TestBrokenModifier)"));
        library->addClass ("TestGammaProbeModifier", std::make_unique<SourceOnlyModifierClass<GammaProbeModifier>> (gammaProbeSource));
        library->addClass ("TestGammaProbeElement",
                           std::make_unique<tav::ClassOf<GammaProbeElement>> ("ColorTextureModifier(TestGammaProbeModifier)"));
        library->addClass ("TestDevice", std::make_unique<tav::ClassOf<TestDevice>> ("Device"));
        library->addClass ("TestControllerIdentifier", std::make_unique<ControllerIdentifierClass>());
        library->addClass ("TestControlDevice", std::make_unique<tav::ClassOf<TestControlDevice>> ("ControlDevice"));
        return library;
    }
}

void registerTestClassesOnce()
{
    static const bool registered = []
    {
        auto& root = tav::Library::getRootLibrary();
        return root.addLibrary (graphics::createPixcoreLibrary())
            && root.addLibrary (torvo::createTorvoCoreLibrary())
            && root.addLibrary (createTestLibrary());
    }();

    ASSERT_TRUE (registered);
}

//==============================================================================
TestControllerIdentifier::TestControllerIdentifier (const juce::String& controlName)
{
    addMemberVariableObject (name, "name");
    name.set (controlName, tav::ChangeCallback::none());
}

const tav::Class* TestControllerIdentifier::getValueClass() const
{
    return tav::Library::getRootLibrary().findClass ("String");
}

//==============================================================================
NamedElement::NamedElement()
{
    addMemberVariableObject (title, "title");
    addMemberVariableObject (detailed, "detailed");
    addMemberVariableObject (gain, "gain");
    addMemberVariableObject (scratch, "scratch");
    addMemberVariableObject (device, "device");
}

juce::String NamedElement::getAutomaticFriendlyName() const
{
    return title.get().isEmpty() ? "Named" : "Named " + title.get();
}

void NamedElement::getFriendlyNameDependencies (torvo::VariableDependencies& dependencies) const
{
    dependencies.add ("title");
    Element::getFriendlyNameDependencies (dependencies);
}

bool NamedElement::isVariableVisible (size_t variableIndex, torvo::VariableDependencies& dependencies) const
{
    dependencies.add ("detailed");

    if (getMemberVariableName (variableIndex) == "gain")
        return detailed.get();

    return Element::isVariableVisible (variableIndex, dependencies);
}

void NamedElement::applyVariableConstraints (tav::Object& variable, tav::ChangeCallback callback)
{
    if (isPartOfVariable (variable, "device"))
        ++selectorChanges;

    Element::applyVariableConstraints (variable, callback);
}

//==============================================================================
GainBiasModifier::GainBiasModifier()
{
    addMemberVariableObject (gain, "gain");
    addMemberVariableObject (bias, "bias");
    addMemberVariableObject (spare, "spare");
    addMemberVariableObject (note, "note");
    addMemberVariableObject (offsets, "offsets");
}

} // namespace torvotest
