#pragma once

#include <juce_core/juce_core.h>

namespace torvo
{

//==============================================================================
/** An open shared library (dlopen / LoadLibrary); closed when destroyed. */
class SharedLibraryModule
{
public:
    /** Opens a shared library; nullptr with errorText set on failure. */
    static std::unique_ptr<SharedLibraryModule> open (const juce::File& file, juce::String& errorText);

    ~SharedLibraryModule();

    /** The address of an unmangled export, or nullptr. */
    void* findExport (const char* exportName) const;

private:
    explicit SharedLibraryModule (void* nativeHandle) noexcept : handle (nativeHandle) {}

    void* handle;

    JUCE_DECLARE_NON_COPYABLE (SharedLibraryModule)
};

} // namespace torvo
