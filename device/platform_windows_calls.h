// The Win32 calls the Windows layer makes, gathered in one table. The check
// program builds the layer with QUORVEL_WIN32_CALLS so it can put its own
// wrappers in the table and verify how each call is made; the program itself
// always calls through the table as it stands.
#pragma once

// SetThreadErrorMode came with Windows 7.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace platform {

struct Win32Calls {
    decltype(&::GetLogicalDrives) get_logical_drives;
    decltype(&::GetDriveTypeA) get_drive_type;
    decltype(&::GetVolumeInformationA) get_volume_information;
    decltype(&::GetDiskFreeSpaceA) get_disk_free_space;
    decltype(&::SetThreadErrorMode) set_thread_error_mode;
    decltype(&::CreateFileA) create_file;
    decltype(&::SetFilePointerEx) set_file_pointer_ex;
    decltype(&::ReadFile) read_file;
    decltype(&::WriteFile) write_file;
    decltype(&::FlushFileBuffers) flush_file_buffers;
    decltype(&::CloseHandle) close_handle;
    decltype(&::VirtualAlloc) virtual_alloc;
    decltype(&::VirtualFree) virtual_free;
};

#ifdef QUORVEL_WIN32_CALLS
Win32Calls &win32_calls();
#endif

} // namespace platform
