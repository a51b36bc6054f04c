#pragma once

#include <hostsys/TorvoBootConfiguration.h>
#include <tavcore/ObjectWeakPointer.h>
#include <tavview/ChangeWatcher.h>
#include <tavview/SplitLayout.h>
#include <tavview/Table.h>

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    The editor of a boot configuration (its target): the list of managed
    applications on the left, a quarter of the width, and the member
    variables of the application selected in it on the right. The first
    application is selected when the editor opens; with an empty list the
    right part stays empty.
*/
class TorvoBootConfigurationEditor : public ValueWidget
{
public:
    TorvoBootConfigurationEditor();
    ~TorvoBootConfigurationEditor() override;

    juce::String getClassName() const override    { return "TorvoBootConfigurationEditor"; }

    /** The registered class, while the library is loaded. */
    static const ::tav::Class* getStaticClass();

    /** True when the target is a boot configuration. */
    bool hasConfigurationTarget() const;

    /** The split of list and details. */
    SplitLayout& getSplit() noexcept              { return widget; }

    /** The application table while the editor is built, else nullptr. */
    Table* getApplicationTable() const noexcept   { return applicationTable.getComponent(); }

    /** The application the details show. */
    const ::tav::ObjectWeakPointer& getSelectedApplication() const noexcept   { return selectedApplication; }

    void resized() override                       { widget.setBounds (getLocalBounds()); }
    int getDefaultHeight() const override         { return widget.getDefaultHeight(); }
    int getDefaultWidth() const override          { return widget.getDefaultWidth(); }

protected:
    void initializeWidget() override;
    void deinitializeWidget() override;

private:
    void buildSplit (os::TorvoBootConfiguration& configuration);
    void attachToTable (Table& table);
    void selectionChanged();

    SplitLayout widget;
    ::tav::ObjectWeakPointer selectedApplication;
    juce::Component::SafePointer<Table> applicationTable;
    std::unique_ptr<ChangeWatcher> selectionWatcher;
};

} // namespace gui::tav
