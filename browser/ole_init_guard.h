#pragma once
// Keeps OLE initialised for as long as the object that contains it lives,
// and holds a reference on the process-wide task allocator meanwhile.

class OleInitGuard {
public:
    OleInitGuard();
    ~OleInitGuard();
    OleInitGuard(const OleInitGuard&) = delete;
    OleInitGuard& operator=(const OleInitGuard&) = delete;
};
