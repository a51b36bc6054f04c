#pragma once

#include <tavcore/Class.h>

#include <array>

namespace launcher
{

/** The image attributes in the order the display thread loads them: record i comes from name i. */
inline constexpr std::array<const char*, 11> imageAttributeNames {
    "torvoLive", "ip", "performances", "project", "system", "arrowUp", "arrowDown",
    "onAirActivated", "onAirDeactivated", "outputActive", "outputDisabled"
};

//==============================================================================
/**
    "MatrixOrbitalImages": an abstract class whose attributes are the front
    panel's images, each a state unpacked from the LZ4 block the library
    carries, so that the display thread finds them by name through the class.
*/
class MatrixOrbitalImagesClass : public tav::Class
{
public:
    MatrixOrbitalImagesClass();
    ~MatrixOrbitalImagesClass() override;

    bool isAbstractClass() const override    { return true; }

private:
    void declareAttributes (tav::ExecutionContext& context);
};

} // namespace launcher
