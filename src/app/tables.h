#pragma once
// Fixed-size arrays addressed the way the design record names them:
// plankAngle(k), X(k, i), bottomLineX(r, i) with its own lower bounds.
// Every access is bounds-checked; an index outside the declared range is a
// programming error and throws instead of reading a neighbouring table.

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>

namespace bravik {

// One-dimensional array with indices Low..High inclusive.
template <class T, int Low, int High>
class Table1 {
public:
    static constexpr int low = Low;
    static constexpr int high = High;

    T& operator()(int i) { return data_[Offset(i)]; }
    const T& operator()(int i) const { return data_[Offset(i)]; }
    void Fill(const T& v) { data_.fill(v); }
    bool operator==(const Table1&) const = default;

private:
    static std::size_t Offset(int i) {
        if (i < Low || i > High) throw std::out_of_range("table index out of range");
        return static_cast<std::size_t>(i - Low);
    }
    std::array<T, High - Low + 1> data_{};
};

// Two-dimensional array with rows R0..R1 and columns C0..C1 inclusive.
template <class T, int R0, int R1, int C0, int C1>
class Table2 {
public:
    static constexpr int rowLow = R0;
    static constexpr int rowHigh = R1;
    static constexpr int colLow = C0;
    static constexpr int colHigh = C1;

    T& operator()(int r, int c) { return data_[Offset(r, c)]; }
    const T& operator()(int r, int c) const { return data_[Offset(r, c)]; }
    void Fill(const T& v) { data_.fill(v); }
    bool operator==(const Table2&) const = default;

private:
    static constexpr int kCols = C1 - C0 + 1;
    static std::size_t Offset(int r, int c) {
        if (r < R0 || r > R1 || c < C0 || c > C1) throw std::out_of_range("table index out of range");
        return static_cast<std::size_t>((r - R0) * kCols + (c - C0));
    }
    std::array<T, (R1 - R0 + 1) * kCols> data_{};
};

}  // namespace bravik
