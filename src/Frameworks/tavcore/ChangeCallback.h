#pragma once

namespace tav
{

//==============================================================================
/**
    Says whether a setter tells the observers of the changed object.

    Setters of value objects take one: ChangeCallback::notify() informs every
    change listener of the object and of its parents, ChangeCallback::none()
    changes the value silently.
*/
class ChangeCallback
{
public:
    /** A callback that informs the observers of a change. */
    static ChangeCallback notify() noexcept          { return ChangeCallback (true); }

    /** A callback that changes the value without telling anybody. */
    static ChangeCallback none() noexcept            { return ChangeCallback (false); }

    /** True when observers are to be told. */
    bool shouldNotify() const noexcept               { return notifies; }

private:
    explicit ChangeCallback (bool shouldNotifyObservers) noexcept : notifies (shouldNotifyObservers) {}

    bool notifies;
};

} // namespace tav
