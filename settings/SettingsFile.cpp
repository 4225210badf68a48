#include "settings/SettingsFile.h"

#include <algorithm>

#include "base/Convert.h"
#include "base/Exception.h"
#include "settings/ColorString.h"

int ClampIdleMinutes(int minutes)
{
    return std::clamp(minutes, MinIdleMinutes, MaxIdleMinutes);
}

int IdleMinutesFromText(std::string_view text)
{
    return ClampIdleMinutes(StrToIntDef(text, 0));
}

namespace {

std::string Read(const TIniStore& ini, const char* key, const std::string& defaultValue)
{
    auto value = ini.ReadString(SettingsSection, key, defaultValue);
    if (value.size() > TIniStore::MaxValueLength)
        value.resize(TIniStore::MaxValueLength);
    return value;
}

// A missing key reads as the empty text, which is not an integer. "0x" at the start
// counts as "$"; the conversion takes it so.
int ReadInteger(const TIniStore& ini, const char* key, int defaultValue)
{
    return StrToIntDef(Read(ini, key, ""), defaultValue);
}

}  // namespace

TSettings ReadSettings(const TIniStore& ini)
{
    TSettings settings;
    settings.IdleMinutes = ClampIdleMinutes(ReadInteger(ini, "IdleMinutes", 0));
    settings.Picture = Read(ini, "Picture", "");
    try {
        settings.BackGround = HexToColor(Read(ini, "BackGround", DefaultBackGround));
    } catch (const EConvertError& error) {
        settings.BackGroundError = error.Message();
    }
    settings.HotKey = Read(ini, "HotKey", "");
    settings.PictureLocation = ReadInteger(ini, "PictureLocation", 2);
    if (settings.PictureLocation < 1 || settings.PictureLocation > 3)
        settings.PictureLocation = 2;
    settings.MainPassword = Read(ini, "MainPassword", "");
    settings.ClosePassword = ReadInteger(ini, "ClosePassword", 1) != 0;
    return settings;
}

void TSettingsWriter::Write(const char* key, const std::string& value)
{
    ini_.WriteString(SettingsSection, key, value);
}

void TSettingsWriter::WriteIdleMinutes(int minutes) { Write("IdleMinutes", std::to_string(minutes)); }
void TSettingsWriter::WriteBackGround(TColor color) { Write("BackGround", ColorToHex(color)); }
void TSettingsWriter::WritePicture(const std::string& path) { Write("Picture", path); }
void TSettingsWriter::WritePictureLocation(int location) { Write("PictureLocation", std::to_string(location)); }
void TSettingsWriter::WriteHotKey(const std::string& hotKey) { Write("HotKey", hotKey); }
void TSettingsWriter::WriteMainPassword(const std::string& password) { Write("MainPassword", password); }
void TSettingsWriter::Flush() { ini_.Flush(); }

void WriteSettings(TIniStore& ini, const TSettings& settings)
{
    TSettingsWriter writer(ini);
    writer.WriteIdleMinutes(settings.IdleMinutes);
    writer.WriteBackGround(settings.BackGround);
    writer.WritePicture(settings.Picture);
    writer.WritePictureLocation(settings.PictureLocation);
    writer.WriteHotKey(settings.HotKey);
    writer.WriteMainPassword(settings.MainPassword);
    writer.Flush();
}
