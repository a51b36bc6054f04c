#pragma once

#include <tavview/SecretCommand.h>

namespace gui::tav
{

//==============================================================================
/** While it lives, the debug build's "always show secret entries" is off, so
    that a menu being built shows its ordinary form unless the user asks for
    the secret one. */
struct OrdinaryMenuForm
{
    OrdinaryMenuForm()    { SecretCommand::setDebugBuildAlwaysDisplaySecretCommand (false); }
    ~OrdinaryMenuForm()   { SecretCommand::setDebugBuildAlwaysDisplaySecretCommand (true); }

    OrdinaryMenuForm (const OrdinaryMenuForm&) = delete;
    OrdinaryMenuForm& operator= (const OrdinaryMenuForm&) = delete;
};

} // namespace gui::tav
