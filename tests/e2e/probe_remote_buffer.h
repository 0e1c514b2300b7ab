// Memory in the process that owns a window, for messages that carry pointers: common controls
// keep their items in the panel's process, so what they fill in must be written there and read
// back from there.
#pragma once

#include <windows.h>

#include <cstddef>

class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_)
            address_ = static_cast<char*>(
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    char* At(size_t offset) const { return address_ + offset; }
    bool Write(size_t offset, const void* data, size_t size) const {
        return WriteProcessMemory(process_, address_ + offset, data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return ReadProcessMemory(process_, address_ + offset, data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    char* address_ = nullptr;
    size_t size_;
};
