#pragma once

// What the bridge tests need from the operating system.

namespace vitrel::test
{

/** Sets the environment variable name to value, or removes it when value is null. */
void setEnvironmentVariable (const char* name, const char* value);

/** A system library that loads everywhere but exports none of the D2XX names. */
const char* libraryWithoutD2xx() noexcept;

/** Sets an environment variable for one scope and removes it afterwards. */
class ScopedEnvironmentVariable
{
public:
    /** Sets name to value (null removes it). */
    ScopedEnvironmentVariable (const char* variableName, const char* value) : name (variableName)
    {
        setEnvironmentVariable (name, value);
    }

    /** Removes the variable again. */
    ~ScopedEnvironmentVariable()                    { setEnvironmentVariable (name, nullptr); }

    ScopedEnvironmentVariable (const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator= (const ScopedEnvironmentVariable&) = delete;

private:
    const char* name;
};

} // namespace vitrel::test
