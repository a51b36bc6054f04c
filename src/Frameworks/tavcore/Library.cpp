#include "tavcore/Library.h"
#include "tavcore/CoreLibrary.h"
#include <algorithm>

namespace tav
{

Library::Library (const juce::String& libraryName)
    : name (libraryName)
{
}

Library::~Library()
{
    // An attached library outlives its parent only as a detached one.
    for (auto* attached : attachedLibraries)
        attached->parentLibrary = nullptr;

    if (parentLibrary != nullptr)
        parentLibrary->detachLibrary (*this);

    // Nested libraries go first, newest first, then the classes, newest
    // first, so that nothing outlives what it was registered after.
    while (! libraries.empty())
        libraries.pop_back();

    while (! classes.empty())
        classes.pop_back();
}

//==============================================================================
bool Library::addClass (const juce::String& className, std::unique_ptr<Class> classToAdd)
{
    if (className.isEmpty() || classToAdd == nullptr)
        return false;

    for (auto& entry : classes)
        if (entry.first == className)
            return false;

    classToAdd->name = className;
    classToAdd->library = this;
    classes.emplace_back (className, std::move (classToAdd));
    return true;
}

bool Library::removeClass (const juce::String& className)
{
    for (auto it = classes.begin(); it != classes.end(); ++it)
    {
        if (it->first == className)
        {
            classes.erase (it);
            return true;
        }
    }

    return false;
}

bool Library::addLibrary (std::unique_ptr<Library> libraryToAdd)
{
    if (libraryToAdd == nullptr)
        return false;

    libraryToAdd->parentLibrary = this;
    libraries.push_back (std::move (libraryToAdd));
    return true;
}

bool Library::removeLibrary (const juce::String& libraryName)
{
    for (auto it = libraries.begin(); it != libraries.end(); ++it)
    {
        if ((*it)->getName() == libraryName)
        {
            libraries.erase (it);
            return true;
        }
    }

    return false;
}

bool Library::attachLibrary (Library& libraryToAttach)
{
    if (libraryToAttach.parentLibrary != nullptr || &libraryToAttach == this)
        return false;

    libraryToAttach.parentLibrary = this;
    attachedLibraries.push_back (&libraryToAttach);
    return true;
}

bool Library::detachLibrary (Library& libraryToDetach)
{
    const auto it = std::find (attachedLibraries.begin(), attachedLibraries.end(), &libraryToDetach);

    if (it == attachedLibraries.end())
        return false;

    attachedLibraries.erase (it);
    libraryToDetach.parentLibrary = nullptr;
    return true;
}

Library* Library::findLibrary (const juce::String& libraryName) const
{
    for (auto& nested : libraries)
    {
        if (nested->getName() == libraryName)
            return nested.get();

        if (auto* found = nested->findLibrary (libraryName))
            return found;
    }

    for (auto* attached : attachedLibraries)
    {
        if (attached->getName() == libraryName)
            return attached;

        if (auto* found = attached->findLibrary (libraryName))
            return found;
    }

    return nullptr;
}

//==============================================================================
const Class* Library::findClass (const juce::String& className) const
{
    for (auto& entry : classes)
        if (entry.first == className)
            return entry.second.get();

    for (auto& nested : libraries)
        if (auto* found = nested->findClass (className))
            return found;

    for (auto* attached : attachedLibraries)
        if (auto* found = attached->findClass (className))
            return found;

    return nullptr;
}

std::vector<const Class*> Library::getClasses() const
{
    std::vector<const Class*> result;

    for (auto& entry : classes)
        result.push_back (entry.second.get());

    return result;
}

juce::Result Library::checkClassDeclarations() const
{
    for (auto& entry : classes)
        if (auto r = entry.second->checkDeclaration(); r.failed())
            return r;

    for (auto& nested : libraries)
        if (auto r = nested->checkClassDeclarations(); r.failed())
            return r;

    for (auto* attached : attachedLibraries)
        if (auto r = attached->checkClassDeclarations(); r.failed())
            return r;

    return juce::Result::ok();
}

std::unique_ptr<Object> Library::createObject (const juce::String& className) const
{
    const auto* objectClass = findClass (className);
    return objectClass != nullptr ? objectClass->createObject() : nullptr;
}

Library& Library::getRootLibrary()
{
    static Library root ("Root");
    static const bool coreAdded = root.addLibrary (createCoreLibrary());
    juce::ignoreUnused (coreAdded);
    return root;
}

//==============================================================================
const Class* getClass (const juce::String& className)
{
    return Library::getRootLibrary().findClass (className);
}

} // namespace tav
