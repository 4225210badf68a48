// Settings files and what reading them gives; run against an in-memory INI file natively
// and against real files through the system's INI functions on Windows.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"

struct TSettingsCase {
    const char* name;
    std::optional<std::string> file;  // nothing: there is no file
    TSettings expected;
};

inline TSettings Expect(void (*change)(TSettings&))
{
    TSettings settings;
    change(settings);
    return settings;
}

inline std::string Section(const std::string& lines)
{
    return "[Tavorin]\r\n" + lines;
}

inline std::vector<TSettingsCase> SettingsCases()
{
    const std::string longValue(3000, 'p');
    return {
        {"no file", std::nullopt, TSettings()},
        {"no section", std::string("[Other]\r\nIdleMinutes=5\r\nBackGround=$000000\r\n"), TSettings()},
        {"every key", Section("IdleMinutes=5\r\nPicture=C:\\pics\\logo.bmp\r\nBackGround=$FFCC00\r\n"
                              "HotKey=CTRL-F12\r\nPictureLocation=3\r\nMainPassword=Secret\r\nClosePassword=0\r\n"),
         Expect([](TSettings& s) {
             s.IdleMinutes = 5;
             s.Picture = "C:\\pics\\logo.bmp";
             s.BackGround = RGBColor(0xFF, 0xCC, 0x00);
             s.HotKey = "CTRL-F12";
             s.PictureLocation = 3;
             s.MainPassword = "Secret";
             s.ClosePassword = false;
         })},
        {"names in any letter case", std::string("[tavorin]\r\nidleminutes=3\r\nHOTKEY=ctrl-f12\r\n"),
         Expect([](TSettings& s) {
             s.IdleMinutes = 3;
             s.HotKey = "ctrl-f12";
         })},
        {"PictureLocation 0", Section("PictureLocation=0\r\n"), TSettings()},
        {"PictureLocation 4", Section("PictureLocation=4\r\n"), TSettings()},
        {"PictureLocation abc", Section("PictureLocation=abc\r\n"), TSettings()},
        {"PictureLocation 1", Section("PictureLocation=1\r\n"), Expect([](TSettings& s) { s.PictureLocation = 1; })},
        {"IdleMinutes 25", Section("IdleMinutes=25\r\n"), Expect([](TSettings& s) { s.IdleMinutes = 10; })},
        {"IdleMinutes -3", Section("IdleMinutes=-3\r\n"), TSettings()},
        {"IdleMinutes 0x0A", Section("IdleMinutes=0x0A\r\n"), Expect([](TSettings& s) { s.IdleMinutes = 10; })},
        {"IdleMinutes $7", Section("IdleMinutes=$7\r\n"), Expect([](TSettings& s) { s.IdleMinutes = 7; })},
        {"IdleMinutes empty", Section("IdleMinutes=\r\n"), TSettings()},
        {"ClosePassword 0", Section("ClosePassword=0\r\n"), Expect([](TSettings& s) { s.ClosePassword = false; })},
        {"ClosePassword 2", Section("ClosePassword=2\r\n"), TSettings()},
        {"ClosePassword yes", Section("ClosePassword=yes\r\n"), TSettings()},
        {"ClosePassword 0x0", Section("ClosePassword=0x0\r\n"), Expect([](TSettings& s) { s.ClosePassword = false; })},
        {"BackGround lower case without $", Section("BackGround=ffcc00\r\n"),
         Expect([](TSettings& s) { s.BackGround = RGBColor(0xFF, 0xCC, 0x00); })},
        {"BackGround empty fails, later keys still read",
         Section("BackGround=\r\nMainPassword=Secret\r\nClosePassword=0\r\n"), Expect([](TSettings& s) {
             s.BackGroundError = "'$' is not a valid integer value";
             s.MainPassword = "Secret";
             s.ClosePassword = false;
         })},
        {"BackGround not hexadecimal", Section("BackGround=$ECXXD8\r\n"),
         Expect([](TSettings& s) { s.BackGroundError = "'$XX' is not a valid integer value"; })},
        {"a 3,000-character value is cut at 2,047", Section("Picture=" + longValue + "\r\n"),
         Expect([](TSettings& s) { s.Picture = std::string(2047, 'p'); })},
        {"an empty text stays empty", Section("Picture=\r\nMainPassword=\r\nHotKey=\r\n"), TSettings()},
    };
}

inline void ExpectSettings(const TSettings& actual, const TSettings& expected)
{
    EXPECT_EQ(actual.IdleMinutes, expected.IdleMinutes);
    EXPECT_EQ(actual.Picture, expected.Picture);
    EXPECT_EQ(actual.BackGround, expected.BackGround);
    EXPECT_EQ(actual.HotKey, expected.HotKey);
    EXPECT_EQ(actual.PictureLocation, expected.PictureLocation);
    EXPECT_EQ(actual.MainPassword, expected.MainPassword);
    EXPECT_EQ(actual.ClosePassword, expected.ClosePassword);
    EXPECT_EQ(actual.BackGroundError, expected.BackGroundError);
}

// Passes writes on to an INI file until the given one, which fails as a full disk would.
class TFailingIni : public TIniStore {
public:
    TFailingIni(TIniStore& ini, int failingWrite) : ini_(ini), failingWrite_(failingWrite) {}
    std::string FileName() const override { return ini_.FileName(); }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override
    {
        return ini_.ReadString(section, key, defaultValue);
    }
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override
    {
        if (++writes_ == failingWrite_)
            throw EIniFileError(UnableToWriteMessage(FileName()));
        ini_.WriteString(section, key, value);
    }
    void Flush() override { ini_.Flush(); }

private:
    TIniStore& ini_;
    int failingWrite_;
    int writes_ = 0;
};
