// Frames, saves included, and the settings load allocate nothing on the heap. Every malloc,
// calloc, realloc and operator new of the process is counted while the plugin runs; what the
// stand-ins allocate for their own bookkeeping is left out.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "fake_script_hook.h"
#include "fake_windows.h"
#include "host/plugin_main.h"
#include "settings/settings.h"
#include "stand_in_scope.h"

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *pointer, std::size_t size);
void __libc_free(void *pointer);
}

namespace {

bool counting;
long allocations;

void noteAllocation() {
    if (counting && standIn::depth == 0)
        ++allocations;
}

void *allocate(std::size_t size) {
    noteAllocation();
    void *pointer = __libc_malloc(size ? size : 1);
    if (!pointer)
        throw std::bad_alloc();
    return pointer;
}

} // namespace

extern "C" {
void *malloc(std::size_t size) {
    noteAllocation();
    return __libc_malloc(size);
}
void *calloc(std::size_t count, std::size_t size) {
    noteAllocation();
    return __libc_calloc(count, size);
}
void *realloc(void *pointer, std::size_t size) {
    noteAllocation();
    return __libc_realloc(pointer, size);
}
void free(void *pointer) { __libc_free(pointer); }
}

void *operator new(std::size_t size) { return allocate(size); }
void *operator new[](std::size_t size) { return allocate(size); }
void operator delete(void *pointer) noexcept { __libc_free(pointer); }
void operator delete[](void *pointer) noexcept { __libc_free(pointer); }
void operator delete(void *pointer, std::size_t) noexcept { __libc_free(pointer); }
void operator delete[](void *pointer, std::size_t) noexcept { __libc_free(pointer); }

namespace {

TEST(FrameHeap, CounterSeesAllocations) {
    counting = true;
    allocations = 0;
    std::string *text = new std::string(100, 'x');
    void *block = std::malloc(10);
    counting = false;
    std::free(block);
    delete text;
    EXPECT_GE(allocations, 3);
}

TEST(FrameHeap, LoadAndFramesWithSavesAllocateNothing) {
    fakeWindows::TemporaryFolder folder;
    folder.write("DistanceSettings.ini", "[Settings]\nposX=0.5abc\nposY=0x1.8p-2\nfontSizeIndex=1\n");
    fakeHook::reset();
    fakeWindows::reset();
    fakeHook::setWaypoint({100, 200, 30}, 7, {1, 2, 3}, 87.46f, 0x1000);

    counting = true;
    allocations = 0;
    loadSettings();
    const int held[][3] = {{VK_LCONTROL, VK_RIGHT, VK_F1}, {VK_LCONTROL, VK_DOWN, VK_LSHIFT}, {VK_LCONTROL, 0, 0}};
    for (int frame = 0; frame < 600; ++frame) {
        const int *keys = held[(frame / 50) % 3];
        fakeWindows::setKeysDown({keys[0], keys[1], keys[2]});
        fakeWindows::tickCount = 1000 + 16u * static_cast<unsigned>(frame);
        updateFrame();
        fakeHook::clearCalls();
    }
    counting = false;

    EXPECT_EQ(allocations, 0);
    EXPECT_GT(fakeWindows::countCalls("WritePrivateProfileStringA"), 300u);
}

} // namespace
