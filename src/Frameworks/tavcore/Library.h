#pragma once

#include "tavcore/Class.h"
#include <memory>
#include <vector>

namespace tav
{

//==============================================================================
/**
    A named set of classes and of nested libraries, each owned by it.

    Every library in use hangs below the process-wide root library, which
    holds the framework's own classes; objects are created by class name
    through it. Libraries are added and removed on the main thread while no
    other thread creates objects.
*/
class Library
{
public:
    explicit Library (const juce::String& libraryName);
    virtual ~Library();

    /** The library's name. */
    const juce::String& getName() const noexcept  { return name; }

    /** The library this one is nested in, or nullptr. */
    Library* getParentLibrary() const noexcept    { return parentLibrary; }

    //==============================================================================
    /** Registers a class under a name; the library owns it from now on.
        Fails when the name is empty or already registered here. */
    bool addClass (const juce::String& className, std::unique_ptr<Class> classToAdd);

    /** Unregisters and destroys the class registered under a name. */
    bool removeClass (const juce::String& className);

    /** Nests a library in this one, which owns it from now on. */
    bool addLibrary (std::unique_ptr<Library> libraryToAdd);

    /** Removes and destroys the nested library of a name. */
    bool removeLibrary (const juce::String& libraryName);

    /** A nested library of a name, searched through the whole tree below. */
    Library* findLibrary (const juce::String& libraryName) const;

    /** Hangs a library that somebody else owns below this one, as the host
        does with plug-in libraries; it stays until detached. A library is
        attached to one parent at a time. */
    bool attachLibrary (Library& libraryToAttach);

    /** Takes an attached library out of this one again. */
    bool detachLibrary (Library& libraryToDetach);

    //==============================================================================
    /** A class of this library or of the libraries below it, or nullptr. */
    const Class* findClass (const juce::String& className) const;

    /** The classes registered in this library itself, in registration order. */
    std::vector<const Class*> getClasses() const;

    /** Checks every class of this library and of the libraries below it with
        Class::checkDeclaration(); the first failure, or ok. */
    juce::Result checkClassDeclarations() const;

    /** Creates an object by class name; nullptr for unknown or abstract classes. */
    std::unique_ptr<Object> createObject (const juce::String& className) const;

    //==============================================================================
    /** The process-wide root library, holding the framework's own classes. */
    static Library& getRootLibrary();

private:
    juce::String name;
    Library* parentLibrary = nullptr;
    std::vector<std::pair<juce::String, std::unique_ptr<Class>>> classes;
    std::vector<std::unique_ptr<Library>> libraries;
    std::vector<Library*> attachedLibraries;

    JUCE_DECLARE_NON_COPYABLE (Library)
};

//==============================================================================
/** A class of the loaded libraries by name (searched from the root library),
    or nullptr when none is registered under it. */
const Class* getClass (const juce::String& className);

} // namespace tav
