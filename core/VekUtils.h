// The small shared helpers of the program: number and text formatting,
// keyed-number parsing, the clipboard, XML escapes, rectangles, key state
// and the deletion of owned windows and objects.
// Pure functions are safe from any thread; the window helpers belong to
// the user-interface thread.
#pragma once

#include <cstdarg>
#include <list>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CWnd;

// printf-style formatting into a std::string.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list args);

// Blanks (space, tab, CR, LF, vertical tab, form feed) removed.
std::string TrimText(const std::string& text);
std::string TrimLeftText(const std::string& text);

// At most max bytes of the text, cut before a UTF-8 continuation byte so no
// character is split.
std::string CapUtf8(const std::string& text, size_t max);
// The text in double quotes for a message, cut to its first 80 bytes with
// "..." after it when longer, so a bad value of any length reads well.
std::string QuoteForMessage(const std::string& text);

// The key is held: the high bit of its key state (keyboard seam).
bool IsShiftKeyDown();
bool IsCtrlKeyDown();

// outMin + (x - inMin) * (outMax - outMin) / (inMax - inMin), computed in
// double; -1.0 when inMin equals inMax. No clamping.
float ScaleLinear(float x, float inMin, float inMax, float outMin, float outMax);

// "%0.2f" below 10, "%0.1f" from 10 to below 100, "%0.0f" from 100 (|f|).
const char* GetPrecisionFormat(float f);
// The value formatted with the format chosen for the reference.
std::string FormatFloatByRange(float value, float reference);

// The decimal integer of the text once every '.' is removed: leading
// blanks and a sign allowed, reading stops at the first other character,
// 0 when there is no digit, clamped to the int range.
int TextToInt(const std::string& text);
std::string IntToText(int n);        // "%d"
std::string DoubleToText(double d);  // "%g"

// Takes the text before the first "-" as a token and removes it and the
// "-" from text (all of text when there is no "-"). When the token begins
// with key (exact comparison) value = TextToInt of the rest of the token
// and true; else value = -1 and false.
bool ExtractKeyedInt(std::string& text, const std::string& key, int& value);

// text += "\r\n" + line.
void AppendLine(std::string& text, const std::string& line);

// Puts the text, leading blanks trimmed, on the clipboard; false when the
// clipboard cannot be written.
bool CopyTextToClipboard(const std::string& text);

// &, <, >, " and ' replaced by their XML entities.
std::string XmlEscape(const std::string& text);

// "(%d,%d,%d,%d)" of left, top, right, bottom.
std::string RectToText(const CRect& rect);

// The window's rectangle in its parent's client coordinates (its screen
// rectangle when it has no parent). User-interface thread.
CRect GetWindowRectInParent(const CWnd* pWnd);

// Destroys the window when it exists, deletes the object when not null and
// sets the pointer to null. User-interface thread.
void DestroyAndDeleteWndImpl(CWnd* pWnd);
template <class T>
void DestroyAndDeleteWnd(T*& pWnd) {
  T* p = pWnd;
  pWnd = nullptr;
  DestroyAndDeleteWndImpl(p);
}

// Deletes every object of an owning array or list and empties it.
template <class T>
void DeleteArrayObjects(std::vector<T*>& objects) {
  for (T* p : objects) delete p;
  objects.clear();
}
template <class T>
void DeleteListObjects(std::list<T*>& objects) {
  for (T* p : objects) delete p;
  objects.clear();
}
