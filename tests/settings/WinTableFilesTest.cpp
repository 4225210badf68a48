#include <gtest/gtest.h>

#include "FailingTableFiles.h"
#include "settings/ButtonTableCodec.h"
#include "settings/ButtonTableFile.h"
#include "settings/WinTableFiles.h"
#include "tests/support/WinTestSupport.h"

namespace {

std::size_t FilesIn(const TTempFolder& folder)
{
    std::size_t count = 0;
    WIN32_FIND_DATAA data;
    const HANDLE find = ::FindFirstFileA((folder.Path() + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..")
            ++count;
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return count;
}

TButtonTable NotepadTable()
{
    TButtonTable table;
    table.SetCell(1, 1, "Notepad");
    table.SetCell(2, 1, "C:\\WINDOWS\\notepad.exe");
    table.SetCell(3, 1, "$FFCC00 readme.txt");
    return table;
}

TEST(WinTableFiles, SavesByteForByteOverAnOldFileAndLoadsItBack)
{
    TTempFolder folder;
    const auto path = folder.File("Tavorin.dat");
    WriteFileBytes(path, std::string(5000, 'o'));
    const auto table = NotepadTable();
    SaveTableFile(table, path);
    EXPECT_EQ(ReadFileBytes(path), EncodeTableFile(table));
    EXPECT_EQ(FilesIn(folder), 1u);

    TButtonTable loaded;
    loaded.SetCell(4, 15, "kept");  // loading does not clear the table
    LoadTableFile(loaded, path);
    EXPECT_EQ(loaded.GetCell(2, 1), "C:\\WINDOWS\\notepad.exe");
    EXPECT_EQ(loaded.GetCell(4, 15), "kept");
}

TEST(WinTableFiles, AReadOnlyTargetRaisesCannotCreateAndKeepsTheOldFile)
{
    TTempFolder folder;
    const auto path = folder.File("Tavorin.dat");
    const std::string old = "5,16\r\n1,1,Old\r\n";
    WriteFileBytes(path, old);
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    try {
        SaveTableFile(NotepadTable(), path);
        ADD_FAILURE() << "saved over a read-only file";
    } catch (const EButtonTableError& error) {
        EXPECT_EQ(error.Message(), "Cannot Create " + path);
    }
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(FilesIn(folder), 1u);
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WinTableFiles, ATargetThatIsAFolderOrInAMissingFolderRaisesCannotCreate)
{
    TTempFolder folder;
    const auto directory = folder.File("Tavorin.dat");
    ASSERT_TRUE(::CreateDirectoryA(directory.c_str(), nullptr));
    for (const auto& path : {directory, folder.File("missing\\Tavorin.dat")}) {
        try {
            SaveTableFile(NotepadTable(), path);
            ADD_FAILURE() << "saved to " << path;
        } catch (const EButtonTableError& error) {
            EXPECT_EQ(error.Message(), "Cannot Create " + path);
        }
    }
    EXPECT_EQ(FilesIn(folder), 1u);
}

TEST(WinTableFiles, AWriteFailingHalfWayKeepsTheOldFile)
{
    TTempFolder folder;
    const auto path = folder.File("Tavorin.dat");
    const std::string old = "5,16\r\n1,1,Old\r\n";
    WriteFileBytes(path, old);
    TWinTableFiles files;
    TFailingTableFiles failing(files);
    EXPECT_THROW(SaveTableFile(NotepadTable(), path, failing), EInOutError);
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(FilesIn(folder), 1u);
}

TEST(WinTableFiles, AMissingFileRaisesCannotOpen)
{
    TTempFolder folder;
    const auto path = folder.File("Tavorin.dat");
    TButtonTable table;
    try {
        LoadTableFile(table, path);
        FAIL() << "no error";
    } catch (const EButtonTableError& error) {
        EXPECT_EQ(error.Message(), "Cannot open file " + path);
    }
}

}  // namespace
