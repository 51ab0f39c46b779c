#pragma once

#include <algorithm>
#include <vector>

// Fixed-capacity stack of requests collected during a frame; a push onto a full stack is refused.
template <typename T>
class Stack {
 public:
  explicit Stack(int capacity) : data_(static_cast<std::size_t>(capacity)) {}

  bool push(const T& value) {
    if (count_ >= capacity()) return false;
    data_[static_cast<std::size_t>(count_++)] = value;
    return true;
  }

  bool pop(T& out) {
    if (count_ <= 0) {
      count_ = 0;
      return false;
    }
    out = data_[static_cast<std::size_t>(--count_)];
    return true;
  }

  // Withdraws every entry equal to the value, keeping the others in order; how many went.
  int remove_all(const T& value) {
    auto end = std::remove(data_.begin(), data_.begin() + count_, value);
    const int withdrawn = count_ - static_cast<int>(end - data_.begin());
    count_ -= withdrawn;
    return withdrawn;
  }

  int size() const { return count_; }
  int capacity() const { return static_cast<int>(data_.size()); }
  bool empty() const { return count_ == 0; }

 private:
  std::vector<T> data_;
  int count_ = 0;
};
