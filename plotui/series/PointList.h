#pragma once
// The points of a series in order. They are kept in blocks of 16, 32, 64, ... up to 4096 points,
// then 4096 each, a block taken whole when the one before is full: adding a point allocates
// nothing of its own, and a point stays where it is (references to it hold) while others are added.

#include "plotui/series/GraphData.h"

#include <bit>
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

namespace plotui {

class TPointList {
  template <typename List, typename Value>
  class TIterator {
  public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = TGraphData;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    TIterator() = default;
    TIterator(List* list, std::size_t index) : list_(list), index_(index) {}
    reference operator*() const { return (*list_)[index_]; }
    pointer operator->() const { return &(*list_)[index_]; }
    TIterator& operator++() { ++index_; return *this; }
    TIterator operator++(int) { TIterator was = *this; ++index_; return was; }
    TIterator& operator--() { --index_; return *this; }
    TIterator operator--(int) { TIterator was = *this; --index_; return was; }
    friend bool operator==(const TIterator& a, const TIterator& b) { return a.index_ == b.index_; }

  private:
    List* list_ = nullptr;
    std::size_t index_ = 0;
  };

public:
  using iterator = TIterator<TPointList, TGraphData>;
  using const_iterator = TIterator<const TPointList, const TGraphData>;
  using reverse_iterator = std::reverse_iterator<iterator>;
  using const_reverse_iterator = std::reverse_iterator<const_iterator>;

  TPointList() = default;
  TPointList(const TPointList&) = delete;
  TPointList& operator=(const TPointList&) = delete;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear()
  {
    blocks_.clear();
    size_ = 0;
  }

  // Removes point i; the points after it move down one place.
  void erase(std::size_t i)
  {
    if (i >= size_)
      return;
    for (std::size_t j = i; j + 1 < size_; ++j)
      (*this)[j] = std::move((*this)[j + 1]);
    blocks_.back().pop_back();
    if (blocks_.back().empty())
      blocks_.pop_back();
    --size_;
  }

  // Puts a copy of data at place i (at most size()); the points from i on move up one place.
  void insert(std::size_t i, const TGraphData& data)
  {
    if (i > size_)
      return;
    emplace_back(data);
    for (std::size_t j = size_ - 1; j > i; --j)
      (*this)[j] = std::move((*this)[j - 1]);
    (*this)[i] = data;
  }

  TGraphData& operator[](std::size_t i) { return blocks_[Block(i)][Offset(i)]; }
  const TGraphData& operator[](std::size_t i) const { return blocks_[Block(i)][Offset(i)]; }
  TGraphData& at(std::size_t i)
  {
    if (i >= size_)
      throw std::out_of_range("point index");
    return (*this)[i];
  }
  TGraphData& front() { return (*this)[0]; }
  const TGraphData& front() const { return (*this)[0]; }
  TGraphData& back() { return (*this)[size_ - 1]; }
  const TGraphData& back() const { return (*this)[size_ - 1]; }

  // The new last point, made in place from args.
  template <typename... Args>
  TGraphData& emplace_back(Args&&... args)
  {
    if (blocks_.empty() || blocks_.back().size() == blocks_.back().capacity()) {
      blocks_.emplace_back();
      blocks_.back().reserve(BlockSize(blocks_.size() - 1));
    }
    TGraphData& data = blocks_.back().emplace_back(std::forward<Args>(args)...);
    ++size_;
    return data;
  }

  iterator begin() { return {this, 0}; }
  iterator end() { return {this, size_}; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size_}; }
  reverse_iterator rbegin() { return reverse_iterator(end()); }
  reverse_iterator rend() { return reverse_iterator(begin()); }
  const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
  const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }

private:
  static constexpr std::size_t kFirstBlock = 16;
  static constexpr std::size_t kGrowingBlocks = 9;  // 16 to 4096 points
  static constexpr std::size_t kLastBlock = kFirstBlock << (kGrowingBlocks - 1);
  static constexpr std::size_t kGrowingPoints = kFirstBlock * ((std::size_t(1) << kGrowingBlocks) - 1);

  static constexpr std::size_t BlockSize(std::size_t k)
  {
    return k < kGrowingBlocks ? kFirstBlock << k : kLastBlock;
  }
  // Growing block k holds points kFirstBlock * (2^k - 1) up to kFirstBlock * (2^(k+1) - 1) - 1.
  static std::size_t Block(std::size_t i)
  {
    if (i >= kGrowingPoints)
      return kGrowingBlocks + (i - kGrowingPoints) / kLastBlock;
    return std::size_t(std::bit_width(i / kFirstBlock + 1)) - 1;
  }
  static std::size_t Offset(std::size_t i)
  {
    if (i >= kGrowingPoints)
      return (i - kGrowingPoints) % kLastBlock;
    return i - kFirstBlock * ((std::size_t(1) << Block(i)) - 1);
  }

  std::vector<std::vector<TGraphData>> blocks_;  // each within the capacity it was given
  std::size_t size_ = 0;
};

}  // namespace plotui
