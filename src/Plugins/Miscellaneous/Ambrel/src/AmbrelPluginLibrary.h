#pragma once

#include <torvocore/PluginLibrary.h>

namespace torvo
{

//==============================================================================
/**
    The plug-in's library object: registers the grading classes while it
    lives and unregisters them, newest first, when it is deleted.
*/
class srcLibrary : public PluginLibrary
{
public:
    srcLibrary();
    ~srcLibrary() override;
};

} // namespace torvo
