// The rule of the record-interval box: the process information is recorded
// every n seconds, n a whole number from 0 (no recording) to 86400 (one
// day), typed as digits only. Pure; any thread.
#pragma once

#include <string>

constexpr int kMaxRecordIntervalSeconds = 86400;

// Empty when the text is accepted (its value in *pSeconds); otherwise the
// message that refuses it, and *pSeconds is left alone.
std::string CheckRecordIntervalText(const std::string& strText, int* pSeconds);
