#pragma once

#include "GuiDispatch.h"
#include "StandaloneApplication.h"

#include <tavcore/Boolean.h>
#include <tavcore/ClassOf.h>
#include <tavcore/Enumeration.h>
#include <tavcore/ObjectOwnedVector.h>
#include <tavcore/PositiveInteger.h>
#include <tavcore/Program.h>
#include <tavcore/RecordingExecutionContextView.h>
#include <tavcore/Real.h>
#include <tavcore/String.h>
#include <tavview/TavLibrary.h>

#include <gtest/gtest.h>

namespace tavviewtest
{

//==============================================================================
class Colour : public tav::Enumeration
{
public:
    juce::String getClassName() const override    { return "TestColour"; }
};

/** The kind of object a configurator edits: one member of each value kind. */
class Settings : public tav::Object
{
public:
    Settings()
    {
        addMemberVariableObject (name, "name");
        addMemberVariableObject (gain, "gain");
        addMemberVariableObject (count, "count");
        addMemberVariableObject (enabled, "enabled");
        addMemberVariableObject (colour, "colour");
        addMemberVariableObject (executable, "executable");
    }

    juce::String getClassName() const override    { return "TestSettings"; }

    tav::String name;
    tav::Real gain;
    tav::PositiveInteger count;
    tav::Boolean enabled;
    Colour colour;
    tav::String executable;
};

class SettingsClass : public tav::ClassOf<Settings>
{
public:
    SettingsClass() : ClassOf ("Object")
    {
        auto& context = tav::ExecutionContext::get();
        addMemberVariable (context, "String", "name", false, { { "default", tav::State ("first", true) } });
        addMemberVariable (context, "Real", "gain", false, { { "default", tav::State ("1") } });
        addMemberVariable (context, "PositiveInteger", "count", false, { { "default", tav::State ("3") } });
        addMemberVariable (context, "Boolean", "enabled", false, { { "default", tav::State ("false") } });
        addMemberVariable (context, "TestColour", "colour", false, { { "default", tav::State ("red") } });
        addMemberVariable (context, "String", "executable", false,
                           { { "editor", tav::State ("FilePathEditor") }, { "friendlyName", tav::State ("Executable path", true) } });
    }
};

/** An item of a list, as a configured application is. */
class Application : public tav::Object
{
public:
    Application()
    {
        addMemberVariableObject (name, "name");
        addMemberVariableObject (colorLabel, "colorLabel");
    }

    juce::String getClassName() const override    { return "TestApplication"; }

    tav::String name, colorLabel;
};

class ApplicationClass : public tav::ClassOf<Application>
{
public:
    ApplicationClass() : ClassOf ("Object")
    {
        auto& context = tav::ExecutionContext::get();
        addMemberVariable (context, "String", "name", false, { { "default", tav::State ("new", true) } });
        addMemberVariable (context, "String", "colorLabel", false, {});
    }
};

/** A list of applications named as given. */
inline std::unique_ptr<tav::ObjectOwnedVector<Application>> makeApplications (const juce::StringArray& names)
{
    auto list = std::make_unique<tav::ObjectOwnedVector<Application>> ("TestApplication");

    for (auto& n : names)
    {
        auto application = std::make_unique<Application>();
        application->name.set (n, tav::ChangeCallback::none());
        list->append (std::move (application), tav::ChangeCallback::none());
    }

    return list;
}

/** The names of a list's applications, in order. */
inline juce::StringArray namesOf (const tav::ObjectOwnedVector<Application>& list)
{
    juce::StringArray names;

    for (size_t i = 0; i < list.size(); ++i)
        names.add (list.get (i)->name.get());

    return names;
}

/** Counts the change notifications of an object and of its members. */
class ChangeCounter : public tav::ChangeListener
{
public:
    explicit ChangeCounter (tav::Object& o) : object (o)     { object.addChangeListener (this); }
    ~ChangeCounter() override                                { object.removeChangeListener (this); }
    void objectChanged (tav::Object&) override               { ++changes; }

    tav::Object& object;
    int changes = 0;
};

/** A program to own the GUI thread, as every program of the suite does. */
class TestProgram : public tav::Program
{
public:
    TestProgram() : Program ("Tav View Test", "Test", 1, 2, 3, "t") {}
    juce::String getClassName() const override    { return "TestProgram"; }
    bool isGuiProgram() const override            { return true; }
    bool startProgram() override                  { return true; }
    int programStopped() override                 { return 0; }
};

//==============================================================================
/**
    JUCE's GUI on the test's (message) thread, the library GuiTav, and a
    library "TavViewTest" for the test's own classes, which a test adds with
    addClass().
*/
class TavViewFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        tav::Library::getRootLibrary().addLibrary (gui::tav::createTavLibrary());
        auto library = std::make_unique<tav::Library> ("TavViewTest");
        library->addClass ("TestColour", std::make_unique<tav::EnumerationClassOf<Colour>> (
                                             std::initializer_list<tav::Enumerator> { { "red", 1 }, { "green", 2 }, { "blue", 3 } }));
        library->addClass ("TestSettings", std::make_unique<SettingsClass>());
        library->addClass ("TestApplication", std::make_unique<ApplicationClass>());
        testLibrary = library.get();
        tav::Library::getRootLibrary().addLibrary (std::move (library));
    }

    void TearDown() override
    {
        tav::Library::getRootLibrary().removeLibrary ("TavViewTest");
        tav::Library::getRootLibrary().removeLibrary ("GuiTav");
    }

    void addClass (const juce::String& name, std::unique_ptr<tav::Class> c)
    {
        ASSERT_TRUE (testLibrary->addClass (name, std::move (c))) << name;
    }

    template <class T>
    static std::unique_ptr<T> create (const juce::String& className)
    {
        auto object = tav::Library::getRootLibrary().createObject (className);
        return std::unique_ptr<T> (dynamic_cast<T*> (object.release()));
    }

    StandaloneApplication standalone;
    juce::ScopedJuceInitialiser_GUI gui;
    tav::Library* testLibrary = nullptr;
};

/** A plain window showing a component (not owned) at the given bounds. */
class ContentWindow : public juce::DocumentWindow
{
public:
    ContentWindow (const juce::String& title, juce::Component& content, juce::Rectangle<int> bounds)
        : juce::DocumentWindow (title, juce::Colour (0xff2b2f36), 0)
    {
        setContentNonOwned (&content, false);
        setBounds (bounds);
        setVisible (true);
    }
};

/** The top-level window of an open popup menu, or nullptr. */
inline juce::Component* findMenuWindow()
{
    auto& desktop = juce::Desktop::getInstance();

    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* c = desktop.getComponent (i); c->getName() == "menu" && c->isShowing())
            return c;

    return nullptr;
}

/** The open dialog, or nullptr. */
inline juce::AlertWindow* findDialog()
{
    auto& desktop = juce::Desktop::getInstance();

    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* dialog = dynamic_cast<juce::AlertWindow*> (desktop.getComponent (i)); dialog != nullptr && dialog->isShowing())
            return dialog;

    return nullptr;
}

/** Writes a component's picture where the test leaves its artefacts. */
inline bool saveScreenshot (juce::Component& component, const juce::String& fileName)
{
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (fileName);
    file.deleteFile();
    juce::FileOutputStream out (file);
    return out.openedOk()
        && juce::PNGImageFormat().writeImageToStream (component.createComponentSnapshot (component.getLocalBounds()), out);
}

} // namespace tavviewtest
