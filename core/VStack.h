// CVStack: a fixed-size ring of numeric samples (VT_I2, VT_I4 or VT_R4),
// each with an optional time stamp, used for trends, process-information
// averages and tag data stacks.
// Thread-safety: every member may be called from any thread; each call
// holds the stack's own lock. A reader that walks several items holds
// GetLock() for the whole walk so the ring cannot move under it.
#pragma once

#include <mutex>
#include <vector>

#include "platform/Variant.h"

// One sample of a CVStack.
struct CVStackItem {
  VARIANT m_vValue;            // VT_I2, VT_I4 or VT_R4 while valid
  DATE m_dtTimeStamp = 0.0;    // local time of the push; 0 without time stamping
  bool m_bValid = false;       // false for an empty slot
};

class CVStack {
 public:
  CVStack() = default;
  explicit CVStack(int nSize) { SetSize(nSize); }
  virtual ~CVStack() = default;
  CVStack(const CVStack&) = delete;
  CVStack& operator=(const CVStack&) = delete;

  // True for the types a stack accepts: VT_I2, VT_I4 and VT_R4.
  static bool IsSupportedVarType(VARTYPE vt);

  // Sets the capacity (negative counts as 0) and empties the ring.
  void SetSize(int nSize);
  // Stores the newest sample, dropping the oldest when full. False (nothing
  // stored) for a null pointer, an unsupported type or a zero capacity.
  bool Push(const VARIANT* pValue);
  // Every slot empty, count 0; the capacity stays.
  void Reset();
  // The mean of the samples in the type of the newest one; VT_EMPTY when
  // the stack holds none.
  VARIANT GetAverage() const;

  void SetTimeStamping(bool bOn);
  bool IsTimeStamping() const;

  int GetSize() const;   // capacity
  int GetCount() const;  // samples held, at most the capacity
  // The samples stored since the stack was made, and the times it was
  // emptied (Reset, SetSize). A reader that keeps both from its last walk
  // can tell under the lock which samples are new: while the clear count
  // stays, the newest (push count - the kept push count) ones.
  unsigned long long GetPushCount() const;
  unsigned long long GetClearCount() const;
  // The sample at logical index nIndex, 0 the oldest; an invalid item for
  // an index outside 0..count-1.
  CVStackItem GetItem(int nIndex) const;

  // Calls fn(const CVStackItem&) for every sample held from the logical
  // index nFirst on (0: all), oldest first, under one hold of the lock and
  // without copying the items (a reader of the stack, such as a trend chart).
  template <class Fn>
  void ForEachItem(Fn&& fn, int nFirst = 0) const {
    std::lock_guard lock(m_lock);
    const int size = static_cast<int>(m_items.size());
    nFirst = nFirst < 0 ? 0 : nFirst;
    int slot = size > 0 ? ((m_nNext - m_nCount + nFirst) % size + size) % size : 0;
    for (int i = nFirst; i < m_nCount; ++i) {
      fn(m_items[static_cast<size_t>(slot)]);
      if (++slot == size) slot = 0;
    }
  }

  // The stack's lock, for a reader walking several items (recursive, so
  // the members above may be called while it is held).
  std::recursive_mutex& GetLock() const { return m_lock; }

 private:
  mutable std::recursive_mutex m_lock;
  std::vector<CVStackItem> m_items;  // the ring; size is the capacity
  int m_nNext = 0;                   // slot the next push writes
  int m_nCount = 0;                  // valid samples, the newest before m_nNext
  unsigned long long m_nPushes = 0;  // samples stored since construction
  unsigned long long m_nClears = 0;  // Reset and SetSize calls since construction
  bool m_bTimeStamping = false;
};
