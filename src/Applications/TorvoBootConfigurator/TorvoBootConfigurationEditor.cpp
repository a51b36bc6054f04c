#include "TorvoBootConfigurationEditor.h"

#include <tavcore/ClassOf.h>
#include <tavview/ObjectOwnedVectorEditor.h>
#include <tavview/VariablesEditor.h>
#include <tavview/WeakPointerContextualEditor.h>
#include <tavview/WidgetCreation.h>

namespace gui::tav
{

namespace
{
    // The list's share of the width.
    constexpr double listRatio = 0.25;
}

TorvoBootConfigurationEditor::TorvoBootConfigurationEditor()
{
    addMemberVariableObject (widget, "widget");
    addMemberVariableObject (selectedApplication, "selectedApplication");
}

TorvoBootConfigurationEditor::~TorvoBootConfigurationEditor()
{
    callDeinitializeWidget();
}

const ::tav::Class* TorvoBootConfigurationEditor::getStaticClass()
{
    return ::tav::ClassOf<TorvoBootConfigurationEditor>::instance;
}

bool TorvoBootConfigurationEditor::hasConfigurationTarget() const
{
    const auto* target = getTarget();
    const auto* configurationClass = getClass() != nullptr ? getClass()->getClassRelativeToThis (os::TorvoBootConfiguration::className, false)
                                                           : nullptr;
    return target != nullptr && configurationClass != nullptr && target->isInstanceOf (configurationClass);
}

void TorvoBootConfigurationEditor::initializeWidget()
{
    auto* configuration = hasConfigurationTarget() ? getTargetAs<os::TorvoBootConfiguration>() : nullptr;

    if (configuration == nullptr)
        return;

    buildSplit (*configuration);
    setFlat (true, ::tav::ChangeCallback::notify());
    widget.setFlat (true, ::tav::ChangeCallback::notify());
    addChildWidget (widget);
    resized();

    if (auto* list = dynamic_cast<ObjectOwnedVectorEditor*> (widget.getFirst()))
        attachToTable (list->getTable());
}

void TorvoBootConfigurationEditor::buildSplit (os::TorvoBootConfiguration& configuration)
{
    auto list = createValueWidget (::tav::Library::getRootLibrary().findClass ("ObjectOwnedVectorEditor"), configuration.applications, nullptr);

    auto details = std::make_unique<WeakPointerContextualEditor>();
    details->setEditorClass (::tav::Library::getRootLibrary().findClass ("VariablesEditor"));
    details->setTarget (&selectedApplication, ::tav::ChangeCallback::notify());

    widget.setArrangement (SplitArrangement::firstLeft, ::tav::ChangeCallback::notify());
    widget.setRatio (listRatio);
    widget.setFirst (std::move (list));
    widget.setSecond (std::move (details));
}

void TorvoBootConfigurationEditor::attachToTable (Table& table)
{
    if (table.getNumAccessibleRows() > 0)
        table.selectRow (table.getRowTarget (0), false, true);

    applicationTable = &table;
    selectedApplication.set (table.getSelection().get(), ::tav::ChangeCallback::notify());
    selectionWatcher = std::make_unique<ChangeWatcher> (table.getSelection(), [this] { selectionChanged(); });
}

void TorvoBootConfigurationEditor::selectionChanged()
{
    if (auto* table = applicationTable.getComponent())
        if (selectedApplication.get() != table->getSelection().get())
            selectedApplication.set (table->getSelection().get(), ::tav::ChangeCallback::notify());
}

void TorvoBootConfigurationEditor::deinitializeWidget()
{
    selectionWatcher = nullptr;
    applicationTable = nullptr;

    if (widget.getParentComponent() == this)
        removeChildWidget (widget);
}

} // namespace gui::tav
