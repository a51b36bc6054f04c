#pragma once

namespace gui::tav
{

/** The service the configurator controls: its name in every service manager
    call, and the program name of its executable beside the configurator's. */
constexpr const char* torvoBootServiceName = "TorvoBoot";

} // namespace gui::tav
