#include "settings/settinglines.h"

namespace zelvio {

namespace {

const char* const playerHint =
    "If you do not know how to find the player, the USUAL player name is winplay3.exe. If you have no idea "
    "where you installed it try using the Windows 95 search function by selecting find in your Windows 95 "
    "tile bar start menu";
const char* const encoderHint =
    "If you do not know how to find the encoder, the USUAL encoder name is l3enc.exe. If you have no idea "
    "where you installed it try using the Windows 95 search function by selecting find in your Windows 95 "
    "tile bar start menu";
const char* const mixerHint =
    "If you do not know where your mixer is, try the sndvol32.exe file in your main windows 95 directory";

}  // namespace

const std::vector<SettingLine>& settingLines() {
    static const std::vector<SettingLine> lines = {
        {1, &SettingsFile::waveDirectory, {}},
        {1, &SettingsFile::mp3Directory, {}},
        {1, &Settings::encoderpath,
         SettingRow{0, 1, "Mp3 Encoder", "encoderedit", "encodeselect", "Select Encoder from file list", encoderHint}},
        {1, &Settings::playerpath,
         SettingRow{0, 0, "Mp3 Player", "playeredit", "mp3playselect", "Select Player from file list", playerHint}},
        {1, &Settings::encodeflags, SettingRow{0, 2, "Encode Flags", "encodeflagedit"}},
        {1, &Settings::cdmode, {}},
        {3, &Settings::ripperpath,
         SettingRow{1, 1, "DA Ripper", "daripperedit", "Ripperbutt", "Select Da Ripper from File list"}},
        {3, &Settings::rippercommand, SettingRow{1, 2, "DA Command", "Dacommandedit"}},
        {4, &Settings::mixerpath,
         SettingRow{1, 0, "Mixer", "mixeredit", "mixerSelect", "Select Mixer from file list", mixerHint}},
        {5, &SettingsFile::left, {}},
        {5, &SettingsFile::top, {}},
        {5, &SettingsFile::width, {}},
        {5, &SettingsFile::height, {}},
    };
    return lines;
}

}  // namespace zelvio
