#include "TorvoBootService.h"

TorvoBootService::TorvoBootService()
{
    addMemberVariableObject (configuration, "configuration");
}
