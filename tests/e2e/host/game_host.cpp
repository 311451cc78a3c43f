// A Windows console program that stands in for the game: it loads WaypointDistance.asi from
// its own folder beside the stand-in ScriptHookRDR2.dll, gives the plugin a keyboard and a
// clock of its own through the plugin's import slots, and plays a scenario file frame by frame.
//
// Usage: game_host SCENARIO [SVG]. The whole scenario is checked before anything runs.

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../simulated_game.h"

namespace {

const char pluginFile[] = "WaypointDistance.asi";
const char hookFile[] = "ScriptHookRDR2.dll";
const char settingsFile[] = "DistanceSettings.ini";
const std::uint32_t frameMs = 16;

struct Step {
    int line;
    std::vector<std::string> words;
};

struct KeyName {
    const char *name;
    int code;
};

const KeyName keyNames[] = {{"ctrl", VK_LCONTROL}, {"shift", VK_LSHIFT}, {"left", VK_LEFT}, {"right", VK_RIGHT},
                            {"up", VK_UP},         {"down", VK_DOWN},    {"f1", VK_F1}};

std::set<int> keysHeld;
std::uint32_t clockMs = 100000;

SHORT WINAPI hostGetAsyncKeyState(int key) { return keysHeld.count(key) ? static_cast<SHORT>(0x8000) : 0; }

DWORD WINAPI hostGetTickCount() { return clockMs; }

// ---- Reading the scenario

struct ScenarioError {
    std::string message;
};

std::vector<std::string> splitWords(const std::string &line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
        } else if (line[i] == '"') {
            std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos)
                throw ScenarioError{"a quoted text has no closing quote"};
            words.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            std::size_t end = line.find_first_of(" \t\r", i);
            end = end == std::string::npos ? line.size() : end;
            words.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return words;
}

// Scenario numbers are read and shown with '.', whatever locale a scenario sets.
bool readNumber(const std::string &word, float &value) {
    std::from_chars_result result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

bool isNumber(const std::string &word) {
    float ignored;
    return readNumber(word, ignored);
}

float numberOf(const std::string &word) {
    float value = 0;
    readNumber(word, value);
    return value;
}

std::string fixed(float value, int decimals) {
    char text[64];
    std::to_chars_result result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

bool isCount(const std::string &word) {
    return !word.empty() && word.find_first_not_of("0123456789") == std::string::npos && word.size() < 9;
}

int keyCode(const std::string &word) {
    for (const KeyName &key : keyNames) {
        if (word == key.name)
            return key.code;
    }
    return 0;
}

// Throws a ScenarioError saying what the step's words should have been.
void checkStep(const std::vector<std::string> &w) {
    const std::string &command = w[0];
    auto expectShape = [&](bool ok, const char *usage) {
        if (!ok)
            throw ScenarioError{std::string("expected ") + usage};
    };
    auto numbersFrom = [&](std::size_t first, std::size_t count) {
        for (std::size_t i = first; i < first + count && i < w.size(); ++i) {
            if (!isNumber(w[i]))
                return false;
        }
        return w.size() >= first + count;
    };
    if (command == "load") {
        expectShape(w.size() == 1 || (w.size() == 2 && w[1] == "refused"), "'load' or 'load refused'");
    } else if (command == "unload") {
        expectShape(w.size() == 1, "'unload' alone");
    } else if (command == "locale") {
        expectShape(w.size() == 2, "'locale NAME', such as 'locale German_Germany.1252'");
    } else if (command == "setting") {
        expectShape(w.size() == 3, "'setting KEY VALUE'");
    } else if (command == "waypoint") {
        expectShape((w.size() == 2 && w[1] == "none") || (w.size() == 4 && numbersFrom(1, 3)),
                    "'waypoint X Y Z' or 'waypoint none'");
    } else if (command == "player") {
        expectShape(w.size() == 4 && numbersFrom(1, 3), "'player X Y Z'");
    } else if (command == "walk") {
        expectShape(w.size() == 5 && numbersFrom(1, 3) && isCount(w[4]), "'walk X Y Z FRAMES'");
    } else if (command == "hold") {
        for (std::size_t i = 1; i < w.size(); ++i)
            expectShape(keyCode(w[i]) != 0, "'hold KEY...' with keys from ctrl shift left right up down f1");
    } else if (command == "frames" || command == "wait") {
        expectShape(w.size() == 2 && isCount(w[1]), command == "frames" ? "'frames COUNT'" : "'wait MILLISECONDS'");
    } else if (command == "expect") {
        const char *usage = "'expect label \"TEXT\" at X Y scale S', 'expect no label', "
                            "'expect setting KEY VALUE', 'expect no settings file', 'expect registered', "
                            "'expect unregistered' or 'expect decimal comma'";
        expectShape(w.size() >= 2, usage);
        const std::string &what = w[1];
        bool ok = (what == "label" && w.size() == 8 && w[3] == "at" && w[6] == "scale" && numbersFrom(4, 2) &&
                   isNumber(w[7])) ||
                  (what == "no" && w.size() == 3 && w[2] == "label") ||
                  (what == "no" && w.size() == 4 && w[2] == "settings" && w[3] == "file") ||
                  (what == "setting" && w.size() == 4) || (what == "registered" && w.size() == 2) ||
                  (what == "unregistered" && w.size() == 2) || (what == "decimal" && w.size() == 3 && w[2] == "comma");
        expectShape(ok, usage);
    } else {
        throw ScenarioError{
            "expected a command: load, unload, locale, setting, waypoint, player, walk, hold, frames, wait or "
            "expect"};
    }
}

bool readScenario(const char *path, std::vector<Step> &steps) {
    std::ifstream file(path);
    if (!file) {
        std::printf("error: cannot read the scenario %s\n", path);
        return false;
    }
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        std::size_t hash = line.find('#');
        try {
            std::vector<std::string> words = splitWords(hash == std::string::npos ? line : line.substr(0, hash));
            if (words.empty())
                continue;
            checkStep(words);
            steps.push_back(Step{number, words});
        } catch (const ScenarioError &error) {
            std::printf("error: %s:%d: %s; the line is: %s\n", path, number, error.message.c_str(), line.c_str());
            return false;
        }
    }
    return true;
}

// ---- The plugin's import slots

bool patchImport(HMODULE module, const char *dllName, const char *function, void *replacement) {
    BYTE *base = reinterpret_cast<BYTE *>(module);
    auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
    auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    IMAGE_DATA_DIRECTORY imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto *descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
    for (; descriptor->Name; ++descriptor) {
        if (_stricmp(reinterpret_cast<char *>(base + descriptor->Name), dllName) != 0)
            continue;
        auto *names = reinterpret_cast<IMAGE_THUNK_DATA *>(base + descriptor->OriginalFirstThunk);
        auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + descriptor->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto *byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char *>(byName->Name), function) != 0)
                continue;
            DWORD protection;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            slots->u1.Function = reinterpret_cast<ULONGLONG>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;
}

// ---- Playing the scenario

class Session {
  public:
    explicit Session(SimulatedGame *game) : game_(game) {}

    bool run(const std::vector<Step> &steps, const char *scenario);
    void printSettingsFile() const;
    bool writeSvg(const char *path) const;

  private:
    bool fail(const std::string &message) {
        std::printf("FAILED %s:%d: %s\n", scenario_, line_, message.c_str());
        return false;
    }
    bool needGame() { return game_ ? true : fail("ScriptHookRDR2.dll is not in the game folder"); }
    bool perform(const std::vector<std::string> &w);
    bool load(bool expectRefused);
    bool unload();
    bool runFrames(int count);
    bool check(const std::vector<std::string> &w);
    void reportFrame();
    std::string readSettingsFile() const;
    const DrawnText *labelThisFrame() const;

    SimulatedGame *game_;
    HMODULE plugin_ = nullptr;
    const char *scenario_ = "";
    int line_ = 0;
    int registersAtLoad_ = 0;
    int callsAtLoad_ = 0;
    std::string lastShown_;
    std::string lastSettings_;
    DrawnText lastLabel_{};
    bool labelShown_ = false;
    int expectations_ = 0;
};

bool Session::run(const std::vector<Step> &steps, const char *scenario) {
    scenario_ = scenario;
    lastSettings_ = readSettingsFile();
    for (const Step &step : steps) {
        line_ = step.line;
        if (!perform(step.words))
            return false;
    }
    std::printf("scenario done: %zu steps, %d expectations met\n", steps.size(), expectations_);
    return true;
}

bool Session::perform(const std::vector<std::string> &w) {
    const std::string &command = w[0];
    auto number = [&](std::size_t i) { return numberOf(w[i]); };
    if (command == "load")
        return load(w.size() == 2);
    if (command == "unload")
        return unload();
    if (command == "locale") {
        if (!std::setlocale(LC_ALL, w[1].c_str()))
            return fail("the C runtime knows no locale " + w[1]);
        std::printf("locale set to %s\n", w[1].c_str());
        return true;
    }
    if (command == "setting") {
        WritePrivateProfileStringA("Settings", w[1].c_str(), w[2].c_str(), ".\\DistanceSettings.ini");
        lastSettings_ = readSettingsFile();
        return true;
    }
    if (command == "hold") {
        keysHeld.clear();
        for (std::size_t i = 1; i < w.size(); ++i)
            keysHeld.insert(keyCode(w[i]));
        return true;
    }
    if (command == "frames")
        return runFrames(std::atoi(w[1].c_str()));
    if (command == "wait") {
        clockMs += static_cast<std::uint32_t>(std::atoi(w[1].c_str()));
        return true;
    }
    if (command == "expect")
        return check(w);
    if (!needGame())
        return false;
    if (command == "waypoint") {
        game_->waypointSet = w[1] != "none";
        if (game_->waypointSet) {
            for (int i = 0; i < 3; ++i)
                game_->waypoint[i] = number(1 + i);
        }
        return true;
    }
    if (command == "player") {
        for (int i = 0; i < 3; ++i)
            game_->player[i] = number(1 + i);
        return true;
    }
    // walk X Y Z FRAMES: the player walks in a straight line to (X, Y, Z), one stride a frame.
    int frames = std::atoi(w[4].c_str());
    float from[3] = {game_->player[0], game_->player[1], game_->player[2]};
    for (int frame = 1; frame <= frames; ++frame) {
        for (int i = 0; i < 3; ++i)
            game_->player[i] = from[i] + (number(1 + i) - from[i]) * static_cast<float>(frame) / frames;
        if (!runFrames(1))
            return false;
    }
    return true;
}

bool Session::load(bool expectRefused) {
    if (plugin_)
        return fail("the plugin is loaded already");
    if (game_) {
        registersAtLoad_ = game_->registerCount;
        callsAtLoad_ = static_cast<int>(game_->callCount);
    }
    plugin_ = LoadLibraryA(pluginFile);
    if (expectRefused) {
        ++expectations_;
        if (plugin_)
            return fail("the loader took the plugin without ScriptHookRDR2.dll");
        std::printf("the loader refused %s (error %lu)\n", pluginFile, GetLastError());
        return true;
    }
    if (!plugin_)
        return fail("LoadLibrary refused the plugin, error " + std::to_string(GetLastError()));
    if (!patchImport(plugin_, "USER32.dll", "GetAsyncKeyState", reinterpret_cast<void *>(hostGetAsyncKeyState)) ||
        !patchImport(plugin_, "KERNEL32.dll", "GetTickCount", reinterpret_cast<void *>(hostGetTickCount)))
        return fail("the plugin does not import GetAsyncKeyState and GetTickCount");
    std::printf("loaded %s\n", pluginFile);
    return true;
}

bool Session::unload() {
    if (!plugin_)
        return fail("the plugin is not loaded");
    FreeLibrary(plugin_);
    plugin_ = nullptr;
    labelShown_ = false;
    std::printf("unloaded %s\n", pluginFile);
    return true;
}

bool Session::runFrames(int count) {
    if (!needGame())
        return false;
    for (int i = 0; i < count; ++i) {
        clockMs += frameMs;
        if (!game_->runFrame())
            return fail("no script is registered to run");
        reportFrame();
    }
    return true;
}

const DrawnText *Session::labelThisFrame() const {
    if (game_->textCount == 0 || game_->textCount > SimulatedGame::maxTexts)
        return nullptr;
    const DrawnText &last = game_->texts[game_->textCount - 1];
    return last.frame == game_->frameCount ? &last : nullptr;
}

void Session::reportFrame() {
    const DrawnText *label = labelThisFrame();
    std::string shown = "no label";
    if (label) {
        shown = std::string("label \"") + label->text + "\" at (" + fixed(label->x, 3) + ", " + fixed(label->y, 3) +
                "), scale " + fixed(label->scale, 2);
        lastLabel_ = *label;
        labelShown_ = true;
    }
    if (shown != lastShown_)
        std::printf("frame %d: %s\n", game_->frameCount, shown.c_str());
    lastShown_ = shown;

    std::string settings = readSettingsFile();
    if (settings != lastSettings_) {
        std::string oneLine;
        std::istringstream lines(settings);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.find('=') != std::string::npos)
                oneLine += " " + line;
        }
        std::printf("frame %d: saved%s\n", game_->frameCount, oneLine.c_str());
        lastSettings_ = settings;
    }
}

bool Session::check(const std::vector<std::string> &w) {
    ++expectations_;
    const std::string &what = w[1];
    if (what == "decimal") {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        return std::strcmp(text, "1,5") == 0 ? true : fail("the C runtime writes 1.5 as " + std::string(text));
    }
    if (what == "setting") {
        char value[64];
        GetPrivateProfileStringA("Settings", w[2].c_str(), "(missing)", value, sizeof value, ".\\DistanceSettings.ini");
        return w[3] == value ? true : fail(w[2] + " is " + value + " in the settings file, not " + w[3]);
    }
    if (what == "no" && w[2] == "settings") {
        return GetFileAttributesA(settingsFile) == INVALID_FILE_ATTRIBUTES ? true : fail("the settings file exists");
    }
    if (!needGame())
        return false;
    if (what == "registered") {
        if (!plugin_)
            return fail("the plugin is not loaded");
        if (game_->registerCount != registersAtLoad_ + 1 || game_->registeredModule != plugin_)
            return fail("the script was not registered once with the plugin's own module handle");
        if (static_cast<int>(game_->callCount) != callsAtLoad_ || !game_->scriptEntry)
            return fail("loading did more than register the script");
        return true;
    }
    if (what == "unregistered") {
        if (game_->unregisterCount == 0 || game_->unregisteredModule != game_->registeredModule)
            return fail("the script was not unregistered with the module handle it was registered with");
        return true;
    }
    const DrawnText *label = labelThisFrame();
    if (what == "no")
        return label ? fail(std::string("a label was drawn: ") + label->text) : true;
    if (!label)
        return fail("no label was drawn in the last frame");
    auto matches = [](float a, const std::string &b) { return a == numberOf(b) || std::fabs(a - numberOf(b)) < 5e-7f; };
    if (w[2] != label->text || !matches(label->x, w[4]) || !matches(label->y, w[5]) || !matches(label->scale, w[7]))
        return fail(std::string("the label is \"") + label->text + "\" at " + fixed(label->x, 6) + " " +
                    fixed(label->y, 6) + " scale " + fixed(label->scale, 2));
    return true;
}

std::string Session::readSettingsFile() const {
    std::ifstream file(settingsFile, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void Session::printSettingsFile() const {
    std::string settings = readSettingsFile();
    if (settings.empty()) {
        std::printf("no settings file was written\n");
        return;
    }
    settings.erase(std::remove(settings.begin(), settings.end(), '\r'), settings.end());
    std::printf("%s:\n%s", settingsFile, settings.c_str());
}

bool Session::writeSvg(const char *path) const {
    const double width = 1600, height = 900;
    std::FILE *svg = std::fopen(path, "w");
    if (!svg)
        return false;
    std::fprintf(svg, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%g\" height=\"%g\" viewBox=\"0 0 %g %g\">\n",
                 width, height, width, height);
    std::fprintf(svg, "  <rect width=\"100%%\" height=\"100%%\" fill=\"#5b6b4a\"/>\n");
    std::fprintf(svg, "  <rect y=\"%g\" width=\"100%%\" height=\"%g\" fill=\"#8a7456\"/>\n", height * 0.6,
                 height * 0.4);
    if (labelShown_) {
        const DrawnText &label = lastLabel_;
        double x = label.x * width, y = label.y * height, size = label.scale * height / 8;
        const char *style = "font-family=\"sans-serif\" dominant-baseline=\"hanging\"";
        std::fprintf(svg, "  <text x=\"%.1f\" y=\"%.1f\" font-size=\"%.1f\" %s fill=\"#000\">%s</text>\n", x + 1, y + 1,
                     size, style, label.text);
        std::fprintf(svg,
                     "  <text x=\"%.1f\" y=\"%.1f\" font-size=\"%.1f\" %s fill=\"rgb(%u,%u,%u)\" "
                     "fill-opacity=\"%.3f\">%s</text>\n",
                     x, y, size, style, label.color[0], label.color[1], label.color[2], label.color[3] / 255.0,
                     label.text);
    }
    std::fprintf(svg, "</svg>\n");
    return std::fclose(svg) == 0;
}

} // namespace

int main(int argc, char **argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc < 2 || argc > 3) {
        std::printf("usage: game_host SCENARIO [SVG]\n");
        return 2;
    }
    std::vector<Step> steps;
    if (!readScenario(argv[1], steps))
        return 2;

    SimulatedGame *game = nullptr;
    if (HMODULE hook = LoadLibraryA(hookFile)) {
        auto simulatedGame = reinterpret_cast<SimulatedGameFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(hook, "simulatedGame")));
        game = simulatedGame ? simulatedGame() : nullptr;
        if (game) {
            game->playerHandle = 0x2A;
        }
    }

    Session session(game);
    bool passed = session.run(steps, argv[1]);
    session.printSettingsFile();
    if (argc == 3) {
        if (!session.writeSvg(argv[2])) {
            std::printf("error: cannot write %s\n", argv[2]);
            return 1;
        }
        std::printf("picture of the last frame: %s\n", argv[2]);
    }
    return passed ? 0 : 1;
}
