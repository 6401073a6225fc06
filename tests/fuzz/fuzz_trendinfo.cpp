// fuzz-lib: vek_attrib
// Feeds arbitrary "TrendInfo" texts to the trend-setting parser: it must
// never crash; a text it accepts must give fields inside their limits and a
// sample stack of the record count; a text it refuses must be reported by
// exactly one box that names the reason; a setting whose index another
// setting already holds must be reported as a duplicate.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/VStack.h"
#include "attrib/AttribTrendInfo.h"
#include "attrib/VAttribsPack.h"
#include "platform/Seams.h"

namespace {

// A pack of one float attribute and one boolean attribute, without a window.
class FuzzPack : public CVAttribsPack {
 public:
  FuzzPack() { DeclareAttrib(2); }
  ~FuzzPack() override { DeclareAttrib(0); }
  std::string GetAttribName(int id) const override { return id == 0 ? "Speed" : "OnOff"; }
  VARIANT GetAttribDefault(int) const override { return VARIANT(); }
  VARTYPE GetAttribType(int id) const override { return id == 0 ? VT_R4 : VT_BOOL; }
  void SetAttribValue(int id, const VARIANT* value) override { GetAttrib(id)->SetValue(value); }
  int GetAnalogRole(int) const override { return AR_NONE; }
  int GetAnalogGroupMember(int, int) const override { return -1; }
  std::string GetDeviceCaption() const override { return "Fuzz"; }
  std::string GetDeviceName() const override { return "Fuzz"; }
  std::string GetIniSectionName() const override { return "Vessel.Fuzz"; }
  bool IniSectionExists(const std::string&) const override { return true; }
  void SaveAttribIniString(int, int, const std::string&) override {}
  void LoadAttribIniString(int, int, std::string& text) override { text.clear(); }
};

int g_boxes = 0;
std::string g_lastBox;
std::string g_clipboard;

void InstallSeams() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  SetMessageBoxHandler([](const MessageBoxRequest& request) {
    ++g_boxes;
    g_lastBox = request.text;
    return IDOK;
  });
  SetKeyStateHandler([](int) { return false; });
  static const ClipboardHandler clipboard{[](const std::string& text) {
                                            g_clipboard = text;
                                            return true;
                                          },
                                          [] { return g_clipboard; }};
  SetClipboardHandler(&clipboard);
}

// Two thirds of the inputs are shaped like settings texts (keyed numbers
// joined by "-", keys now and then out of order, numbers near the limits,
// junk at the end), so the fuzzer reaches the good paths as well.
std::string MakeText(const uint8_t* data, size_t size) {
  if (size == 0 || data[0] % 3 == 0) {
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data + 1), size - 1);
  }
  static const char* const kKeys[] = {"TrendIndex#", "RecordCount#", "RecordInterval#", "X#", ""};
  size_t pos = 1;
  auto next = [&]() -> uint8_t { return pos < size ? data[pos++] : 0; };
  std::string text;
  const int fields = 1 + next() % 4;
  for (int field = 0; field < fields; ++field) {
    if (field > 0) text += "-";
    const uint8_t pick = next();
    text += kKeys[pick < 200 ? (field < 3 ? field : 3) : pick % 5];
    const int32_t number = static_cast<int32_t>(next() | (next() << 8) | (next() << 16) | (next() << 24));
    const uint8_t form = next() % 4;
    if (form == 0) {
      text += std::to_string(number);
    } else if (form == 1) {
      text += std::to_string(number % 120);
    } else if (form == 2) {
      text += std::to_string(number % 90000);
    } else {
      text += std::to_string(1 + (number & 0x3F));
    }
  }
  if (pos < size) text.append(reinterpret_cast<const char*>(data + pos), size - pos);
  return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InstallSeams();
  const std::string text = MakeText(data, size);
  static FuzzPack pack;
  // A setting that holds index 50, so texts of that index are duplicates.
  static CAttribTrendInfo* holder = [] {
    auto* trend = new CAttribTrendInfo(pack.GetAttrib(0));
    trend->SetTrendIndex(50);
    return trend;
  }();
  (void)holder;

  const bool onBool = size > 0 && data[0] == 0xFF;
  g_boxes = 0;
  CAttribTrendInfo trend(pack.GetAttrib(onBool ? 1 : 0));
  const bool ok = trend.ParseTrendInfo(text);

  if (ok) {
    if (onBool) std::abort();
    if (trend.GetTrendIndex() < 1 || trend.GetTrendIndex() > 100) std::abort();
    if (trend.GetRecordCount() < 10 || trend.GetRecordCount() > 86400) std::abort();
    if (trend.GetRecordInterval() < 1 || trend.GetRecordInterval() > 59) std::abort();
    if (!trend.GetSampleStack() || trend.GetSampleStack()->GetSize() != trend.GetRecordCount()) std::abort();
    const bool duplicate = trend.GetTrendIndex() == 50;
    if (g_boxes != (duplicate ? 1 : 0)) std::abort();
    if (duplicate && !StartsWith(g_lastBox, "Found duplicated Trend Index")) std::abort();
  } else if (text.empty()) {
    if (g_boxes != 0) std::abort();
  } else {
    if (g_boxes != 1) std::abort();
    if (!StartsWith(g_lastBox, "Invalid TrendInfo! -> ") &&
        !StartsWith(g_lastBox, "Trend is NOT supported for assigned Attrib!")) {
      std::abort();
    }
    if (onBool && !StartsWith(g_lastBox, "Trend is NOT supported")) std::abort();
    if (g_clipboard != text.substr(text.find_first_not_of(" \t\r\n\v\f") == std::string::npos
                                       ? text.size()
                                       : text.find_first_not_of(" \t\r\n\v\f"))) {
      std::abort();
    }
  }
  return 0;
}
