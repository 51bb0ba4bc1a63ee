// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ScatterRecord.h"

#include <random>

namespace velmira::files {

namespace {

// A whole unsigned number in base 10 or 16, nullopt past 64 bits or for
// anything but its digits.
std::optional<std::uint64_t> readUnsigned(std::string_view text, unsigned base) {
  if (text.empty() || text.size() > (base == 10 ? 20 : 16)) return std::nullopt;
  std::uint64_t v = 0;
  for (char c : text) {
    unsigned d;
    if (c >= '0' && c <= '9')
      d = static_cast<unsigned>(c - '0');
    else if (base == 16 && c >= 'a' && c <= 'f')
      d = static_cast<unsigned>(c - 'a' + 10);
    else
      return std::nullopt;
    if (v > (UINT64_MAX - d) / base) return std::nullopt;
    v = v * base + d;
  }
  return v;
}

std::string hex(std::uint64_t v) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[v & 15]);
    v >>= 4;
  } while (v);
  return out;
}

}  // namespace

std::optional<std::uint64_t> readSeed(std::string_view text) { return readUnsigned(text, 10); }

std::string drawsText(const model::Scatter& scatter) {
  std::string out = std::to_string(scatter.next);
  auto field = [&out](const std::optional<model::ScatterDraw>& draw) {
    out += ';';
    if (draw) out += std::to_string(draw->index) + ':' + hex(draw->key);
  };
  for (const auto& d : scatter.gaps) field(d);
  for (const auto& d : scatter.readings) field(d);
  return out;
}

bool readDraws(std::string_view text, model::Scatter& scatter) {
  model::Scatter read = scatter;
  std::size_t pos = text.find(';');
  const auto next = readUnsigned(text.substr(0, pos), 10);
  if (!next) return false;
  read.next = *next;
  auto field = [&](std::optional<model::ScatterDraw>& draw) {
    if (pos == std::string_view::npos) return false;
    const std::size_t end = text.find(';', pos + 1);
    const std::string_view f = text.substr(pos + 1, end == std::string_view::npos ? end : end - pos - 1);
    pos = end;
    draw.reset();
    if (f.empty()) return true;
    const std::size_t colon = f.find(':');
    if (colon == std::string_view::npos) return false;
    const auto index = readUnsigned(f.substr(0, colon), 10);
    const auto key = readUnsigned(f.substr(colon + 1), 16);
    // A place at or past the counter was never drawn.
    if (!index || !key || *index >= read.next) return false;
    draw = model::ScatterDraw{*index, *key};
    return true;
  };
  for (auto& d : read.gaps)
    if (!field(d)) return false;
  for (auto& d : read.readings)
    if (!field(d)) return false;
  if (pos != std::string_view::npos) return false;
  scatter = read;
  return true;
}

model::Scatter scatterOf(const ExtensionItems& items, const std::function<std::uint64_t()>& drawSeed) {
  model::Scatter scatter;
  const std::string* on = items.find(kScatterKey);
  if (!on || *on != "oui") return scatter;
  scatter.on = true;
  const std::string* seedText = items.find(kSeedKey);
  const auto seed = seedText ? readSeed(*seedText) : std::nullopt;
  scatter.seed = seed ? *seed : drawSeed();
  // The draws belong to the seed they were made from.
  if (const std::string* draws = items.find(kDrawsKey); draws && seed) readDraws(*draws, scatter);
  return scatter;
}

std::uint64_t systemSeed() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

void applyScatter(const ExtensionItems& items, model::Workbench& wb) { wb.setScatter(scatterOf(items, systemSeed)); }

void keepScatter(ExtensionItems& items, const model::Scatter& scatter) {
  if (!scatter.on) return;
  // Both are short ASCII texts under a valid key: set cannot refuse them.
  items.set(kSeedKey, std::to_string(scatter.seed));
  items.set(kDrawsKey, drawsText(scatter));
}

}  // namespace velmira::files
