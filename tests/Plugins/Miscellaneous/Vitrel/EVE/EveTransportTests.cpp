#include "EVE/EveTransport.h"
#include "EveFixture.h"

#include <gmock/gmock.h>

#include <functional>

using namespace vitrel;
using namespace vitrel::test;
using testing::ElementsAreArray;

namespace
{

struct FramingCase
{
    const char* name;
    std::function<void()> access;
    std::vector<std::string> calls;
};

class Framing : public EveFixture, public testing::WithParamInterface<FramingCase> {};

TEST_P (Framing, IsOneChipSelectWindowOfTheDocumentedPrimitives)
{
    GetParam().access();
    EXPECT_THAT (bus().calls, ElementsAreArray (GetParam().calls));
}

INSTANTIATE_TEST_SUITE_P (Accesses, Framing, testing::Values (
    FramingCase { "HostCommand", [] { eve::hostCommand (0x44); },
                  { "select", "byte 44", "byte 00", "byte 00", "deselect" } },
    FramingCase { "Write8", [] { eve::wr8 (eve::REG_PCLK, 5); },
                  { "select", "byte B0", "byte 20", "byte 70", "byte 05", "deselect" } },
    FramingCase { "Write16", [] { eve::wr16 (eve::REG_HCYCLE, 0x020C); },
                  { "select", "byte B0", "byte 20", "byte 2C", "byte 0C", "byte 02", "deselect" } },
    FramingCase { "Write32", [] { eve::wr32 (eve::REG_FREQUENCY, 60'000'000); },
                  { "select", "bytes B0 20 0C 00 87 93 03", "deselect" } },
    FramingCase { "Read8", [] { eve::rd8 (eve::REG_ID); },
                  { "select", "byte 30", "byte 20", "byte 00", "byte 00", "read 1", "deselect" } },
    FramingCase { "Read16", [] { eve::rd16 (eve::REG_CMD_READ); },
                  { "select", "byte 30", "byte 20", "byte F8", "byte 00", "read 2", "deselect" } },
    FramingCase { "Read32", [] { eve::rd32 (eve::ROM_CHIPID); },
                  { "select", "bytes 0C 00 00", "byte 00", "read 4", "deselect" } }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (EveFixture, ReadsAssembleLittleEndianValues)
{
    bus().poke (eve::ROM_CHIPID, 0x00011508);
    EXPECT_EQ (eve::rd32 (eve::ROM_CHIPID), 0x00011508u);
    EXPECT_EQ (eve::rd16 (eve::ROM_CHIPID), 0x1508u);
    EXPECT_EQ (eve::rd8 (eve::ROM_CHIPID + 2), 0x01u);
}

TEST_F (EveFixture, TheControllerIsPresentOnlyWhenRegIdReads7C)
{
    EXPECT_FALSE (eve::isControllerPresent());     // a dead bus reads 0
    bus().poke (eve::REG_ID, 0x7C, 1);
    EXPECT_TRUE (eve::isControllerPresent());
    bus().poke (eve::REG_ID, 0xFC, 1);
    EXPECT_FALSE (eve::isControllerPresent());
}

} // namespace
