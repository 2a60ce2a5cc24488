#pragma once
// A signed fixed-width integer of Limbs x 64 bits (two's complement), enough for the
// lexicographic pairing weights of a large bracket, which do not fit in 128 bits. Only what the
// matching needs: addition, subtraction, comparison, halving.

#include <array>
#include <cstdint>

namespace movarel::pairing {

template <int Limbs>
class WideInteger {
 public:
  WideInteger() { limbs_.fill(0); }
  WideInteger(std::int64_t v) {  // NOLINT: converts like a built-in integer
    limbs_.fill(v < 0 ? ~std::uint64_t{0} : 0);
    limbs_[0] = static_cast<std::uint64_t>(v);
  }

  WideInteger& operator+=(const WideInteger& o) {
    std::uint64_t carry = 0;
    for (int i = 0; i < Limbs; ++i) {
      std::uint64_t a = limbs_[i];
      std::uint64_t s = a + o.limbs_[i];
      std::uint64_t c1 = s < a;
      std::uint64_t t = s + carry;
      std::uint64_t c2 = t < s;
      limbs_[i] = t;
      carry = c1 | c2;
    }
    return *this;
  }
  WideInteger& operator-=(const WideInteger& o) {
    std::uint64_t borrow = 0;
    for (int i = 0; i < Limbs; ++i) {
      std::uint64_t a = limbs_[i];
      std::uint64_t d = a - o.limbs_[i];
      std::uint64_t b1 = a < o.limbs_[i];
      std::uint64_t t = d - borrow;
      std::uint64_t b2 = d < borrow;
      limbs_[i] = t;
      borrow = b1 | b2;
    }
    return *this;
  }
  friend WideInteger operator+(WideInteger a, const WideInteger& b) { return a += b; }
  friend WideInteger operator-(WideInteger a, const WideInteger& b) { return a -= b; }

  // Arithmetic shift right by one: exact halving of the even values the matching divides.
  WideInteger half() const {
    WideInteger r;
    for (int i = 0; i < Limbs; ++i) {
      std::uint64_t hi = i + 1 < Limbs ? limbs_[i + 1] : (negative() ? ~std::uint64_t{0} : 0);
      r.limbs_[i] = (limbs_[i] >> 1) | (hi << 63);
    }
    return r;
  }
  // v * 2^shift; the caller keeps the result inside the width.
  static WideInteger shifted(std::int64_t v, int shift) {
    WideInteger r(v);
    int limb = shift / 64, bit = shift % 64;
    WideInteger out;
    for (int i = Limbs - 1; i >= 0; --i) {
      int from = i - limb;
      std::uint64_t lo = from >= 0 ? r.limbs_[from] : 0;
      std::uint64_t below = from - 1 >= 0 ? r.limbs_[from - 1] : 0;
      out.limbs_[i] = bit == 0 ? lo : (lo << bit) | (below >> (64 - bit));
    }
    return out;
  }

  bool negative() const { return static_cast<std::int64_t>(limbs_[Limbs - 1]) < 0; }

  friend bool operator==(const WideInteger& a, const WideInteger& b) { return a.limbs_ == b.limbs_; }
  friend bool operator<(const WideInteger& a, const WideInteger& b) {
    if (a.negative() != b.negative()) return a.negative();
    for (int i = Limbs - 1; i >= 0; --i)
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i];
    return false;
  }
  friend bool operator>(const WideInteger& a, const WideInteger& b) { return b < a; }
  friend bool operator<=(const WideInteger& a, const WideInteger& b) { return !(b < a); }
  friend bool operator>=(const WideInteger& a, const WideInteger& b) { return !(a < b); }

 private:
  std::array<std::uint64_t, Limbs> limbs_;
};

// The same two operations for the built-in 128-bit integer, which most brackets fit in.
inline __int128 half(__int128 v) { return v >> 1; }
inline long long half(long long v) { return v >> 1; }
template <int Limbs>
WideInteger<Limbs> half(const WideInteger<Limbs>& v) {
  return v.half();
}

}  // namespace movarel::pairing
