// The plug-in's one export: the host calls it once after loading the library
// and owns the library object it returns.
#include "AmbrelPluginLibrary.h"

#if defined (_WIN32)
 #define AMBREL_EXPORT __declspec(dllexport)
#else
 #define AMBREL_EXPORT __attribute__ ((visibility ("default")))
#endif

extern "C" AMBREL_EXPORT torvo::PluginLibrary* createTorvoPlugin()
{
    auto* library = new torvo::srcLibrary();
    library->getSoftwareVersion().set ("Torvo Live", {}, 0, 0, 0, {});
    return library;
}
