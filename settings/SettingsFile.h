// The settings file "Tavorin.ini", section "Tavorin": what each key means, its default,
// the check applied when it is read, and the order of reading and writing.
#pragma once

#include <string>
#include <string_view>

#include "base/Types.h"
#include "settings/IniStore.h"

inline constexpr const char* SettingsFileName = "Tavorin.ini";
inline constexpr const char* SettingsSection = "Tavorin";
inline constexpr const char* DefaultBackGround = "$ECE9D8";

// The idle-minutes field holds 0..10; values outside are clamped.
constexpr int MinIdleMinutes = 0;
constexpr int MaxIdleMinutes = 10;
int ClampIdleMinutes(int minutes);
// The field's value for a typed text: an integer clamped to 0..10, other text 0.
int IdleMinutesFromText(std::string_view text);

struct TSettings {
    int IdleMinutes = 0;                               // clamped to 0..10; 0 switches idle return off
    std::string Picture;                               // path of the menu picture, may be empty
    TColor BackGround = RGBColor(0xEC, 0xE9, 0xD8);
    std::string HotKey;                                // as stored; "CTRL-F12" .. "CTRL-F9" have effect
    int PictureLocation = 2;                           // 1 left, 2 centre, 3 right
    std::string MainPassword;                          // empty: no password
    bool ClosePassword = true;                         // closing the menu asks for the main password
    // The conversion message when the stored BackGround is not a colour string (for an
    // empty value "'$' is not a valid integer value"); BackGround then holds the default.
    std::string BackGroundError;
};

// Reads the seven keys in the start-up order (IdleMinutes, Picture, BackGround, HotKey,
// PictureLocation, MainPassword, ClosePassword) with their defaults and checks. A
// BackGround that does not parse does not stop the reading: the later keys, among them the
// passwords, are still read, and the message is left in BackGroundError for the caller to
// raise once it has applied the rest.
TSettings ReadSettings(const TIniStore& ini);

// The keys the settings dialog writes on OK, one call each, so that the dialog can act
// between them; each raises EIniFileError when the key cannot be written, and keys written
// before keep their new values.
class TSettingsWriter {
public:
    explicit TSettingsWriter(TIniStore& ini) : ini_(ini) {}
    void WriteIdleMinutes(int minutes);
    void WriteBackGround(TColor color);
    void WritePicture(const std::string& path);
    void WritePictureLocation(int location);
    void WriteHotKey(const std::string& hotKey);
    void WriteMainPassword(const std::string& password);
    void Flush();

private:
    void Write(const char* key, const std::string& value);
    TIniStore& ini_;
};

// All six keys in the OK order (IdleMinutes, BackGround, Picture, PictureLocation, HotKey,
// MainPassword), then the flush; ClosePassword is never written.
void WriteSettings(TIniStore& ini, const TSettings& settings);
