#pragma once

#include <juce_core/juce_core.h>
#include <optional>

//==============================================================================
/** What the host was asked to do on its command line. */
struct HostCommandLine
{
    bool showHelp = false;              /**< -h or --help */
    juce::Array<juce::File> plugins;    /**< plug-ins named on the command line */
    juce::StringArray unknownOptions;   /**< options the host does not know */
    juce::StringArray errors;           /**< known options whose values the host cannot use, one text each */

    juce::File input;                   /**< --input: the image to grade; none (juce::File()) for the generated test chart */
    juce::StringArray grades;           /**< --grade: one grading channel per colour element, in order; empty names allowed */
    juce::File output;                  /**< --output: where the graded image goes; none when not written */
    double renderingGamma = 2.2;        /**< --rendering-gamma: the gamma the image's values are encoded with */
    bool preview = false;               /**< --preview: show the graded image in a window */
    juce::File previewSnapshot;         /**< --preview-snapshot: where the window's picture is saved after each change; none when not */

    juce::String tool;                  /**< --tool: the class of the tool to run (from the loaded plug-ins); empty: none */
    std::optional<int> statusPort;      /**< --status-port: the UDP port the status record is published on, over the network configuration's */
    juce::File project;                 /**< --project: the project file the status names; none: the input image stands for it */
    bool onAir = false;                 /**< --on-air: the status says the output is on air */
    bool greenLight = false;            /**< --green-light: the status says the show may go on air */
    juce::int32 outputState = 0;        /**< --output-state: the output's state code in the status (2: active) */

    /** Reads the arguments: options start with '-', everything else names a
        plug-in file (relative paths from the working directory). Values come
        after '=' in the same argument (--input=photo.png). */
    static HostCommandLine parse (const juce::StringArray& arguments);

    /** True when the command line can be run: no unknown options and no errors. */
    bool isUsable() const               { return unknownOptions.isEmpty() && errors.isEmpty(); }

    /** The lines of the usage text. */
    static juce::StringArray getUsageLines();
};
