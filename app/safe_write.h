#pragma once

#include <string>

// Replaces the file at `path` with `bytes` so that a failure at any point
// leaves the old file whole: the bytes go to a temporary file in the same
// folder, reach the disk, and only then take the old file's place, which the
// folder then records on the disk too. A file the process may not write is
// left alone, as writing in place would; one it may write in a folder that
// takes no new file is written in place, once the disk has room for all the new
// bytes: a full disk leaves it whole, and a write that fails part-way puts the
// old bytes back. Where even that fails (or the file could not be read first),
// `damaged` is set: the file may hold neither text. A power cut may cut it too.
// Symbolic links, the last part of the path or a folder on the way, are
// followed only where the system would follow them: not another user's link in
// a sticky folder anyone may write in. A link at the end is written through and
// stays a link. An existing file keeps its mode, and its owner and group where
// the process may set them; a new file, or one that was swapped for something
// else meanwhile, gets the mode the process's umask gives. Only a regular file
// is replaced: a named pipe, a device or a folder in its place is left as it is.
// Returns an empty string on success, else what went wrong.
std::string WriteFileSafely(const std::string& path, const std::string& bytes, bool* damaged = nullptr);

// What the teacher reads after a failed save's own message when the file may
// be damaged; `kept` says where the unsaved text stays.
std::string DamagedFileNote(const std::string& kept);

// Opens the file at `path` to be written afresh, as the Open command's trace
// is: created, or emptied where it is. Links are followed as WriteFileSafely
// follows them, and only a regular file is opened, without ever waiting.
// Returns its descriptor, or -1 with `failure` saying why.
int OpenRewritten(const std::string& path, std::string& failure);
