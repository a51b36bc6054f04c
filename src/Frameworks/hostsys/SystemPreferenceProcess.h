#pragma once

namespace os
{

//==============================================================================
/** The operating system's settings dialogs that Process::startSystemPreferenceProcess
    opens. */
enum class SystemPreferenceProcess
{
    controlPanel = 0,               /**< the settings overview */
    systemProperties = 1,           /**< the computer's system properties */
    systemEnvironmentVariables = 2  /**< the editor of the machine-wide environment variables */
};

} // namespace os
