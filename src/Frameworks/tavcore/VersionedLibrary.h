#pragma once

#include "tavcore/Library.h"
#include "tavcore/SoftwareVersion.h"

namespace tav
{

//==============================================================================
/**
    A library that states which software version its classes come from, as
    libraries loaded from separate binaries do.
*/
class VersionedLibrary : public Library
{
public:
    explicit VersionedLibrary (const juce::String& libraryName) : Library (libraryName) {}

    /** The version record of the library's classes. */
    SoftwareVersion& getSoftwareVersion() noexcept              { return softwareVersion; }
    const SoftwareVersion& getSoftwareVersion() const noexcept  { return softwareVersion; }

private:
    SoftwareVersion softwareVersion;
};

} // namespace tav
