// ambrel-send: a small grading client that sends one command to a grading
// device and prints each reply as JSON.
#include "GradingClient.h"
#include "GradingFiles.h"
#include <iostream>

namespace
{
    void printUsage()
    {
        std::cout << "Usage: ambrel-send [--host=H] [--port=P] [--channel=NAME]... COMMAND [options]\n"
                     "Commands:\n"
                     "  hello                      handshake only\n"
                     "  ping                       liveness check (no handshake)\n"
                     "  setCDL [--slope=r,g,b] [--offset=r,g,b] [--power=r,g,b] [--saturation=s]\n"
                     "  setCDL --cdl=FILE          first correction of an ASC CDL file (.cdl, .cc, .ccc)\n"
                     "  setLUT --cube=FILE [--type=float32|uint16]   3D LUT of a .cube file\n"
                     "The host defaults to 127.0.0.1, the port to AMBREL_PORT or 8089. Grading\n"
                     "commands say hello first. Exit status 0 when every reply is \"ok\".\n";
    }

    bool parseTriple (const juce::String& text, std::array<double, 3>& values)
    {
        juce::StringArray parts;
        parts.addTokens (text, ",", {});

        if (parts.size() != 3)
            return false;

        for (int i = 0; i < 3; ++i)
            values[(size_t) i] = parts[i].trim().getDoubleValue();

        return true;
    }

    struct Options
    {
        juce::String host = "127.0.0.1", command, type = "float32", cdlFile, cubeFile;
        int port = 8089;
        juce::StringArray channels;
        ambrel::CdlParameters cdl;
    };

    bool parseOptions (const juce::StringArray& arguments, Options& options)
    {
        if (const auto env = juce::SystemStats::getEnvironmentVariable ("AMBREL_PORT", {}); env.getIntValue() > 0)
            options.port = env.getIntValue();

        for (auto& argument : arguments)
        {
            const auto name = argument.upToFirstOccurrenceOf ("=", false, false);
            const auto value = argument.fromFirstOccurrenceOf ("=", false, false);

            if (name == "--host")              options.host = value;
            else if (name == "--port")         options.port = value.getIntValue();
            else if (name == "--channel")      options.channels.add (value);
            else if (name == "--type")         options.type = value;
            else if (name == "--cdl")          options.cdlFile = value;
            else if (name == "--cube")         options.cubeFile = value;
            else if (name == "--saturation")   options.cdl.saturation = value.getDoubleValue();
            else if (name == "--slope")        { if (! parseTriple (value, options.cdl.slope)) return false; }
            else if (name == "--offset")       { if (! parseTriple (value, options.cdl.offset)) return false; }
            else if (name == "--power")        { if (! parseTriple (value, options.cdl.power)) return false; }
            else if (! argument.startsWith ("-") && options.command.isEmpty()) options.command = argument;
            else return false;
        }

        return options.command.isNotEmpty();
    }

    juce::String buildRequest (const Options& options, juce::var& request)
    {
        if (options.command == "hello")
            request = ambrel::makeHelloRequest();
        else if (options.command == "ping")
            request = ambrel::makePingRequest();
        else if (options.command == "setCDL")
        {
            auto cdl = options.cdl;

            if (options.cdlFile.isNotEmpty())
                if (auto problem = ambrel::readCdlFile (juce::File::getCurrentWorkingDirectory().getChildFile (options.cdlFile), cdl); problem.isNotEmpty())
                    return problem;

            request = ambrel::makeSetCdlRequest (options.channels, cdl);
        }
        else if (options.command == "setLUT")
        {
            ambrel::CubeLut lut;

            if (auto problem = ambrel::readCubeFile (juce::File::getCurrentWorkingDirectory().getChildFile (options.cubeFile), lut); problem.isNotEmpty())
                return problem;

            request = ambrel::makeSetLutRequest (options.channels, lut.size, options.type, lut.encode (options.type));
        }
        else
            return "Unknown command: " + options.command;

        return {};
    }

    /** Sends one request and prints its reply; true when the reply is "ok". */
    bool exchange (ambrel::GradingClient& client, const juce::var& request)
    {
        juce::var reply;
        juce::String error;

        if (! client.request (request, reply, error))
        {
            std::cerr << error << "\n";
            return false;
        }

        std::cout << juce::JSON::toString (reply, true) << "\n";
        return reply.getProperty ("result", {}).toString() == "ok";
    }
}

int main (int argc, char* argv[])
{
    juce::StringArray arguments;

    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    Options options;

    if (arguments.contains ("--help") || arguments.contains ("-h") || ! parseOptions (arguments, options))
    {
        printUsage();
        return arguments.contains ("--help") || arguments.contains ("-h") ? 0 : 2;
    }

    juce::var request;

    if (const auto problem = buildRequest (options, request); problem.isNotEmpty())
    {
        std::cerr << problem << "\n";
        return 2;
    }

    ambrel::GradingClient client;
    juce::String error;

    if (! client.connect (options.host, options.port, 3000, error))
    {
        std::cerr << error << "\n";
        return 1;
    }

    const auto isGrading = options.command.startsWith ("set");

    if (isGrading && ! exchange (client, ambrel::makeHelloRequest()))
        return 1;

    return exchange (client, request) ? 0 : 1;
}
