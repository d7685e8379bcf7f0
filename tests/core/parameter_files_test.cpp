// Pset.dat and Dset.dat: the record format, defaults and round trips.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/files/parameter_files.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;

struct ParameterFilesTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("zan-parameters-" + std::to_string(std::random_device{}()));
    ParameterFilesTest() { fs::create_directories(dir); }
    ~ParameterFilesTest() override { fs::remove_all(dir); }

    std::string Bytes(std::string_view name)
    {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST_F(ParameterFilesTest, MissingFilesGiveTheDefaults)
{
    EXPECT_EQ(ReadParameterFile(dir), kDefaultParameters);
    EXPECT_EQ(ReadOffsetFile(dir), ToolOffsets{});
}

TEST_F(ParameterFilesTest, ElevenByteRecordsAndFailedWrites)
{
    ASSERT_TRUE(WriteParameterFile(dir, kDefaultParameters));
    const std::string bytes = Bytes(kParameterFileName);
    ASSERT_EQ(bytes.size(), 253u);
    EXPECT_EQ(bytes.substr(0, 11), std::string("08000.000\0 ", 11));
    EXPECT_EQ(bytes.substr(11, 11), "-08000.000 ");
    EXPECT_EQ(ReadParameterFile(dir), kDefaultParameters);

    ToolOffsets offsets{};
    offsets[1] = -6;  // tool 1, X radius
    ASSERT_TRUE(WriteOffsetFile(dir, offsets));
    EXPECT_EQ(Bytes(kOffsetFileName).size(), 198u);
    EXPECT_EQ(ReadOffsetFile(dir), offsets);

    EXPECT_FALSE(WriteParameterFile(dir / "missing", kDefaultParameters));
    EXPECT_FALSE(WriteOffsetFile(dir / "missing", ToolOffsets{}));
}

TEST_F(ParameterFilesTest, ValuesComeBackWithThreeDecimals)
{
    Parameters values = kDefaultParameters;
    values[0] = 1.2345;
    values[1] = 7.347;
    values[2] = -9999.999;
    values[3] = -0.5;
    ASSERT_TRUE(WriteParameterFile(dir, values));
    const Parameters back = ReadParameterFile(dir);
    EXPECT_DOUBLE_EQ(back[0], 1.234);
    EXPECT_DOUBLE_EQ(back[1], 7.347);
    EXPECT_DOUBLE_EQ(back[2], -9999.999);
    EXPECT_DOUBLE_EQ(back[3], -0.5);
    ASSERT_TRUE(WriteParameterFile(dir, back));
    EXPECT_EQ(ReadParameterFile(dir), back);  // stable from the second save on
}

TEST_F(ParameterFilesTest, AShortFileKeepsTheRestAtDefaults)
{
    Parameters values{};
    values.fill(1);
    ASSERT_TRUE(WriteParameterFile(dir, values));
    fs::resize_file(dir / kParameterFileName, 5 * 11 + 4);  // five records and part of a sixth
    const Parameters back = ReadParameterFile(dir);
    EXPECT_EQ(back[4], 1);
    EXPECT_EQ(back[5], kDefaultParameters[5]);
    EXPECT_EQ(back[22], kDefaultParameters[22]);
}

}  // namespace
}  // namespace zan::test
