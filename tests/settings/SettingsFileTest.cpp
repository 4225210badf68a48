#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "SettingsCases.h"
#include "base/Strings.h"

namespace {

// An INI file held in memory, with the platform's reading rules: names in any letter case,
// blanks around names and values dropped. Records every write in order.
class TMemoryIni : public TIniStore {
public:
    explicit TMemoryIni(const std::optional<std::string>& file = std::nullopt)
    {
        if (!file)
            return;
        std::istringstream lines(*file);
        std::string line, section;
        while (std::getline(lines, line)) {
            line = Trim(line);
            if (StartsWith(line, "[") && line.back() == ']') {
                section = UpperCase(line.substr(1, line.size() - 2));
            } else if (const auto equals = line.find('='); equals != std::string::npos) {
                values_[section][UpperCase(Trim(line.substr(0, equals)))] = Trim(line.substr(equals + 1));
            }
        }
    }
    std::string FileName() const override { return "C:\\Data\\Tavorin.ini"; }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override
    {
        const auto s = values_.find(UpperCase(section));
        if (s == values_.end())
            return defaultValue;
        const auto k = s->second.find(UpperCase(key));
        return k == s->second.end() ? defaultValue : k->second;
    }
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override
    {
        values_[UpperCase(section)][UpperCase(key)] = value;
        writes.push_back(section + ":" + key + "=" + value);
    }
    void Flush() override { writes.push_back("flush"); }

    std::vector<std::string> writes;

private:
    std::map<std::string, std::map<std::string, std::string>> values_;
};

TEST(SettingsFile, ReadsEveryKeyWithItsDefaultAndCheck)
{
    for (const auto& c : SettingsCases()) {
        SCOPED_TRACE(c.name);
        ExpectSettings(ReadSettings(TMemoryIni(c.file)), c.expected);
    }
}

TSettings SomeSettings()
{
    TSettings settings;
    settings.IdleMinutes = 7;
    settings.Picture = "C:\\pics\\logo.bmp";
    settings.BackGround = RGBColor(1, 2, 3);
    settings.HotKey = "CTRL-F9";
    settings.PictureLocation = 1;
    settings.MainPassword = "Secret";
    settings.ClosePassword = false;
    return settings;
}

TEST(SettingsFile, WritesSixKeysInTheOkOrderThenFlushes)
{
    TMemoryIni ini;
    WriteSettings(ini, SomeSettings());
    EXPECT_EQ(ini.writes, (std::vector<std::string>{
                              "Tavorin:IdleMinutes=7", "Tavorin:BackGround=$010203",
                              "Tavorin:Picture=C:\\pics\\logo.bmp", "Tavorin:PictureLocation=1",
                              "Tavorin:HotKey=CTRL-F9", "Tavorin:MainPassword=Secret", "flush"}));
    auto expected = SomeSettings();
    expected.ClosePassword = true;  // never written
    ExpectSettings(ReadSettings(ini), expected);
}

TEST(SettingsFile, AFailedWriteStopsTheRestAndKeepsEarlierKeys)
{
    TMemoryIni ini;
    TFailingIni failing(ini, 3);
    try {
        WriteSettings(failing, SomeSettings());
        FAIL() << "no error";
    } catch (const EIniFileError& error) {
        EXPECT_EQ(error.Message(), "Unable to write to C:\\Data\\Tavorin.ini");
    }
    EXPECT_EQ(ini.writes, (std::vector<std::string>{"Tavorin:IdleMinutes=7", "Tavorin:BackGround=$010203"}));
}

TEST(SettingsFile, TheIdleFieldClampsToZeroToTen)
{
    const std::pair<const char*, int> cases[] = {{"5", 5}, {"25", 10}, {"-3", 0}, {"10", 10}, {"0", 0},
                                                 {"abc", 0}, {"", 0}, {"0x0A", 10}, {"99999999999", 0}};
    for (const auto& [text, minutes] : cases)
        EXPECT_EQ(IdleMinutesFromText(text), minutes) << text;
}

}  // namespace
