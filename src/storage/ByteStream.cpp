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

void TByteReader::Seek(size_t position) {
  if (position > FData.size()) throw TStreamReadError();
  FPos = position;
}

uint8_t TByteReader::Byte() { return static_cast<uint8_t>(Bytes(1)[0]); }

int32_t TByteReader::Int32() {
  std::string_view b = Bytes(4);
  uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<uint8_t>(b[static_cast<size_t>(i)]);
  return static_cast<int32_t>(bits);
}

double TByteReader::Double() {
  std::string_view b = Bytes(8);
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<uint8_t>(b[static_cast<size_t>(i)]);
  return std::bit_cast<double>(bits);
}

std::string TByteReader::Text(size_t size) {
  std::string_view field = Bytes(size);
  size_t end = field.find('\0');
  if (end == std::string_view::npos) end = size == 0 ? 0 : size - 1;
  return std::string(field.substr(0, end));
}

}  // namespace vkr
