#include "device/AmbrelSessionIdentifier.h"
#include <tavcore/Library.h>

namespace torvo
{

const tav::Class* AmbrelSessionIdentifier::getValueClass() const
{
    return tav::Library::getRootLibrary().findClass ("String");
}

} // namespace torvo
