#include "TorvoBootConfiguratorMainWindow.h"

#include "TorvoBootConfigurationEditor.h"
#include "TorvoBootConfiguratorPelloThread.h"
#include "TorvoBootHomeMenuButton.h"

#include <tavview/WidgetCreation.h>

namespace gui::tav
{

std::unique_ptr<Widget> TorvoBootConfiguratorMainView::createMainWidget()
{
    auto* thread = TorvoBootConfiguratorPelloThread::get();

    if (thread == nullptr)
        return nullptr;

    return createValueWidget (TorvoBootConfigurationEditor::getStaticClass(), thread->configuration, nullptr);
}

void TorvoBootConfiguratorMainTitleBar::populateLeftPart (StackLayout& layout)
{
    auto button = createWidget (TorvoBootHomeMenuButton::getStaticClass(), nullptr, nullptr);

    if (button == nullptr)
        return;

    button->setFlat (true, ::tav::ChangeCallback::notify());
    layout.addWidget (std::move (button), ::tav::ChangeCallback::notify());
}

} // namespace gui::tav
