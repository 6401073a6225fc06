#include "core/VekEncryption.h"

#include <sodium.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <mutex>

namespace {

std::once_flag g_initOnce;
bool g_initOk = false;
std::atomic<bool> g_fastHashing{false};

// The program's own key of the group seal.
constexpr unsigned char kGroupKey[crypto_generichash_KEYBYTES] = {
    0x56, 0x65, 0x6b, 0x46, 0x72, 0x61, 0x6d, 0x65, 0x2d, 0x56, 0x58, 0x43, 0x9e, 0x31, 0xc4, 0x07,
    0x5a, 0xe2, 0x11, 0x8d, 0x73, 0x4b, 0xf0, 0x26, 0xb9, 0x0c, 0x64, 0xd7, 0x38, 0xa5, 0x1f, 0xe8};
constexpr size_t kPadBytes = 4;
constexpr size_t kSealBytes = 16;
constexpr size_t kScrambledChars = (kPadBytes + kSealBytes) * 2;

void Hash(unsigned char* out, size_t outLen, const std::string& message) {
  crypto_generichash(out, outLen, reinterpret_cast<const unsigned char*>(message.data()), message.size(),
                     kGroupKey, sizeof kGroupKey);
}

std::string SealMessage(const std::string& name, const std::string& hash, std::uint32_t groups) {
  std::string m = "VXC1";
  m += '\0';
  m += name;
  m += '\0';
  m += hash;
  m += '\0';
  for (int i = 0; i < 4; ++i) m += static_cast<char>((groups >> (8 * i)) & 0xFF);
  return m;
}

std::uint32_t Pad(const std::string& name) {
  unsigned char pad[kPadBytes];
  Hash(pad, sizeof pad, std::string("pad") + '\0' + name);
  return static_cast<std::uint32_t>(pad[0]) | static_cast<std::uint32_t>(pad[1]) << 8 |
         static_cast<std::uint32_t>(pad[2]) << 16 | static_cast<std::uint32_t>(pad[3]) << 24;
}

}  // namespace

bool CVekEncryption::Init() {
  std::call_once(g_initOnce, [] { g_initOk = sodium_init() >= 0; });
  return g_initOk;
}

std::string CVekEncryption::HashPassword(const std::string& strPassword) {
  if (!Init()) return {};
  char out[crypto_pwhash_STRBYTES];
  const bool fast = g_fastHashing.load();
  const unsigned long long ops = fast ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE;
  const size_t mem = fast ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE;
  if (crypto_pwhash_str(out, strPassword.data(), strPassword.size(), ops, mem) != 0) return {};
  return out;
}

bool CVekEncryption::IsPasswordHash(const std::string& strHash) {
  return strHash.size() < crypto_pwhash_STRBYTES && strHash.rfind("$argon2id$", 0) == 0;
}

bool CVekEncryption::VerifyPassword(const std::string& strHash, const std::string& strPassword) {
  if (!Init() || !IsPasswordHash(strHash)) return false;
  char stored[crypto_pwhash_STRBYTES] = {};
  std::memcpy(stored, strHash.data(), strHash.size());
  return crypto_pwhash_str_verify(stored, strPassword.data(), strPassword.size()) == 0;
}

std::string CVekEncryption::ScrambleGroups(const std::string& strName, const std::string& strPasswordHash,
                                           int nGroups) {
  if (!Init()) return {};
  const std::uint32_t groups = static_cast<std::uint32_t>(nGroups);
  unsigned char raw[kPadBytes + kSealBytes];
  const std::uint32_t masked = groups ^ Pad(strName);
  for (size_t i = 0; i < kPadBytes; ++i) raw[i] = static_cast<unsigned char>((masked >> (8 * i)) & 0xFF);
  Hash(raw + kPadBytes, kSealBytes, SealMessage(strName, strPasswordHash, groups));
  char hex[kScrambledChars + 1];
  sodium_bin2hex(hex, sizeof hex, raw, sizeof raw);
  return hex;
}

bool CVekEncryption::UnscrambleGroups(const std::string& strName, const std::string& strPasswordHash,
                                      const std::string& strScrambled, int* pGroups) {
  if (!Init() || strScrambled.size() != kScrambledChars) return false;
  unsigned char raw[kPadBytes + kSealBytes];
  size_t len = 0;
  if (sodium_hex2bin(raw, sizeof raw, strScrambled.data(), strScrambled.size(), nullptr, &len, nullptr) != 0 ||
      len != sizeof raw)
    return false;
  std::uint32_t masked = 0;
  for (size_t i = 0; i < kPadBytes; ++i) masked |= static_cast<std::uint32_t>(raw[i]) << (8 * i);
  const std::uint32_t groups = masked ^ Pad(strName);
  unsigned char seal[kSealBytes];
  Hash(seal, sizeof seal, SealMessage(strName, strPasswordHash, groups));
  if (crypto_verify_16(seal, raw + kPadBytes) != 0) return false;
  if (pGroups) *pGroups = static_cast<int>(groups);
  return true;
}

bool CVekEncryption::SecretsEqual(const std::string& a, const std::string& b) {
  if (!Init()) return false;
  if (a.size() != b.size()) return false;
  return a.empty() || sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

void CVekEncryption::SetFastHashingForTest(bool bFast) { g_fastHashing = bFast; }
