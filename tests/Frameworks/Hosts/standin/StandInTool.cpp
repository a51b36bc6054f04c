// A plug-in standing in for a front-panel tool in the host's tests: its
// tool says on the host's console when each of its hooks runs, reads the
// host's status record the way a panel does, and complains when the hooks
// come in an order the host promises not to use.
#include "StandInExport.h"
#include <tavcore/ClassOf.h>
#include <tavcore/Library.h>
#include <torvocore/Tool.h>
#include <torvocore/TorvoServerInformation.h>

namespace standin
{

namespace
{
    void say (const juce::String& text)
    {
        tav::ExecutionContext::get().information ("StandInTool: " + text);
    }

    class StandInTool : public torvo::Tool
    {
    public:
        juce::String getClassName() const override    { return "StandInTool"; }

        bool startDisplay() override
        {
            expect (stage == Stage::created, "startDisplay");
            stage = Stage::started;
            say ("startDisplay");
            return true;
        }

        void preUpdate (const torvo::FrameInformation&) override
        {
            expect (stage == Stage::started || stage == Stage::updated, "preUpdate");
            stage = Stage::preUpdated;
        }

        void refreshInformation() override
        {
            expect (stage == Stage::preUpdated, "refreshInformation");
            stage = Stage::refreshed;

            if (! reported)
                reportInformation();
        }

        void updateStatus() override
        {
            expect (stage == Stage::refreshed, "updateStatus");
            stage = Stage::updated;
        }

        void stopDisplay() override
        {
            expect (stage == Stage::started || stage == Stage::updated, "stopDisplay");
            stage = Stage::stopped;
            say ("stopDisplay");
        }

        void unload() override
        {
            expect (stage == Stage::stopped, "unload");
            say ("unload");
        }

    private:
        enum class Stage { created, started, preUpdated, refreshed, updated, stopped };
        Stage stage = Stage::created;
        bool reported = false;

        static void expect (bool inOrder, const juce::String& hook)
        {
            if (! inOrder)
                say ("hooks out of order at " + hook);
        }

        /** Finds the record as a panel does: the engine's component by class, its variable by name. */
        void reportInformation()
        {
            auto* engine = getEngine();
            auto* component = engine != nullptr ? engine->findExtensionByClass (tav::getClass ("TorvoNetServerEngineComponent")) : nullptr;
            auto* variable = component != nullptr ? component->getVariableByName ("information") : nullptr;

            if (variable == nullptr || ! variable->isInstanceOf (torvo::TorvoServerInformation::getStaticClass()))
            {
                say ("refreshInformation without information");
                return;
            }

            torvo::TorvoServerInformation snapshot;
            snapshot = *static_cast<torvo::TorvoServerInformation*> (variable);
            say ("refreshInformation, Ram: " + snapshot.systemMemory.toString());
            reported = true;
        }
    };

    class StandInToolLibrary : public torvo::PluginLibrary
    {
    public:
        StandInToolLibrary() : PluginLibrary ("StandInTool", juce::File())
        {
            addClass ("StandInTool", std::make_unique<tav::ClassOf<StandInTool>> ("Tool"));
        }

        ~StandInToolLibrary() override    { removeClass ("StandInTool"); }
    };
}

} // namespace standin

STANDIN_PLUGIN_ENTRY (standin::StandInToolLibrary)
