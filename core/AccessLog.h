// The program's log file ("<code>-Log.log"): one line per event, each
// ended by "\r\n", appended and flushed to disk at once, never truncated.
// A line written with the prefix begins with "[date] user: ".
// Thread-safety: any thread; lines never interleave.
#pragma once

#include <string>

// The log file's full path; empty (the default) writes nothing.
void SetAccessLogFile(const std::string& strPath);
std::string GetAccessLogFile();
// The user named in the prefix (the logged-in user's name); empty gives "?".
void SetAccessLogUser(const std::string& strUser);

// The prefix "[%s] %s: " of a line written at date d by user: the date
// "%Y/%m/%d", then the Shamsi date and time.
std::string MakeAccessLogPrefix(double d, const std::string& strUser);

// Appends the text as one line (line breaks inside it become blanks) to the
// log file, with the prefix when bPrefix. False when the line could not be
// written (the file cannot be opened or the disk is full). A name borne by
// anything but a file (a FIFO, a folder, a link to a missing file) is never
// waited on: it is said once on stderr, naming it, and nothing is logged.
bool WriteAccessLogLine(const std::string& strText, bool bPrefix);
