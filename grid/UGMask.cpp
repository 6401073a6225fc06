#include "grid/UGMask.h"

#include <algorithm>

namespace {

constexpr char32_t kMaskChars[] = U"09#L?Aa&C";

bool IsMaskChar(char32_t ch) {
  for (const char32_t* p = kMaskChars; *p != 0; ++p) {
    if (*p == ch) return true;
  }
  return false;
}

bool IsDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

// ASCII letters, and every character beyond ASCII that is printable
// (Persian and other scripts count as letters).
bool IsLetter(char32_t ch) {
  return (ch >= U'a' && ch <= U'z') || (ch >= U'A' && ch <= U'Z') || ch >= 0xA0;
}

}  // namespace

void UGMaskRules::SetMask(const std::string& mask) {
  m_maskText = mask;
  m_mask.clear();
  m_template.clear();
  std::u32string chars = ToU32(mask);
  for (size_t i = 0; i < chars.size(); ++i) {
    char32_t ch = chars[i];
    if (ch == U'\\' && i + 1 < chars.size()) {
      m_mask.push_back(kLiteralMarker);
      m_template.push_back(chars[++i]);
    } else if (IsMaskChar(ch)) {
      m_mask.push_back(ch);
      m_template.push_back(kLiteralMarker);
    } else {
      m_mask.push_back(kLiteralMarker);
      m_template.push_back(ch);
    }
  }
  m_on = !m_mask.empty();
}

bool UGMaskRules::IsLiteral(size_t pos) const {
  return pos < m_template.size() && m_template[pos] != kLiteralMarker;
}

bool UGMaskRules::Accepts(size_t pos, char32_t ch) const {
  if (pos >= m_mask.size()) return false;
  switch (m_mask[pos]) {
    case U'0': return IsDigit(ch);
    case U'9': return IsDigit(ch) || ch == U' ';
    case U'#': return IsDigit(ch) || ch == U' ' || ch == U'+' || ch == U'-';
    case U'L': return IsLetter(ch);
    case U'?': return IsLetter(ch) || ch == U' ';
    case U'A': return IsLetter(ch) || IsDigit(ch);
    case U'a': return IsLetter(ch) || IsDigit(ch) || ch == U' ';
    case U'&':
    case U'C': return IsPrintable(ch);
    default: return true;  // not a mask character: anything goes
  }
}

bool UGMaskRules::TypeChar(std::u32string* text, size_t* caret, char32_t ch) const {
  if (!m_on) {
    text->insert(*caret, 1, ch);
    ++*caret;
    return true;
  }
  std::u32string work = *text;
  size_t pos = std::min(*caret, work.size());
  if (pos >= m_mask.size()) return false;
  if (IsLiteral(pos)) {
    // The literal is typed in as if by the user; one only.
    if (work.size() >= m_mask.size()) return false;
    work.insert(pos, 1, m_template[pos]);
    ++pos;
    if (pos >= m_mask.size()) return false;
  }
  if (!Accepts(pos, ch)) return false;
  if (work.size() >= m_mask.size()) return false;
  work.insert(pos, 1, ch);
  *text = work;
  *caret = pos + 1;
  return true;
}

std::u32string UGMaskRules::Reformat(const std::u32string& text) const {
  if (!m_on) return text;
  std::u32string out;
  size_t next = 0;
  for (size_t pos = 0; pos < m_mask.size() && next < text.size(); ++pos) {
    if (IsLiteral(pos)) {
      out.push_back(m_template[pos]);
      // The same literal in the text is taken as typed.
      if (text[next] == m_template[pos]) ++next;
      continue;
    }
    while (next < text.size() && !Accepts(pos, text[next])) ++next;
    if (next >= text.size()) break;
    out.push_back(text[next++]);
  }
  return out;
}

std::u32string UGMaskRules::ToU32(const std::string& utf8) {
  std::u32string out;
  for (size_t i = 0; i < utf8.size();) {
    auto byte = static_cast<unsigned char>(utf8[i]);
    char32_t ch;
    size_t extra;
    if (byte < 0x80) {
      ch = byte;
      extra = 0;
    } else if ((byte & 0xE0) == 0xC0) {
      ch = byte & 0x1F;
      extra = 1;
    } else if ((byte & 0xF0) == 0xE0) {
      ch = byte & 0x0F;
      extra = 2;
    } else if ((byte & 0xF8) == 0xF0) {
      ch = byte & 0x07;
      extra = 3;
    } else {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    bool ok = true;
    for (size_t k = 1; k <= extra; ++k) {
      if (i + k >= utf8.size() || (static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      ch = (ch << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    if (!ok) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    out.push_back(ch);
    i += extra + 1;
  }
  return out;
}

std::string UGMaskRules::ToUtf8(const std::u32string& text) {
  std::string out;
  for (char32_t ch : text) {
    if (ch < 0x80) {
      out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
      out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
      out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
      out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
  }
  return out;
}
