#include "torvocore/SharedLibraryModule.h"
#include <dlfcn.h>

namespace torvo
{

std::unique_ptr<SharedLibraryModule> SharedLibraryModule::open (const juce::File& file, juce::String& errorText)
{
    // Local binding: a plug-in's symbols never interpose another plug-in's.
    auto* handle = dlopen (file.getFullPathName().toRawUTF8(), RTLD_NOW | RTLD_LOCAL);

    if (handle == nullptr)
    {
        const auto* reason = dlerror();
        errorText = "Cannot load " + file.getFullPathName() + ": " + juce::String::fromUTF8 (reason != nullptr ? reason : "unknown error");
        return nullptr;
    }

    return std::unique_ptr<SharedLibraryModule> (new SharedLibraryModule (handle));
}

SharedLibraryModule::~SharedLibraryModule()
{
    dlclose (handle);
}

void* SharedLibraryModule::findExport (const char* exportName) const
{
    return dlsym (handle, exportName);
}

} // namespace torvo
