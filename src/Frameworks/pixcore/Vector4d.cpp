#include "pixcore/Vector4d.h"
#include <tavcore/Real.h>

namespace graphics
{

void Vector4d::set (const Components& newValue, tav::ChangeCallback callback)
{
    if (newValue == value)
        return;

    value = newValue;

    if (callback.shouldNotify())
        sendChangeNotification();
}

tav::State Vector4d::saveState() const
{
    auto state = tav::State::makeMap();
    const std::pair<const char*, double> entries[] = { { "x", value.x }, { "y", value.y }, { "z", value.z }, { "w", value.w } };

    for (auto& [name, component] : entries)
        state.setChild (name, tav::Real (component).saveState());

    return state;
}

juce::Result Vector4d::loadState (const tav::State& state, const juce::String& sourceName)
{
    if (! state.isMap())
        return juce::Result::fail (state.describePosition (sourceName) + ": expected a map {x=, y=, z=, w=} for a Vector4d");

    auto loaded = value;
    const std::pair<const char*, double*> entries[] = { { "x", &loaded.x }, { "y", &loaded.y }, { "z", &loaded.z }, { "w", &loaded.w } };

    for (auto& [name, component] : entries)
    {
        if (const auto* child = state.getChild (name))
        {
            tav::Real reader (*component);

            if (auto r = reader.loadState (*child, sourceName); r.failed())
                return r;

            *component = reader.get();
        }
    }

    set (loaded, tav::ChangeCallback::notify());
    return juce::Result::ok();
}

} // namespace graphics
