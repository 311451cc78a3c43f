// The process-wide settings record and its settings file, read and written through the
// Windows profile functions.

#include "settings/settings.h"

#include "host/platform.h"
#include "number_text/number_text.h"

Settings settings;

const char settingsPath[] = ".\\DistanceSettings.ini";

namespace {

const char section[] = "Settings";

float loadPosition(const char *key, float fallback) {
    char text[64];
    GetPrivateProfileStringA(section, key, "", text, sizeof text, settingsPath);
    return text[0] == '\0' ? fallback : static_cast<float>(textToDouble(text));
}

void savePosition(const char *key, float value) {
    char text[64];
    formatFixed(text, sizeof text, value, 6);
    WritePrivateProfileStringA(section, key, text, settingsPath);
}

} // namespace

void loadSettings() {
    const Settings defaults;
    settings.posX = loadPosition("posX", defaults.posX);
    settings.posY = loadPosition("posY", defaults.posY);
    settings.fontSizeIndex =
        static_cast<std::int32_t>(GetPrivateProfileIntA(section, "fontSizeIndex", 0, settingsPath));
}

void saveSettings() {
    savePosition("posX", settings.posX);
    savePosition("posY", settings.posY);
    char text[16];
    formatInteger(text, sizeof text, settings.fontSizeIndex);
    WritePrivateProfileStringA(section, "fontSizeIndex", text, settingsPath);
}
