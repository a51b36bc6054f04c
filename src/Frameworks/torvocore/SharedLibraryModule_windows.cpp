#include "torvocore/SharedLibraryModule.h"
#include <tavcore/Thread.h>
#include <windows.h>

namespace torvo
{

std::unique_ptr<SharedLibraryModule> SharedLibraryModule::open (const juce::File& file, juce::String& errorText)
{
    auto* module = LoadLibraryW (file.getFullPathName().toWideCharPointer());

    if (module == nullptr)
    {
        errorText = "Cannot load " + file.getFullPathName() + ": "
                  + tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (true));
        return nullptr;
    }

    return std::unique_ptr<SharedLibraryModule> (new SharedLibraryModule (module));
}

SharedLibraryModule::~SharedLibraryModule()
{
    FreeLibrary (static_cast<HMODULE> (handle));
}

void* SharedLibraryModule::findExport (const char* exportName) const
{
    return reinterpret_cast<void*> (GetProcAddress (static_cast<HMODULE> (handle), exportName));
}

} // namespace torvo
