#pragma once

#include <torvocore/PluginLibrary.h>

// The entry point of a stand-in plug-in: the one symbol it exports, which
// hands the host a new library labelled "Host test", version 0.0.0.
#if defined (_WIN32)
 #define STANDIN_EXPORT __declspec(dllexport)
#else
 #define STANDIN_EXPORT __attribute__ ((visibility ("default")))
#endif

#define STANDIN_PLUGIN_ENTRY(LibraryClass) \
    extern "C" STANDIN_EXPORT torvo::PluginLibrary* createTorvoPlugin() \
    { \
        auto* library = new LibraryClass(); \
        library->getSoftwareVersion().set ("Host test", {}, 0, 0, 0, {}); \
        return library; \
    }
