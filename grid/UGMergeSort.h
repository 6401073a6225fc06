// A stable merge sort of small values (row indexes) that asks its
// comparison the same questions, in the same order and with the same
// arguments, as std::stable_sort of the C++ library in use (GCC's) does
// when that gets its whole buffer: runs of seven sorted by insertion,
// merged pairwise into the buffer and back, the first half and then the
// second, and the two halves merged at the end. A grid's comparison may be
// overridden and sees every call, so the store keeps those calls while it
// chooses what it moves: indexes of a few bytes instead of whole cells.
//
// Once the runs are larger than the processor's cache, the keys of the
// values a merge compares lie all over memory. where(value) tells where a
// value's key lies: a merge asks the memory for the cache line there
// some steps before it compares the value.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ug_sort {

template <typename T, typename Less, typename Where>
class MergeSorter {
 public:
  MergeSorter(Less& less, Where& where) : m_less(less), m_where(where) {}

  void Sort(T* first, T* last) {
    const std::ptrdiff_t count = last - first;
    if (count == 0) return;
    const std::ptrdiff_t len1 = (count + 1) / 2;
    const std::ptrdiff_t len2 = count - len1;
    std::vector<T> buffer(static_cast<size_t>(len1));
    T* middle = first + len1;
    SortWithBuffer(first, middle, buffer.data());
    SortWithBuffer(middle, last, buffer.data());
    if (len1 <= len2) {
      // The first half goes to the buffer and merges forwards.
      T* bufferEnd = std::copy(first, middle, buffer.data());
      T* rest1 = buffer.data();
      T* rest2 = middle;
      T* out = Merge(rest1, bufferEnd, rest2, last, first);
      std::copy(rest1, bufferEnd, out);  // what is left of the second half is in place
    } else {
      // The second half goes to the buffer and merges backwards.
      T* bufferEnd = std::copy(middle, last, buffer.data());
      MergeBackward(first, middle, buffer.data(), bufferEnd, last);
    }
  }

 private:
  static constexpr std::ptrdiff_t kChunk = 7;
  static constexpr std::ptrdiff_t kAhead = 8;

  void InsertionSort(T* first, T* last) {
    if (first == last) return;
    for (T* i = first + 1; i != last; ++i) {
      const T value = *i;
      if (m_less(value, *first)) {
        std::copy_backward(first, i, i + 1);
        *first = value;
        continue;
      }
      T* hole = i;
      for (T* next = i - 1; m_less(value, *next); --next) {
        *hole = *next;
        hole = next;
      }
      *hole = value;
    }
  }

  // Done here rather than in a function of the caller's: a function whose
  // only work is a prefetch counts as doing nothing to the compiler, which
  // may then drop its calls.
  void Ahead(const T& value) {
    __builtin_prefetch(m_where(value));
  }

  void Announce(const T* from, const T* to) {
    for (const T* p = from; p != to && p - from < kAhead; ++p) Ahead(*p);
  }

  // Merges [first1, last1) and [first2, last2) into out, the first run's
  // value first on ties; leaves first1 and first2 where a run ended and
  // returns the end of what it wrote.
  T* Merge(T*& first1, T* last1, T*& first2, T* last2, T* out) {
    Announce(first1, last1);
    Announce(first2, last2);
    while (first1 != last1 && first2 != last2) {
      if (m_less(*first2, *first1)) {
        if (last2 - first2 > kAhead) Ahead(first2[kAhead]);
        *out++ = *first2++;
      } else {
        if (last1 - first1 > kAhead) Ahead(first1[kAhead]);
        *out++ = *first1++;
      }
    }
    return out;
  }

  // Merges from the back: [first1, last1) lies before result's range, the
  // second run is in the buffer; result is the end of the merged range.
  void MergeBackward(T* first1, T* last1, T* first2, T* last2, T* result) {
    if (first1 == last1) {
      std::copy_backward(first2, last2, result);
      return;
    }
    if (first2 == last2) return;
    for (std::ptrdiff_t k = 1; k <= kAhead; ++k) {
      if (last1 - first1 >= k) Ahead(last1[-k]);
      if (last2 - first2 >= k) Ahead(last2[-k]);
    }
    --last1;
    --last2;
    while (true) {
      if (m_less(*last2, *last1)) {
        if (last1 - first1 > kAhead) Ahead(last1[-kAhead]);
        *--result = *last1;
        if (first1 == last1) {
          std::copy_backward(first2, last2 + 1, result);
          return;
        }
        --last1;
      } else {
        if (last2 - first2 > kAhead) Ahead(last2[-kAhead]);
        *--result = *last2;
        if (first2 == last2) return;
        --last2;
      }
    }
  }

  // One pass: runs of step values merged pairwise from [first, last) to out.
  void MergePass(T* first, T* last, T* out, std::ptrdiff_t step) {
    while (last - first >= 2 * step) {
      T* first1 = first;
      T* first2 = first + step;
      T* end = first + 2 * step;
      out = Merge(first1, first + step, first2, end, out);
      out = std::copy(first1, first + step, out);
      out = std::copy(first2, end, out);
      first = end;
    }
    step = std::min(last - first, step);
    T* first1 = first;
    T* first2 = first + step;
    out = Merge(first1, first + step, first2, last, out);
    out = std::copy(first1, first + step, out);
    std::copy(first2, last, out);
  }

  void SortWithBuffer(T* first, T* last, T* buffer) {
    const std::ptrdiff_t count = last - first;
    T* chunk = first;
    for (; last - chunk >= kChunk; chunk += kChunk) InsertionSort(chunk, chunk + kChunk);
    InsertionSort(chunk, last);
    for (std::ptrdiff_t step = kChunk; step < count; step *= 4) {
      MergePass(first, last, buffer, step);
      MergePass(buffer, buffer + count, first, 2 * step);
    }
  }

  Less& m_less;
  Where& m_where;
};

// Sorts values stably by less(later, earlier); see above.
template <typename T, typename Less, typename Where>
void StableSort(std::vector<T>& values, Less less, Where where) {
  MergeSorter<T, Less, Where>(less, where).Sort(values.data(), values.data() + values.size());
}

}  // namespace ug_sort
