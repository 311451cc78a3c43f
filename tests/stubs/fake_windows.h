// Stand-ins for the Windows calls the plugin makes: a keyboard and a clock the tests set,
// and the profile functions on a real file, with a log of every call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/platform.h"

namespace fakeWindows {

extern std::uint32_t tickCount;

// Every call since reset, one line each: "GetAsyncKeyState A2", "GetTickCount",
// "GetPrivateProfileStringA Settings posX '' 64 .\DistanceSettings.ini",
// "WritePrivateProfileStringA Settings posX 0.015000 .\DistanceSettings.ini".
extern std::vector<std::string> calls;

void reset();

// What GetAsyncKeyState answers for a key from now on.
void setKeyState(int key, SHORT state);
void setKeysDown(std::initializer_list<int> keys);

// How many logged calls start with prefix.
std::size_t countCalls(const std::string &prefix);

// A fresh temporary folder made the current directory, removed again with the object.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const std::string &path() const { return path_; }
    std::string read(const std::string &name) const;
    void write(const std::string &name, const std::string &text) const;
    bool exists(const std::string &name) const;

  private:
    std::string previous_;
    std::string path_;
};

} // namespace fakeWindows
