#pragma once
// GapBuffer: a sequence with a movable gap, so that insertions and removals at
// or next to the previous position cost O(1) amortised, whatever the size.
// Random access stays O(1).

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <utility>
#include <vector>

namespace ui {

template <class T>
class GapBuffer {
 public:
  std::size_t size() const { return store_.size() - GapLength(); }
  bool empty() const { return size() == 0; }

  const T& operator[](std::size_t index) const { return store_[Physical(index)]; }
  T& operator[](std::size_t index) { return store_[Physical(index)]; }

  void insert(std::size_t index, T value) {
    assert(index <= size());
    if (GapLength() == 0) Grow();
    MoveGap(index);
    store_[gap_begin_++] = std::move(value);
  }

  void erase(std::size_t index, std::size_t count = 1) {
    assert(index + count <= size());
    MoveGap(index);
    for (std::size_t i = 0; i < count; ++i) store_[gap_end_ + i] = T();
    gap_end_ += count;
  }

  void clear() {
    store_.clear();
    gap_begin_ = gap_end_ = 0;
  }

  // Replaces the content with values; the gap goes to the end.
  void assign(std::vector<T> values) {
    store_ = std::move(values);
    gap_begin_ = gap_end_ = store_.size();
  }

 private:
  std::size_t GapLength() const { return gap_end_ - gap_begin_; }
  std::size_t Physical(std::size_t index) const {
    return index < gap_begin_ ? index : index + GapLength();
  }

  void MoveGap(std::size_t index) {
    if (GapLength() == 0) {  // nothing to move; moving would assign elements to themselves
      gap_begin_ = gap_end_ = index;
      return;
    }
    if (index < gap_begin_) {
      std::size_t n = gap_begin_ - index;
      std::move_backward(store_.begin() + index, store_.begin() + gap_begin_,
                         store_.begin() + gap_end_);
      gap_begin_ -= n;
      gap_end_ -= n;
    } else if (index > gap_begin_) {
      std::size_t n = index - gap_begin_;
      std::move(store_.begin() + gap_end_, store_.begin() + gap_end_ + n,
                store_.begin() + gap_begin_);
      gap_begin_ += n;
      gap_end_ += n;
    }
  }

  void Grow() {
    std::size_t old_size = store_.size();
    std::size_t extra = std::max<std::size_t>(16, old_size);
    std::size_t tail = old_size - gap_end_;
    store_.resize(old_size + extra);
    std::move_backward(store_.begin() + gap_end_, store_.begin() + old_size, store_.end());
    gap_end_ = store_.size() - tail;
  }

  std::vector<T> store_;
  std::size_t gap_begin_ = 0;
  std::size_t gap_end_ = 0;
};

}  // namespace ui
