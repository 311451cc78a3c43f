// Marks the time spent inside a stand-in, so that heap checks count only the plugin's own use.
#pragma once

namespace standIn {

extern int depth;

struct Scope {
    Scope() { ++depth; }
    ~Scope() { --depth; }
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;
};

} // namespace standIn
