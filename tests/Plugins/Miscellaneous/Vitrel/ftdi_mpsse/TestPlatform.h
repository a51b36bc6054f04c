#pragma once

// What the bridge tests need from the operating system.

namespace vitrel::test
{

/** A system library that loads everywhere but exports none of the D2XX names. */
const char* libraryWithoutD2xx() noexcept;

} // namespace vitrel::test
