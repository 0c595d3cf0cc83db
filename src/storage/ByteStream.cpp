#include "storage/ByteStream.h"

#include <algorithm>

namespace vkr {

void TByteWriter::Text(std::string_view text, size_t size) {
  if (size == 0) return;
  std::string_view kept = text.substr(0, std::min(text.size(), size - 1));
  FOut += kept;
  Zeros(size - kept.size());
}

std::string_view TByteReader::Bytes(size_t count) {
  if (count > Remaining()) throw TStreamReadError();
  std::string_view bytes = FData.substr(FPos, count);
  FPos += count;
  return bytes;
}

uint8_t TByteReader::Byte() { return static_cast<uint8_t>(Bytes(1)[0]); }

int32_t TByteReader::Int32() { return static_cast<int32_t>(static_cast<uint32_t>(Bits(4))); }

double TByteReader::Double() { return std::bit_cast<double>(Bits(8)); }

uint64_t TByteReader::Bits(size_t count) {
  std::string_view bytes = Bytes(count);
  uint64_t bits = 0;
  for (size_t i = count; i-- > 0;) bits = (bits << 8) | static_cast<uint8_t>(bytes[i]);
  return bits;
}

std::string TByteReader::Text(size_t size) {
  std::string_view field = Bytes(size);
  size_t end = field.find('\0');
  if (end == std::string_view::npos) end = size == 0 ? 0 : size - 1;
  return std::string(field.substr(0, end));
}

}  // namespace vkr
