#include "tavview/PelloThread.h"

#include "tavview/DialogExecutionContextView.h"
#include "tavview/WidgetCreation.h"

#include <atomic>

namespace gui::tav
{

namespace
{
    // The one GUI thread of the process: there is one message thread.
    std::atomic<PelloThread*> runningThread { nullptr };
}

PelloThread::PelloThread (const juce::String& threadName, ::tav::Object* parentObject)
    : ::tav::Thread (threadName, parentObject)
{
}

PelloThread::~PelloThread()
{
    stopTavThread (0);
}

PelloThread* PelloThread::get() noexcept
{
    return runningThread.load();
}

::tav::Program* PelloThread::getProgram() const noexcept
{
    return dynamic_cast<::tav::Program*> (getParent());
}

bool PelloThread::threadStarted (::tav::SuccessStatus& status)
{
    if (! juce::MessageManager::existsAndIsCurrentThread())
    {
        status.setError ("The GUI thread " + getThreadName() + " must start on the message thread",
                         ::tav::ChangeCallback::none());
        return false;
    }

    PelloThread* none = nullptr;

    if (! runningThread.compare_exchange_strong (none, this))
    {
        status.setError ("Another GUI thread runs already", ::tav::ChangeCallback::none());
        return false;
    }

    if (! tavThreadStarted())
    {
        tavThreadStopped();
        runningThread = nullptr;
        status.setError ("The GUI thread " + getThreadName() + " did not start", ::tav::ChangeCallback::none());
        return false;
    }

    startTimer (updatePeriodMs);
    return true;
}

void PelloThread::threadStopped()
{
    stopTimer();
    tavThreadStopped();
    runningThread = nullptr;
}

void PelloThread::timerCallback()
{
    callThreadUpdate (false);
}

bool PelloThread::tavThreadStarted()
{
    repaintPump = WineRepaintPump::createIfNeeded();
    attachDialogs();

    const auto serviceClass = getClassAttributeText ("service");

    if (serviceClass.isEmpty())
        return true;

    service = createObjectOfClass<PelloService> (serviceClass, "the GUI service");

    if (service == nullptr)
        return false;

    service->setParent (this);
    ::tav::SuccessStatus status;
    return service->loadConfiguration (status);
}

void PelloThread::tavThreadStopped()
{
    mainWindow = nullptr;

    // A service without settings writes no file.
    if (service != nullptr && service->getNumMemberVariableObjects() > 0)
        if (const auto saved = service->saveConfiguration(); saved.failed())
            getExecutionContext().warning ("The GUI settings were not saved: " + saved.getErrorMessage());

    service = nullptr;
    detachDialogs();
    repaintPump = nullptr;
}

void PelloThread::attachDialogs()
{
    if (! dialogViews.empty())
        return;

    auto* program = getProgram();
    const auto title = program != nullptr ? program->getVersion().getName() : getThreadName();

    for (auto* context : { &getExecutionContext(), &::tav::ExecutionContext::getThreadDefault() })
    {
        auto view = std::make_unique<DialogExecutionContextView> (title);
        dialogViews.emplace_back (context, view.get());
        context->addView (std::move (view));
    }
}

void PelloThread::detachDialogs()
{
    for (auto [context, view] : dialogViews)
        context->removeView (view);

    dialogViews.clear();
}

bool PelloThread::createMainWindowsIfNeeded()
{
    if (mainWindow != nullptr)
        return true;

    const auto windowClass = getClassAttributeText ("mainWindowClass");

    if (windowClass.isEmpty())
    {
        getExecutionContext().error ("Class \"" + getClassName() + "\" names no mainWindowClass");
        return false;
    }

    mainWindow = createObjectOfClass<TopWindow> (windowClass, "the main window");

    if (mainWindow == nullptr)
        return false;

    mainWindow->setParent (this);

    if (auto* program = getProgram())
        mainWindow->setTitle (program->getVersion().getName());

    return true;
}

juce::String PelloThread::getClassAttributeText (const juce::String& attributeName) const
{
    const auto* threadClass = getClass();
    const auto* attribute = threadClass != nullptr ? threadClass->getAttribute (attributeName) : nullptr;
    return attribute != nullptr ? attribute->getText() : juce::String();
}

} // namespace gui::tav
