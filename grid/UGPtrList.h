// CUGPtrList: a growable array of entries that the grid uses for its fonts,
// bitmaps and cell types. Each entry holds an in-use mark, a pointer, a
// value (the use count of a font) and an optional 16-byte identifier.
// Adding stores into the first free entry. User-interface thread only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class CUGPtrList {
 public:
  using Id = std::array<std::uint8_t, 16>;

  // Stores the pointer in the first free entry; its index (-1 when the list
  // cannot grow).
  int AddPointer(void* pointer, long param = 0, const Id* id = nullptr);
  // The pointer of an entry in use; null outside the array or for a free one.
  void* GetPointer(int index) const;
  long GetParam(int index) const;  // 0 outside or free
  // 0 done, 1 outside the array, 2 a free entry.
  int UpdateParam(int index, long param);
  const Id* GetId(int index) const;
  // Frees an entry; 1 when it was not in use.
  int DeletePointer(int index);
  void EmptyList();
  // The index of the entry holding the pointer; -1 when none.
  int GetPointerIndex(const void* pointer) const;
  int GetCount() const;      // entries in use
  int GetMaxCount() const { return static_cast<int>(m_entries.size()); }

 private:
  static constexpr int kGrowBy = 10;
  struct Entry {
    bool inUse = false;
    void* pointer = nullptr;
    long param = 0;
    bool hasId = false;
    Id id{};
  };
  std::vector<Entry> m_entries;
};
