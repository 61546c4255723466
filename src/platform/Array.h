#pragma once

#include "platform/Exceptions.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// A one-dimensional array with an upper bound, as the framework's arrays are: indices run
// from 0 to Ubound(), and every access outside them raises OutOfBoundsException.
// Storage is a plain heap block so that Array<bool> hands out real bool references.
template <typename T>
class Array {
public:
    Array() = default;
    // CreateArray: Ubound() == ubound, every element a copy of `initial`.
    explicit Array(int ubound, const T& initial = T{})
        : size_(ubound < 0 ? 0 : std::size_t(ubound) + 1), items_(new T[size_])
    {
        for (std::size_t i = 0; i < size_; ++i)
            items_[i] = initial;
    }
    explicit Array(std::vector<T> values) : size_(values.size()), items_(new T[size_])
    {
        for (std::size_t i = 0; i < size_; ++i)
            items_[i] = std::move(values[i]);
    }

    Array(const Array& other) : size_(other.size_), items_(new T[size_])
    {
        for (std::size_t i = 0; i < size_; ++i)
            items_[i] = other.items_[i];
    }
    Array& operator=(const Array& other)
    {
        if (this != &other) {
            Array copy(other);
            swap(copy);
        }
        return *this;
    }
    Array(Array&&) noexcept = default;
    Array& operator=(Array&&) noexcept = default;

    int Ubound() const { return int(size_) - 1; }
    int Count() const { return int(size_); }
    bool inBounds(int index) const { return index >= 0 && std::size_t(index) < size_; }

    T& operator()(int index) { return items_[checked(index)]; }
    const T& operator()(int index) const { return items_[checked(index)]; }

    void swap(Array& other) noexcept
    {
        std::swap(size_, other.size_);
        std::swap(items_, other.items_);
    }

private:
    std::size_t checked(int index) const
    {
        if (!inBounds(index))
            throw OutOfBoundsException("index " + std::to_string(index) + " outside 0 to "
                                       + std::to_string(Ubound()));
        return std::size_t(index);
    }

    std::size_t size_ = 0;
    std::unique_ptr<T[]> items_;
};

} // namespace platform
