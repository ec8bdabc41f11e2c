#pragma once

#include <QString>
#include <QtGlobal>

namespace kotebu {

// Keeps a second copy of the game out of the game folder (the working
// directory) while this one runs: two copies would each save their own day
// over the other's. A second start shows its message and ends the program
// without touching either INI file. The lock is a kernel lock on a lock file
// named after the state file (flock on Linux, LockFileEx on Windows, in
// FolderLock{Posix,Windows}.cpp), so a copy that crashed leaves nothing
// stuck.
//
// A folder that cannot keep the day (a read-only one, say) is played without
// the lock, once the player has been told so and chose to play on.
class FolderLock {
public:
    FolderLock();
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    // The system's part: takes the lock, or calls refuseSecondCopy() when
    // another copy holds it. A lock file that cannot be made (a read-only
    // folder) is played without.
    void takeLock();
    void releaseLock();
    [[noreturn]] static void refuseSecondCopy();
    static QString lockFileName();

    // The open lock file: a file descriptor, or a Windows HANDLE; -1 for none.
    qintptr m_handle = -1;
};

} // namespace kotebu
