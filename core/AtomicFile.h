// Whole-file reads and crash-safe whole-file writes: the new content goes
// to a temporary file in the same folder, is flushed to disk and then
// renamed over the old file, so a crash leaves either the old or the new
// file, never a half-written one. Any thread.
#pragma once

#include <functional>
#include <string>

// True for an existing file that may not be written: the process lacks the
// right, or no one has a write permission (the file is marked read-only).
bool IsMarkedReadOnly(const std::string& path);

// Reads the whole file; false (and a reason) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* content, std::string* error = nullptr);

// Replaces (or creates) the file with content atomically. A file that
// exists keeps its permissions; a read-only file is refused.
bool WriteFileAtomic(const std::string& path, const std::string& content,
                     std::string* error = nullptr);

// Test hook: called with the temporary file's path once it is written and
// flushed, before the rename. A hook that throws leaves the state a crash
// at that moment would leave. Null removes it.
void SetAtomicWriteHookForTest(std::function<void(const std::string& tempPath)> hook);
