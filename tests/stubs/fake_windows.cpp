// Keyboard, clock and the three profile functions, every call logged. The profile functions
// work on a real file: sections and keys matched without regard to letter case, values cut
// to the buffer.

#include "fake_windows.h"

#include "stand_in_scope.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace standIn {
int depth;
}

namespace fakeWindows {

std::uint32_t tickCount;
std::vector<std::string> calls;

namespace {

const SHORT downBit = static_cast<SHORT>(0x8000);

SHORT keyStates[256];

} // namespace

void reset() {
    calls.clear();
    tickCount = 0;
    for (SHORT &state : keyStates)
        state = 0;
}

void setKeyState(int key, SHORT state) { keyStates[key & 0xFF] = state; }

void setKeysDown(std::initializer_list<int> keys) {
    for (SHORT &state : keyStates)
        state = 0;
    for (int key : keys)
        setKeyState(key, downBit);
}

std::size_t countCalls(const std::string &prefix) {
    return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [&](const std::string &line) {
        return line.compare(0, prefix.size(), prefix) == 0;
    }));
}

TemporaryFolder::TemporaryFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "waypoint-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
    std::filesystem::current_path(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::read(const std::string &name) const {
    std::ifstream file(path_ + "/" + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void TemporaryFolder::write(const std::string &name, const std::string &text) const {
    std::ofstream(path_ + "/" + name, std::ios::binary) << text;
}

bool TemporaryFolder::exists(const std::string &name) const { return std::filesystem::exists(path_ + "/" + name); }

namespace {

std::string localPath(LPCSTR path) {
    std::string local(path);
    std::replace(local.begin(), local.end(), '\\', '/');
    return local;
}

std::string trim(const std::string &text) {
    std::size_t first = text.find_first_not_of(" \t\r");
    std::size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool sameName(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool isSectionLine(const std::string &line) {
    std::string text = trim(line);
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

bool isSection(const std::string &line, LPCSTR section) {
    std::string text = trim(line);
    return isSectionLine(text) && sameName(trim(text.substr(1, text.size() - 2)), section);
}

bool isKey(const std::string &line, LPCSTR key) {
    std::size_t equals = line.find('=');
    return equals != std::string::npos && sameName(trim(line.substr(0, equals)), key);
}

std::vector<std::string> readLines(LPCSTR path) {
    std::vector<std::string> lines;
    std::ifstream file(localPath(path));
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// The index of the key's line within the section, or of the section's end, with found set.
std::size_t findKey(const std::vector<std::string> &lines, LPCSTR section, LPCSTR key, bool &sectionFound,
                    bool &keyFound) {
    sectionFound = keyFound = false;
    std::size_t i = 0;
    while (i < lines.size() && !isSection(lines[i], section))
        ++i;
    if (i == lines.size())
        return i;
    sectionFound = true;
    std::size_t end = ++i;
    for (; i < lines.size() && !isSectionLine(lines[i]); ++i) {
        if (isKey(lines[i], key)) {
            keyFound = true;
            return i;
        }
        if (!trim(lines[i]).empty())
            end = i + 1;
    }
    return end;
}

bool findValue(LPCSTR section, LPCSTR key, LPCSTR path, std::string &value) {
    std::vector<std::string> lines = readLines(path);
    bool sectionFound, keyFound;
    std::size_t at = findKey(lines, section, key, sectionFound, keyFound);
    if (keyFound)
        value = trim(lines[at].substr(lines[at].find('=') + 1));
    return keyFound;
}

void logCall(const std::string &line) { calls.push_back(line); }

} // namespace

} // namespace fakeWindows

using namespace fakeWindows;

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size, LPCSTR path) {
    standIn::Scope scope;
    logCall(std::string("GetPrivateProfileStringA ") + section + " " + key + " '" + defaultValue + "' " +
            std::to_string(size) + " " + path);
    std::string value;
    if (!findValue(section, key, path, value))
        value = defaultValue;
    std::size_t length = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR path) {
    standIn::Scope scope;
    logCall(std::string("GetPrivateProfileIntA ") + section + " " + key + " " + std::to_string(defaultValue) + " " +
            path);
    std::string value;
    if (!findValue(section, key, path, value) || value.empty())
        return static_cast<UINT>(defaultValue);
    return static_cast<UINT>(std::strtoll(value.c_str(), nullptr, 10));
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR path) {
    standIn::Scope scope;
    logCall(std::string("WritePrivateProfileStringA ") + section + " " + key + " " + value + " " + path);
    std::vector<std::string> lines = readLines(path);
    bool sectionFound, keyFound;
    std::size_t at = findKey(lines, section, key, sectionFound, keyFound);
    std::string line = std::string(key) + "=" + value;
    if (keyFound) {
        lines[at] = line;
    } else if (sectionFound) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    } else {
        lines.push_back(std::string("[") + section + "]");
        lines.push_back(line);
    }
    std::ofstream file(localPath(path), std::ios::trunc);
    for (const std::string &text : lines)
        file << text << '\n';
    file.flush();
    return file ? TRUE : FALSE;
}

SHORT GetAsyncKeyState(int key) {
    standIn::Scope scope;
    char line[32];
    std::snprintf(line, sizeof line, "GetAsyncKeyState %02X", key);
    logCall(line);
    return keyStates[key & 0xFF];
}

DWORD GetTickCount() {
    standIn::Scope scope;
    logCall("GetTickCount");
    return tickCount;
}
