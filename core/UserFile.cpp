#include "core/UserFile.h"

#include <strings.h>

#include <cstdlib>
#include <unordered_set>

#include "core/VekUtils.h"

namespace {

constexpr const char* kHeader = "; VekFrame users. Written by the program: a file changed by hand is refused.\r\n";
constexpr const char* kUserPrefix = "User-";
constexpr const char* kSealSection = "Seal";

bool EqualNoCase(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// Each value with its length in front, so no two different contents give
// one message.
void AppendField(std::string& message, const std::string& value) {
  message += std::to_string(value.size());
  message += ':';
  message += value;
}

// What the seal covers: the generation and every entry, in file order.
std::string SealMessage(const std::string& generation, const std::vector<UserFileEntry>& entries) {
  std::string message = "VekFrame user file";
  AppendField(message, generation);
  for (const UserFileEntry& e : entries) {
    AppendField(message, e.strSection);
    AppendField(message, e.strName);
    AppendField(message, e.strPW);
    AppendField(message, e.strGRP);
  }
  return message;
}

// Names compare without case as strcasecmp does: ASCII letters only.
std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool ParseGeneration(const std::string& text, unsigned long long* value) {
  if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  *value = std::strtoull(text.c_str(), nullptr, 10);
  return true;
}

}  // namespace

UserFileContent ParseUserFileText(const std::string& strText) {
  UserFileContent content;
  std::unordered_set<std::string> seen;  // section names met so far, in lower case
  UserFileEntry* entry = nullptr;    // the section the lines belong to, when it counts
  bool entryHas[3] = {};             // its Name, PW and GRP were given
  bool inSeal = false;
  bool sealGeneration = false, sealMac = false;
  size_t pos = strText.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (pos < strText.size()) {
    size_t end = strText.find('\n', pos);
    if (end == std::string::npos) end = strText.size();
    const std::string line = TrimText(strText.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const size_t close = line.find(']');
      const std::string name = TrimText(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      // One look-up per section, so the reading stays linear in the file.
      const bool again = !seen.insert(LowerAscii(name)).second;
      entry = nullptr;
      inSeal = !again && EqualNoCase(name, kSealSection);
      content.bHasSeal = content.bHasSeal || inSeal;
      if (!again && strncasecmp(name.c_str(), kUserPrefix, 5) == 0) {
        content.entries.push_back(UserFileEntry{name, {}, {}, {}});
        entry = &content.entries.back();
        entryHas[0] = entryHas[1] = entryHas[2] = false;
      }
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = TrimText(line.substr(0, eq));
    const std::string value = TrimText(line.substr(eq + 1));
    const auto take = [&](std::string& slot, bool& given) {
      if (!given) slot = value;
      given = true;
    };
    if (entry) {
      if (EqualNoCase(key, "Name")) take(entry->strName, entryHas[0]);
      else if (EqualNoCase(key, "PW")) take(entry->strPW, entryHas[1]);
      else if (EqualNoCase(key, "GRP")) take(entry->strGRP, entryHas[2]);
    } else if (inSeal) {
      if (EqualNoCase(key, "Generation")) take(content.strGeneration, sealGeneration);
      else if (EqualNoCase(key, "MAC")) take(content.strMac, sealMac);
    }
  }
  return content;
}

bool CheckUserFileSeal(const UserFileContent& content, const CVekEncryption::Key& key,
                       unsigned long long* pGeneration) {
  unsigned long long generation = 0;
  if (!content.bHasSeal || !ParseGeneration(content.strGeneration, &generation)) return false;
  if (!CVekEncryption::VerifySeal(key, SealMessage(content.strGeneration, content.entries), content.strMac))
    return false;
  if (pGeneration) *pGeneration = generation;
  return true;
}

std::string MakeSealedUserFileText(const std::vector<UserFileEntry>& entries, unsigned long long nGeneration,
                                   const CVekEncryption::Key& key) {
  std::string body;
  for (size_t i = 0; i < entries.size(); ++i) {
    body += FormatText("\r\n[%s%zu]\r\n", kUserPrefix, i + 1);
    body += "Name=" + entries[i].strName + "\r\n";
    body += "PW=" + entries[i].strPW + "\r\n";
    body += "GRP=" + entries[i].strGRP + "\r\n";
  }
  // The seal is made over the entries as they read back, so a value that
  // the reading would change (a blank, a line break) can never make the
  // program's own file fail its seal.
  const std::string generation = std::to_string(nGeneration);
  const UserFileContent written = ParseUserFileText(body);
  return std::string(kHeader) + "\r\n[" + kSealSection + "]\r\nGeneration=" + generation +
         "\r\nMAC=" + CVekEncryption::Seal(key, SealMessage(generation, written.entries)) + "\r\n" + body;
}
