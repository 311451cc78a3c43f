// The Windows calls the plugin makes: keyboard, clock and profile file.
// On Windows this is <windows.h>; elsewhere it declares just what the plugin uses,
// and the test build supplies stand-ins for the functions.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cstdint>

struct HINSTANCE__ {
    int unused;
};
typedef HINSTANCE__ *HINSTANCE;
typedef int BOOL;
typedef std::uint32_t DWORD;
typedef std::uint32_t UINT;
typedef short SHORT;
typedef int INT;
typedef void *LPVOID;
typedef char *LPSTR;
typedef const char *LPCSTR;

#define WINAPI
#define TRUE 1
#define FALSE 0

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_F1 0x70
#define VK_LSHIFT 0xA0
#define VK_LCONTROL 0xA2

SHORT GetAsyncKeyState(int key);
DWORD GetTickCount();
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size, LPCSTR path);
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR path);
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR path);
#endif
