#include "ftd2xx/DeviceCatalog.h"

#include <gmock/gmock.h>

using namespace ftd2xxsim;

namespace
{

struct Entry
{
    std::uint32_t type;
    std::uint32_t locationId;
    bool hasMpsse;
    std::string description;
};

struct CatalogCase
{
    const char* name;
    const char* devices;
    std::vector<Entry> entries;
};

class Catalog : public testing::TestWithParam<CatalogCase> {};

TEST_P (Catalog, ListsOneEntryPerChannelInOrder)
{
    const auto channels = describeDevices (GetParam().devices);
    ASSERT_EQ (channels.size(), GetParam().entries.size());

    for (std::size_t i = 0; i < channels.size(); ++i)
    {
        SCOPED_TRACE (i);
        const auto& expected = GetParam().entries[i];
        EXPECT_EQ (channels[i].node.Type, expected.type);
        EXPECT_EQ (channels[i].node.LocId, expected.locationId);
        EXPECT_EQ (channels[i].hasMpsse, expected.hasMpsse);
        EXPECT_EQ (channels[i].node.Description, expected.description);
    }
}

INSTANTIATE_TEST_SUITE_P (Lists, Catalog, testing::Values (
    CatalogCase { "Empty", "", {} },
    CatalogCase { "Ft232h", "FT232H", { { 8, 0x10, true, "Single RS232-HS" } } },
    CatalogCase { "Mixed", "FT2232H,FT4232H,FT232R",
                  { { 6, 0x11, true, "Dual RS232-HS A" }, { 6, 0x12, true, "Dual RS232-HS B" },
                    { 7, 0x21, true, "Quad RS232-HS A" }, { 7, 0x22, true, "Quad RS232-HS B" },
                    { 7, 0x23, false, "Quad RS232-HS C" }, { 7, 0x24, false, "Quad RS232-HS D" },
                    { 5, 0x30, false, "FT232R USB UART" } } },
    CatalogCase { "Ft2232cPortAOnly", "FT2232C", { { 4, 0x11, true, "Dual RS232 A" }, { 4, 0x12, false, "Dual RS232 B" } } },
    CatalogCase { "UnknownNamesSkipped", "FT9999,,FT232H", { { 8, 0x20, true, "Single RS232-HS" } } }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST (Catalog, WiresTheNamedSlaveToTheFirstPort)
{
    const auto channels = describeDevices ("FT2232H:BT815");
    ASSERT_EQ (channels.size(), 2u);
    EXPECT_EQ (channels[0].slave, "BT815");
    EXPECT_EQ (channels[1].slave, "");
}

} // namespace
