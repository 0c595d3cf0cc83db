#pragma once
// Little-endian fixed-size fields as the tournament file holds them: 32-bit
// integers, flags (-1/0), 8-byte doubles and NUL-terminated text in fields of
// a fixed size.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vkr {

// A read past the end of the data.
class TStreamReadError : public std::runtime_error {
 public:
  TStreamReadError() : std::runtime_error("Stream read error") {}
};

class TByteWriter {
 public:
  explicit TByteWriter(std::string& out) : FOut(out) {}
  void Byte(uint8_t value) { FOut += static_cast<char>(value); }
  void Int32(int32_t value) { Put(static_cast<uint32_t>(value)); }
  void Flag(bool value) { Int32(value ? -1 : 0); }
  void Double(double value) { Put(std::bit_cast<uint64_t>(value)); }
  // At most size - 1 characters, then NUL and zeros up to size.
  void Text(std::string_view text, size_t size);
  void Bytes(std::string_view bytes) { FOut += bytes; }
  void Zeros(size_t count) { FOut.append(count, '\0'); }

 private:
  // Inline: a save writes a few thousand of these.
  template <typename TBits>
  void Put(TBits bits) {
    char bytes[sizeof(TBits)];
    for (size_t i = 0; i < sizeof(TBits); ++i) bytes[i] = static_cast<char>(bits >> (8 * i));
    FOut.append(bytes, sizeof(TBits));
  }

  std::string& FOut;
};

// Reads from a view; every read past its end throws TStreamReadError.
class TByteReader {
 public:
  explicit TByteReader(std::string_view data) : FData(data) {}
  uint8_t Byte();
  int32_t Int32();
  bool Flag() { return Int32() != 0; }
  double Double();
  // The characters before the first NUL, at most size - 1 of them.
  std::string Text(size_t size);
  std::string_view Bytes(size_t count);
  void Skip(size_t count) { Bytes(count); }
  size_t Remaining() const { return FData.size() - FPos; }

 private:
  // The next count (at most 8) bytes as a little-endian number.
  uint64_t Bits(size_t count);

  std::string_view FData;
  size_t FPos = 0;
};

}  // namespace vkr
