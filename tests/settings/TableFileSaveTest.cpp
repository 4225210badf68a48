#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "FailingTableFiles.h"
#include "settings/ButtonTableCodec.h"
#include "settings/ButtonTableFile.h"
#include "settings/StdTableFiles.h"

namespace {

namespace fs = std::filesystem;

class TableFileSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("tavorin-table-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream stream(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << stream.rdbuf();
        return bytes.str();
    }
    std::size_t EntriesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
    TStdTableFiles files_;
};

TEST_F(TableFileSave, WritesTheFileAndReadsItBack)
{
    TButtonTable table;
    table.SetCell(1, 1, "Notepad");
    table.SetColWidths(2, 250);
    const auto path = PathOf("Tavorin.dat");
    WriteBytes(path, "an older, longer file that the new one replaces completely");
    SaveTableFile(table, path, files_);
    EXPECT_EQ(ReadBytes(path), EncodeTableFile(table));
    EXPECT_EQ(EntriesInFolder(), 1u);

    TButtonTable loaded;
    int repaints = 0;
    loaded.OnChanged = [&repaints] { ++repaints; };
    LoadTableFile(loaded, path, files_);
    EXPECT_EQ(EncodeTableFile(loaded), EncodeTableFile(table));
    EXPECT_GE(repaints, 1);
}

TEST_F(TableFileSave, AWriteFailingHalfWayLeavesTheOldFile)
{
    const auto path = PathOf("Tavorin.dat");
    const std::string old = "5,16\r\n1,1,Old caption\r\n";
    WriteBytes(path, old);
    TFailingTableFiles failing(files_);
    EXPECT_THROW(SaveTableFile(TButtonTable(), path, failing), EInOutError);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(EntriesInFolder(), 1u) << "the half-written file is removed";
}

TEST_F(TableFileSave, ATargetThatCannotBeCreatedRaisesCannotCreate)
{
    const auto directory = PathOf("Tavorin.dat");
    fs::create_directory(directory);
    const auto missingFolder = PathOf("missing/Tavorin.dat");
    for (const auto& path : {directory, missingFolder}) {
        try {
            SaveTableFile(TButtonTable(), path, files_);
            ADD_FAILURE() << "saved to " << path;
        } catch (const EButtonTableError& error) {
            EXPECT_EQ(error.Message(), "Cannot Create " + path);
        }
    }
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(TableFileSave, AFileThatCannotBeOpenedRaisesCannotOpenAndChangesNothing)
{
    fs::create_directory(PathOf("folder.dat"));
    for (const auto& path : {PathOf("missing.dat"), PathOf("folder.dat")}) {
        TButtonTable table;
        try {
            LoadTableFile(table, path, files_);
            ADD_FAILURE() << "loaded " << path;
        } catch (const EButtonTableError& error) {
            EXPECT_EQ(error.Message(), "Cannot open file " + path);
        }
        EXPECT_EQ(EncodeTableFile(table), EncodeTableFile(TButtonTable()));
    }
}

}  // namespace
