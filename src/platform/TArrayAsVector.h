// The growable array the vertex rings are built on.
//
// The storage always holds `Capacity()` constructed elements, of which the
// first `GetItemsInContainer()` are in use; appending assigns into the next
// one. That lets a caller prepare every element's own storage in advance
// (see the ring list), so appends in the middle of a run allocate nothing.
//
// Growth: a new array starts with room for one element and grows by whole
// multiples of the growth step (1, 257, 513, ...); past a few steps it
// doubles instead, so appending n elements costs O(n) in total.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>

template <class T>
class TArrayAsVector {
public:
    static constexpr std::size_t kInitialCapacity = 1;
    static constexpr std::size_t kGrowthStep = 256;

    TArrayAsVector() : items_(new T[kInitialCapacity]), capacity_(kInitialCapacity) {}

    TArrayAsVector(const TArrayAsVector& other)
        : items_(new T[std::max(other.count_, kInitialCapacity)]),
          count_(other.count_),
          capacity_(std::max(other.count_, kInitialCapacity)) {
        std::copy(other.items_, other.items_ + other.count_, items_);
    }

    TArrayAsVector(TArrayAsVector&& other) noexcept
        : items_(std::exchange(other.items_, nullptr)),
          count_(std::exchange(other.count_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}

    // Reuses this array's storage when it is large enough.
    TArrayAsVector& operator=(const TArrayAsVector& other) {
        if (this == &other) return *this;
        if (capacity_ < other.count_) {
            TArrayAsVector copy(other);
            swap(copy);
        } else {
            std::copy(other.items_, other.items_ + other.count_, items_);
            count_ = other.count_;
        }
        return *this;
    }

    TArrayAsVector& operator=(TArrayAsVector&& other) noexcept {
        TArrayAsVector moved(std::move(other));
        swap(moved);
        return *this;
    }

    virtual ~TArrayAsVector() { delete[] items_; }

    void Add(const T& item) {
        if (count_ == capacity_) Grow(count_ + 1);
        items_[count_++] = item;
    }

    std::size_t GetItemsInContainer() const { return count_; }
    std::size_t Capacity() const { return capacity_; }

    T& operator[](std::size_t position) { return items_[position]; }
    const T& operator[](std::size_t position) const { return items_[position]; }

    // Makes room for at least `capacity` elements.
    void Reserve(std::size_t capacity) {
        if (capacity > capacity_) Reallocate(capacity);
    }

    // Empties the array and keeps its storage.
    void Flush() { count_ = 0; }

protected:
    // The constructed elements past the count, for callers that prepare them.
    T* SpareBegin() { return items_ + count_; }
    T* SpareEnd() { return items_ + capacity_; }

private:
    void Grow(std::size_t needed) {
        std::size_t increase = needed - capacity_;
        if (capacity_ >= 4 * kGrowthStep) increase = std::max(increase, capacity_);
        increase = (increase + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
        Reallocate(capacity_ + increase);
    }

    void Reallocate(std::size_t capacity) {
        T* fresh = new T[capacity];
        std::move(items_, items_ + count_, fresh);
        delete[] items_;
        items_ = fresh;
        capacity_ = capacity;
    }

    void swap(TArrayAsVector& other) noexcept {
        std::swap(items_, other.items_);
        std::swap(count_, other.count_);
        std::swap(capacity_, other.capacity_);
    }

    T* items_;
    std::size_t count_ = 0;
    std::size_t capacity_;
};
