#pragma once

#include <tavcore/ExecutionContext.h>
#include <torvocore/TextureModifier.h>

//==============================================================================
/**
    The grading elements of the --grade options, in the order given: each an
    object of the grading plug-in's element class, created by its class name,
    following the grading device and listening on one channel. Everything
    here happens on the host's update thread.
*/
class HostGrades
{
public:
    /** The class the elements are made of, registered by the grading plug-in. */
    static constexpr const char* elementClassName = "AmbrelColorTextureModifier";

    /** The printed identifier of the device the elements follow. */
    static constexpr const char* deviceName = "Ambrel";

    HostGrades (tav::ExecutionContext& context, torvo::Engine& engine);
    ~HostGrades();

    /** Creates, places and activates one element on a channel (empty: the
        element names its channel itself); false, with an error printed,
        when it cannot. */
    bool addGrade (const juce::String& channel);

    /** The elements, in the order they are applied. */
    const std::vector<std::unique_ptr<torvo::TextureModifier>>& getElements() const noexcept   { return elements; }

    /** Prints "<friendly name>: <status>" for each element whose status
        changed since it was last printed. */
    void printStatusesIfChanged();

    /** The status line of every element, in order, for the preview. */
    juce::StringArray getStatusLines() const;

    /** Unloads and destroys the elements, newest first; their code lives in
        a plug-in, so this comes before the plug-ins go. */
    void unloadAll();

private:
    struct ElementStatus
    {
        juce::String printed;
        bool wasPrinted = false;
    };

    tav::ExecutionContext& context;
    torvo::Engine& engine;
    std::vector<std::unique_ptr<torvo::TextureModifier>> elements;
    std::vector<ElementStatus> statuses;

    std::unique_ptr<torvo::TextureModifier> createElement();
    bool configure (torvo::TextureModifier& element, const juce::String& channel);
    static juce::String getStatusLine (torvo::TextureModifier& element);
};
