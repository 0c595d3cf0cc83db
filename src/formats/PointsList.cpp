#include "formats/PointsList.h"

#include <vector>

#include "base/Text.h"

namespace vkr {
namespace {

constexpr TPointsList Preset(int32_t rounds, int32_t final) {
  TPointsList list{};
  for (size_t i = 0; i < 14; ++i) list[i] = rounds;
  list[14] = final;
  return list;
}

}  // namespace

const std::array<TPointsList, 5> PointsPresets = {Preset(1, 3), Preset(2, 5), Preset(3, 5), Preset(4, 7),
                                                   Preset(5, 7)};
const std::array<const char*, 5> PointsPresetCaptions = {"1 pt (3 pt final)", "2 pt (5 pt final)",
                                                         "3 pt (5 pt final)", "4 pt (7 pt final)",
                                                         "5 pt (7 pt final)"};

int MatchingPreset(const TPointsList& list) {
  for (size_t k = 0; k < PointsPresets.size(); ++k) {
    if (PointsPresets[k] == list) return static_cast<int>(k);
  }
  return kPresetOther;
}

std::string ListToText(const TPointsList& values) {
  std::string text = std::to_string(values[0]);
  for (size_t i = 1; i < values.size(); ++i) {
    text += ',';
    text += std::to_string(values[i]);
  }
  return text;
}

TPointsList TextToList(std::string_view text) {
  constexpr size_t kMaxNumbers = 1025;
  std::vector<int32_t> numbers;
  size_t i = 0;
  while (numbers.size() < kMaxNumbers) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size() || text[i] < '0' || text[i] > '9') break;
    int32_t value = 0;
    for (int digits = 0; digits < 9 && i < text.size() && text[i] >= '0' && text[i] <= '9'; ++digits, ++i) {
      value = value * 10 + (text[i] - '0');
    }
    numbers.push_back(value);
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == ',') ++i;
  }
  TPointsList list{};
  size_t n = numbers.size();
  if (n == 0) return list;
  if (n <= 2 || n == 15) {
    for (size_t k = 0; k < n; ++k) list[k] = numbers[k];
  } else if (n <= 14) {
    for (size_t k = 0; k < n - 2; ++k) list[k] = numbers[k];
    for (size_t k = n - 2; k <= 12; ++k) list[k] = numbers[n - 3];
    list[13] = numbers[n - 2];
    list[14] = numbers[n - 1];
  } else {
    for (size_t k = 0; k < 13; ++k) list[k] = numbers[k];
    list[13] = numbers[n - 2];
    list[14] = numbers[n - 1];
  }
  return list;
}

}  // namespace vkr
