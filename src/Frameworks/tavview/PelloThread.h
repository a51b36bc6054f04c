#pragma once

#include "tavview/PelloService.h"
#include "tavview/TopWindow.h"
#include "tavview/WineRepaintPump.h"

#include <tavcore/Program.h>
#include <tavcore/Thread.h>

#include <memory>
#include <vector>

namespace gui::tav
{

//==============================================================================
/**
    The GUI thread of a program: the JUCE message thread, seen as a tav
    thread. It must be started with startTavThread (true) on the message
    thread; the message loop then pumps its updates.

    Its class names, in attributes, the classes it builds: "service", the
    program's PelloService, and "mainWindowClass", the main window. A program
    derives its own GUI thread class, owns the objects its windows edit as
    member variables, and loads and saves them in tavThreadStarted() and
    tavThreadStopped().

    One GUI thread runs per process; get() finds it from any widget. Stop it
    before it is destroyed, so that the overrides of tavThreadStopped() run.
*/
class PelloThread : public ::tav::Thread,
                    private juce::Timer
{
public:
    /** parentObject is normally the program, which the title bar asks for
        its name and version. */
    PelloThread (const juce::String& threadName, ::tav::Object* parentObject);
    ~PelloThread() override;

    juce::String getClassName() const override    { return "PelloThread"; }

    /** The running GUI thread, or nullptr. */
    static PelloThread* get() noexcept;

    /** Creates the main window of the class that the attribute
        "mainWindowClass" names, unless it exists; false when it cannot be
        created. The caller initialises and places it. */
    bool createMainWindowsIfNeeded();

    /** The main window, or nullptr. */
    TopWindow* getMainWindow() const noexcept     { return mainWindow.get(); }

    /** The running service, or nullptr. */
    PelloService* getService() const noexcept     { return service.get(); }

    /** The program this thread belongs to, or nullptr. */
    ::tav::Program* getProgram() const noexcept;

protected:
    /** Called on the message thread when the thread starts: shows the
        errors and questions of this thread's context and of the message
        thread's own in dialogs, creates the service and loads its
        configuration. Overrides call this first and give up when it returns
        false. */
    virtual bool tavThreadStarted();

    /** Called on the message thread when the thread stops: closes the
        windows and saves the service's configuration. Overrides call this
        last. */
    virtual void tavThreadStopped();

private:
    bool threadStarted (::tav::SuccessStatus& status) override;
    void threadUpdate() override                  {}
    void threadStopped() override;
    void timerCallback() override;
    juce::String getClassAttributeText (const juce::String& attributeName) const;

    void attachDialogs();
    void detachDialogs();

    std::unique_ptr<WineRepaintPump> repaintPump;
    std::vector<std::pair<::tav::ExecutionContext*, ::tav::ExecutionContextView*>> dialogViews;
    std::unique_ptr<PelloService> service;
    std::unique_ptr<TopWindow> mainWindow;
};

} // namespace gui::tav
