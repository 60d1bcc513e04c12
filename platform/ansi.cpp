#include "platform/ansi.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <map>
#include <stdexcept>
#include <utility>

namespace platform {
namespace {

constexpr std::array<bool, 256> MakeLeadByteTable() {
  std::array<bool, 256> table{};
  for (int byte = 0x81; byte <= 0x9F; ++byte) table[byte] = true;
  for (int byte = 0xE0; byte <= 0xFC; ++byte) table[byte] = true;
  return table;
}

constexpr std::array<bool, 256> kLeadBytes = MakeLeadByteTable();

// The lower-case trail byte of a double-byte capital with lead byte 0x82–0x84; the
// lead byte never changes. Full-width Latin 0x8260–0x8279, Greek 0x839F–0x83B6 and
// Cyrillic 0x8440–0x8460, whose small letters skip the trail byte 0x7F.
unsigned char LowerTrail(unsigned char lead, unsigned char trail) {
  switch (lead) {
    case 0x82:
      return trail >= 0x60 && trail <= 0x79 ? trail + 0x21 : trail;
    case 0x83:
      return trail >= 0x9F && trail <= 0xB6 ? trail + 0x20 : trail;
    case 0x84:
      if (trail >= 0x40 && trail <= 0x4E) return trail + 0x30;
      return trail >= 0x4F && trail <= 0x60 ? trail + 0x31 : trail;
    default:
      return trail;
  }
}

// One iconv descriptor, opened on first use and kept for the program's lifetime.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("no iconv conversion from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(descriptor_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts input; each stretch that the converter rejects becomes one "?", its
  // length given by skip_rejected.
  std::string Convert(std::string_view input, std::size_t output_per_input_byte,
                      std::size_t (*skip_rejected)(const unsigned char*, std::size_t)) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    std::string output(input.size() * output_per_input_byte + 4, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    std::size_t used = 0;
    while (in_left > 0) {
      char* out = output.data() + used;
      std::size_t out_left = output.size() - used;
      const std::size_t result = iconv(descriptor_, &in, &in_left, &out, &out_left);
      used = output.size() - out_left;
      if (result != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG || out_left == 0) {
        output.resize(output.size() * 2);
        continue;
      }
      output[used++] = '?';
      const std::size_t skipped =
          skip_rejected(reinterpret_cast<const unsigned char*>(in), in_left);
      in += skipped;
      in_left -= skipped;
    }
    output.resize(used);
    return output;
  }

 private:
  iconv_t descriptor_;
};

// A rejected code page 932 character: a lead byte with its trail byte, else one byte.
std::size_t SkipRejectedCp932(const unsigned char* bytes, std::size_t length) {
  return CharLength(std::string_view(reinterpret_cast<const char*>(bytes), length), 0);
}

// A rejected UTF-8 sequence: its start byte with as many continuation bytes as that
// start byte announces and the input holds; a stray byte alone.
std::size_t SkipRejectedUtf8(const unsigned char* bytes, std::size_t length) {
  const unsigned char first = bytes[0];
  std::size_t expected = 1;
  if (first >= 0xC2 && first <= 0xDF) {
    expected = 2;
  } else if (first >= 0xE0 && first <= 0xEF) {
    expected = 3;
  } else if (first >= 0xF0 && first <= 0xF4) {
    expected = 4;
  }
  std::size_t skipped = 1;
  while (skipped < expected && skipped < length && (bytes[skipped] & 0xC0) == 0x80) ++skipped;
  return skipped;
}

}  // namespace

void AnsiLowerBuff(char* text, std::size_t length) {
  auto* byte = reinterpret_cast<unsigned char*>(text);
  auto* const end = byte + length;
  while (byte < end) {
    const unsigned char c = *byte;
    if (c < 0x80) {
      if (static_cast<unsigned char>(c - 'A') < 26) *byte = c + ('a' - 'A');
      ++byte;
    } else if (!kLeadBytes[c]) {
      ++byte;
    } else {
      if (end - byte < 2 || !IsTrailByte(byte[1])) {  // a lead byte standing alone
        ++byte;
        continue;
      }
      if (c >= 0x82 && c <= 0x84) byte[1] = LowerTrail(c, byte[1]);
      byte += 2;
    }
  }
}

std::string AnsiLowerCase(std::string_view text) {
  std::string lowered(text);
  AnsiLowerBuff(lowered.data(), lowered.size());
  return lowered;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  static Converter converter("UTF-8", "CP932");
  return converter.Convert(cp932, 3, SkipRejectedCp932);
}

std::string Utf8ToCp932(std::string_view utf8) {
  static Converter converter("CP932", "UTF-8");
  return converter.Convert(utf8, 1, SkipRejectedUtf8);
}

}  // namespace platform

const std::string& operator""_sj(const char8_t* text, std::size_t length) {
  // Keyed on the literal's address and length; map nodes never move, so the
  // references handed out stay valid.
  static std::map<std::pair<const char8_t*, std::size_t>, std::string> cache;
  const std::pair key(text, length);
  auto found = cache.find(key);
  if (found == cache.end()) {
    std::string converted =
        platform::Utf8ToCp932(std::string_view(reinterpret_cast<const char*>(text), length));
    found = cache.emplace(key, std::move(converted)).first;
  }
  return found->second;
}
