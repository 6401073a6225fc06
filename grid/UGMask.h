// The input-mask rules of the masked in-cell edit, apart from any window:
// parsing a mask into per-position mask characters and a template of
// literals, typing one character at the caret, and reformatting a text.
// Texts are UTF-8; positions count characters. Plain value; any thread.
//
// Mask characters: 0 digit, 9 digit or space, # digit, space, + or -,
// L letter, ? letter or space, A letter or digit, a letter, digit or space,
// & and C any printable character. A backslash makes the next character a
// literal; any other character is a literal.
#pragma once

#include <string>

class UGMaskRules {
 public:
  // An empty mask switches masking off.
  void SetMask(const std::string& mask);
  bool IsOn() const { return m_on; }
  const std::string& GetMaskText() const { return m_maskText; }
  // Number of positions (the longest text the mask takes).
  size_t Length() const { return m_mask.size(); }
  bool IsLiteral(size_t pos) const;
  // True when the mask position takes the character (literal positions
  // take anything).
  bool Accepts(size_t pos, char32_t ch) const;

  // Types ch at the caret (the selection already cleared): a literal of the
  // template at the caret is typed in first. False when the character is
  // refused (past the end of the mask, not accepted, or the text is full);
  // text and caret then stay as they were.
  bool TypeChar(std::u32string* text, size_t* caret, char32_t ch) const;
  // The text put through the mask: literals from the template, input
  // positions from the next fitting characters of the text.
  std::u32string Reformat(const std::u32string& text) const;

  static std::u32string ToU32(const std::string& utf8);
  static std::string ToUtf8(const std::u32string& text);
  static bool IsPrintable(char32_t ch) { return ch >= 0x20 && ch != 0x7F; }

 private:
  static constexpr char32_t kLiteralMarker = 8;
  std::string m_maskText;
  std::u32string m_mask;      // a mask character per position, the marker at literals
  std::u32string m_template;  // the marker at input positions, the literal at literals
  bool m_on = false;
};
