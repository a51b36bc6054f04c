#include "TorvoNetConfiguratorMainWindow.h"

#include "TorvoNetConfiguratorPelloThread.h"

#include <tavview/WidgetCreation.h>

namespace gui::tav
{

std::unique_ptr<Widget> TorvoNetConfiguratorMainView::createMainWidget()
{
    auto* thread = TorvoNetConfiguratorPelloThread::get();

    if (thread == nullptr)
        return nullptr;

    return createDefaultEditor (thread->configuration, nullptr);
}

} // namespace gui::tav
