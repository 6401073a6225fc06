// CAttribTrendInfo: the trend setting of one attribute, parsed from its
// "TrendInfo" settings key: the place of its curve in the trend frame (trend
// index), how many samples its stack keeps and how often one is taken. It
// owns the attribute's sample stack and registers itself in one process-wide
// list that the trend frame reads in index order.
// Not thread-safe (settings and list belong to the user-interface thread);
// the sample stack has its own lock for readers on other threads.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/VTimer.h"

class CVAttrib;
class CVStack;

class CAttribTrendInfo {
 public:
  using TrendInfoList = std::vector<CAttribTrendInfo*>;

  // Starts the stopwatch and joins the end of the process-wide list.
  explicit CAttribTrendInfo(CVAttrib* owner);
  virtual ~CAttribTrendInfo();  // leaves the list
  CAttribTrendInfo(const CAttribTrendInfo&) = delete;
  CAttribTrendInfo& operator=(const CAttribTrendInfo&) = delete;

  // Reads "TrendIndex#n-RecordCount#n-RecordInterval#n". A bad text is
  // reported (unless Shift is held; Cancel ends the program with 123) and
  // gives false; a good one is checked for a duplicate trend index.
  virtual bool ParseTrendInfo(const std::string& text);

  int GetTrendIndex() const { return m_nTrendIndex; }
  void SetTrendIndex(int index) { m_nTrendIndex = index; }
  int GetRecordCount() const { return m_nRecordCount; }
  // False (nothing stored) when the owner's type cannot be sampled; else
  // stores n and sizes the time-stamped sample stack (creating it).
  bool SetRecordCount(int n);
  int GetRecordInterval() const { return m_nRecordInterval; }  // seconds
  void SetRecordInterval(int seconds) { m_nRecordInterval = seconds; }
  CVStack* GetSampleStack() const { return m_pSampleStack.get(); }
  CVAttrib* GetOwner() const { return m_pOwner; }
  CVTimer& GetStopwatch() { return m_Stopwatch; }

  // "Trend Index: n\r\nRecord Count: n\r\nRecord Interval: n Sec.\r\n".
  std::string GetDescription() const;

  // Sorts the list by trend index (ascending) in place and returns it;
  // null when no setting exists.
  static TrendInfoList* GetSortedTrendInfoList();
  // Empties every setting's sample stack (on a change of data source).
  static void ResetTrendStacks();

 private:
  // The reason the text is refused, or "" when every field was stored.
  std::string ParseFields(std::string text);
  void CheckDuplicatedIndex() const;

  CVTimer m_Stopwatch;                     // the sampling grid's origin
  CVAttrib* m_pOwner = nullptr;            // not owned
  std::unique_ptr<CVStack> m_pSampleStack;  // created by SetRecordCount
  int m_nTrendIndex = -1;                  // 1..100 once parsed
  int m_nRecordCount = 0;                  // 10..86400 samples
  int m_nRecordInterval = 0;               // 1..59 seconds
};
