#pragma once

#include <QByteArrayView>
#include <QString>

namespace kotebu {

// Replaces `target` with `bytes` so that at every instant the file on disk is
// either the old one or the new one, whole: the bytes go to `temporary` (in
// the same folder), reach the disk, and the temporary file is renamed over
// the target. Returns false, with the target untouched and the temporary file
// removed, when any step fails. The temporary file is always made new: what
// holds its name before (a left-over file, a symbolic link) is removed, never
// written through. A target that is a symbolic link is written through, even
// when it points at nothing yet: the file it points at is replaced or made,
// the link stays, and the temporary file goes beside the file pointed at. The
// permission bits stay.
bool replaceFileWhole(const QString &target, const QString &temporary, QByteArrayView bytes);

// Whether replaceFileWhole(linkOrTarget, temporary, ...) could make its
// temporary file now: the one step a save needs the folder's leave for. Makes
// the file and removes it again.
bool canReplaceFile(const QString &linkOrTarget, const QString &temporary);

// The message that a file could not be saved, then the end of the program.
[[noreturn]] void reportNotSaved(const QString &fileName);

} // namespace kotebu
