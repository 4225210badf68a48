#include <gtest/gtest.h>

#include "SettingsCases.h"
#include "settings/WinIniFile.h"
#include "tests/support/WinTestSupport.h"

namespace {

TEST(WinSettingsFile, ReadsEveryKeyWithItsDefaultAndCheckFromRealFiles)
{
    for (const auto& c : SettingsCases()) {
        SCOPED_TRACE(c.name);
        TTempFolder folder;
        const auto path = folder.File("Tavorin.ini");
        if (c.file)
            WriteFileBytes(path, *c.file);
        ExpectSettings(ReadSettings(TWinIniFile(path)), c.expected);
    }
}

TSettings SomeSettings()
{
    TSettings settings;
    settings.IdleMinutes = 7;
    settings.Picture = "C:\\pics\\logo.bmp";
    settings.BackGround = RGBColor(0xEC, 0xE9, 0xD8);
    settings.HotKey = "CTRL-F11";
    settings.PictureLocation = 3;
    settings.MainPassword = "Secret";
    settings.ClosePassword = false;
    return settings;
}

TEST(WinSettingsFile, WritesTheKeysInOrderAndReadsThemBack)
{
    TTempFolder folder;
    const auto path = folder.File("Tavorin.ini");
    TWinIniFile ini(path);
    WriteSettings(ini, SomeSettings());
    EXPECT_EQ(ReadFileBytes(path),
              "[Tavorin]\r\nIdleMinutes=7\r\nBackGround=$ECE9D8\r\nPicture=C:\\pics\\logo.bmp\r\n"
              "PictureLocation=3\r\nHotKey=CTRL-F11\r\nMainPassword=Secret\r\n");
    auto expected = SomeSettings();
    expected.ClosePassword = true;  // never written
    ExpectSettings(ReadSettings(TWinIniFile(path)), expected);
}

TEST(WinSettingsFile, WritingKeepsWhatAnAdministratorAddedByHand)
{
    TTempFolder folder;
    const auto path = folder.File("Tavorin.ini");
    WriteFileBytes(path, "[Tavorin]\r\nClosePassword=0\r\nIdleMinutes=2\r\n");
    TWinIniFile ini(path);
    WriteSettings(ini, SomeSettings());
    const auto read = ReadSettings(TWinIniFile(path));
    EXPECT_FALSE(read.ClosePassword);
    EXPECT_EQ(read.IdleMinutes, 7);
}

TEST(WinSettingsFile, AFileThatCannotBeWrittenRaisesUnableToWrite)
{
    TTempFolder folder;
    const auto path = folder.File("Tavorin.ini");
    ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr));  // writable by nobody, root included
    TWinIniFile ini(path);
    try {
        WriteSettings(ini, SomeSettings());
        FAIL() << "no error";
    } catch (const EIniFileError& error) {
        EXPECT_EQ(error.Message(), "Unable to write to " + path);
    }
}

TEST(WinSettingsFile, AFailedWriteKeepsTheKeysWrittenBefore)
{
    TTempFolder folder;
    const auto path = folder.File("Tavorin.ini");
    WriteFileBytes(path, "[Tavorin]\r\nPicture=old.bmp\r\nHotKey=CTRL-F9\r\n");
    TWinIniFile ini(path);
    TFailingIni failing(ini, 4);
    EXPECT_THROW(WriteSettings(failing, SomeSettings()), EIniFileError);
    const auto read = ReadSettings(TWinIniFile(path));
    EXPECT_EQ(read.IdleMinutes, 7);
    EXPECT_EQ(read.Picture, "C:\\pics\\logo.bmp");
    EXPECT_EQ(read.PictureLocation, 2);
    EXPECT_EQ(read.HotKey, "CTRL-F9");
}

}  // namespace
