#include "app/DataDirectorySystem.h"

#include <gtest/gtest.h>

#include "app/VersionInfo.h"
#include "base/Strings.h"
#include "tests/support/WinTestSupport.h"

namespace {

const std::string kDocumentsData = "C:\\users\\Public\\Documents\\Quennor\\Tavorin\\";

// Creates the data folder under the common documents for the length of a test, unless
// it was there already.
class TDocumentsDataFolder {
public:
    TDocumentsDataFolder()
    {
        ::CreateDirectoryA("C:\\users\\Public\\Documents\\Quennor", nullptr);
        created_ = ::CreateDirectoryA(kDocumentsData.c_str(), nullptr) != 0;
    }
    ~TDocumentsDataFolder()
    {
        if (created_)
            ::RemoveDirectoryA(kDocumentsData.c_str());
    }

private:
    bool created_ = false;
};

}  // namespace

TEST(SystemDataDirectory, VersionRecordGivesThePrefix)
{
    TSystemDataDirectorySources sources;
    EXPECT_EQ(sources.FileVersion(), "1.0.0.5");
    EXPECT_EQ(VersionPrefix(sources.FileVersion()), "1.0");
    EXPECT_EQ(ReadVersionString(ProgramFileName(), "CompanyName"), "Quennor Software");
    EXPECT_EQ(ReadVersionString(ProgramFileName(), "NoSuchEntry"), "");
    EXPECT_EQ(ReadVersionString("C:\\no\\such\\file.exe", "FileVersion"), "");
}

TEST(SystemDataDirectory, CommonDocumentsFolderWhenItsDataFolderExists)
{
    TSystemDataDirectorySources sources;
    ASSERT_TRUE(sources.CommonDocumentsFolder().has_value());
    EXPECT_TRUE(SameText(*sources.CommonDocumentsFolder(), "C:\\users\\Public\\Documents"));

    {
        TDocumentsDataFolder folder;
        ResolveDataDirectory();
        EXPECT_TRUE(SameText(DataDirectory, kDocumentsData)) << DataDirectory;
    }
}

TEST(SystemDataDirectory, ProgramFolderWhenTheDataFolderIsMissing)
{
    // A folder that another test left in this prefix is moved aside for the test.
    const std::string aside = "C:\\users\\Public\\Documents\\Quennor\\Tavorin-aside";
    const std::string folder = kDocumentsData.substr(0, kDocumentsData.size() - 1);
    const bool movedAside = ::MoveFileA(folder.c_str(), aside.c_str()) != 0;
    ResolveDataDirectory();
    EXPECT_TRUE(SameText(DataDirectory, TestProgramFolder())) << DataDirectory;
    EXPECT_EQ(DataDirectory.back(), '\\');
    EXPECT_EQ(::GetFileAttributesA(kDocumentsData.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing is created";
    if (movedAside)
        ::MoveFileA(aside.c_str(), folder.c_str());
}

TEST(SystemDataDirectory, RegistryValueIsReadFromTheVersionKey)
{
    const std::string key = UserFilesPathKey("9.9");
    HKEY opened = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                                nullptr),
              ERROR_SUCCESS);
    const char value[] = "D:\\Kiosk\\";
    ::RegSetValueExA(opened, "UserFilesPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);

    TSystemDataDirectorySources sources;
    EXPECT_EQ(sources.UserFilesPath(key), "D:\\Kiosk\\");
    EXPECT_EQ(sources.UserFilesPath(UserFilesPathKey("0.0")), "") << "missing key";

    ::RegDeleteValueA(opened, "UserFilesPath");
    EXPECT_EQ(sources.UserFilesPath(key), "") << "missing value";
    ::RegCloseKey(opened);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
}
