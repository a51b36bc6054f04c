#include "tavcore/ObjectFile.h"
#include "tavcore/Class.h"
#include "tavcore/ExecutionContext.h"

namespace tav
{

juce::Result ObjectFile::load (Object& object, const juce::File& file)
{
    if (! file.existsAsFile())
        return juce::Result::fail ("The file " + file.getFullPathName() + " does not exist");

    juce::MemoryBlock bytes;

    if (! file.loadFileAsData (bytes))
        return juce::Result::fail ("The file " + file.getFullPathName() + " cannot be read");

    const auto* data = static_cast<const char*> (bytes.getData());

    if (! juce::CharPointer_UTF8::isValidString (data, (int) bytes.getSize()))
        return juce::Result::fail ("The file " + file.getFullPathName() + " is not UTF-8 text");

    return loadFromText (object, juce::String::fromUTF8 (data, (int) bytes.getSize()), file.getFullPathName());
}

juce::Result ObjectFile::loadFromText (Object& object, const juce::String& text, const juce::String& sourceName)
{
    State state;
    auto r = State::parse (text, sourceName, state);

    if (r.failed())
        return r;

    // A scratch object of the same class takes the state first, so a fault
    // halfway through cannot leave the real object half loaded.
    if (const auto* objectClass = object.getClass())
    {
        if (auto scratch = objectClass->createObject())
        {
            // Warnings are reported once, by the real load below.
            ExecutionContext silent;
            ExecutionContext::ScopedCurrent quietly (silent);
            r = scratch->loadState (state, sourceName);

            if (r.failed())
                return r;
        }
    }

    return object.loadState (state, sourceName);
}

juce::String ObjectFile::toText (const Object& object, const juce::String& headerComment)
{
    juce::String text;

    for (auto& line : juce::StringArray::fromLines (headerComment))
        if (headerComment.isNotEmpty())
            text << ("# " + line).trimEnd() << "\n";

    return text + object.saveState().toText (true) + "\n";
}

juce::Result ObjectFile::save (const Object& object, const juce::File& file, const juce::String& headerComment)
{
    if (auto r = file.getParentDirectory().createDirectory(); r.failed())
        return juce::Result::fail ("Cannot create the folder " + file.getParentDirectory().getFullPathName() + ": " + r.getErrorMessage());

    juce::TemporaryFile temporary (file, juce::TemporaryFile::useHiddenFile);

    if (! temporary.getFile().replaceWithText (toText (object, headerComment), false, false, "\n"))
        return juce::Result::fail ("Cannot write " + temporary.getFile().getFullPathName());

    if (! temporary.overwriteTargetFileWithTemporary())
        return juce::Result::fail ("Cannot replace " + file.getFullPathName());

    return juce::Result::ok();
}

} // namespace tav
