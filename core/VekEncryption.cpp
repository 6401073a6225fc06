#include "core/VekEncryption.h"

#include <fcntl.h>
#include <sodium.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "core/AtomicFile.h"

namespace {

std::once_flag g_initOnce;
bool g_initOk = false;
std::atomic<bool> g_fastHashing{false};

constexpr size_t kPadBytes = 4;
constexpr size_t kSealBytes = 16;
constexpr size_t kScrambledChars = (kPadBytes + kSealBytes) * 2;
constexpr size_t kFileSealBytes = 32;

// The cost of new hashes: memory in bytes and passes.
size_t HashMemory() { return g_fastHashing.load() ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE; }
unsigned long long HashPasses() { return crypto_pwhash_OPSLIMIT_INTERACTIVE; }

void Hash(const CVekEncryption::Key& key, unsigned char* out, size_t outLen, const std::string& message) {
  crypto_generichash(out, outLen, reinterpret_cast<const unsigned char*>(message.data()), message.size(), key.data(),
                     key.size());
}

std::string GroupSealMessage(const std::string& name, const std::string& hash, std::uint32_t groups) {
  std::string m = "VXC1";
  m += '\0';
  m += name;
  m += '\0';
  m += hash;
  m += '\0';
  for (int i = 0; i < 4; ++i) m += static_cast<char>((groups >> (8 * i)) & 0xFF);
  return m;
}

std::uint32_t Pad(const CVekEncryption::Key& key, const std::string& name) {
  unsigned char pad[kPadBytes];
  Hash(key, pad, sizeof pad, std::string("pad") + '\0' + name);
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
  if (crypto_pwhash_str(out, strPassword.data(), strPassword.size(), HashPasses(), HashMemory()) != 0) return {};
  return out;
}

bool CVekEncryption::IsPasswordHash(const std::string& strHash) {
  return strHash.size() < crypto_pwhash_STRBYTES && strHash.rfind("$argon2id$", 0) == 0;
}

bool CVekEncryption::IsWeakHash(const std::string& strHash) {
  if (!IsPasswordHash(strHash)) return false;
  unsigned long long memoryKib = 0, passes = 0;
  if (std::sscanf(strHash.c_str(), "$argon2id$v=%*d$m=%llu,t=%llu,", &memoryKib, &passes) != 2) return false;
  return memoryKib * 1024 < HashMemory() || passes < HashPasses();
}

bool CVekEncryption::VerifyPassword(const std::string& strHash, const std::string& strPassword) {
  if (!Init() || !IsPasswordHash(strHash)) return false;
  char stored[crypto_pwhash_STRBYTES] = {};
  std::memcpy(stored, strHash.data(), strHash.size());
  return crypto_pwhash_str_verify(stored, strPassword.data(), strPassword.size()) == 0;
}

bool CVekEncryption::ReadKeyFile(const std::string& strPath, Key* pKey, std::string* pError, bool bFollowLinks) {
  std::string content, error;
  if (!ReadWholeFile(strPath, &content, &error, bFollowLinks)) {
    if (pError) *pError = error;
    return false;
  }
  if (content.size() != kKeyBytes) {
    if (pError)
      *pError = "The key file \"" + strPath + "\" is not a key file (" + std::to_string(content.size()) +
                " bytes instead of " + std::to_string(kKeyBytes) + ").";
    return false;
  }
  if (pKey) std::memcpy(pKey->data(), content.data(), kKeyBytes);
  sodium_memzero(content.data(), content.size());
  return true;
}

bool CVekEncryption::MakeKey(Key* pKey) {
  if (!Init() || !pKey) return false;
  randombytes_buf(pKey->data(), pKey->size());
  return true;
}

bool CVekEncryption::WriteNewKeyFileTemp(const std::string& strPath, const Key& key, std::string* pTempPath,
                                         std::string* pError) {
  std::string bytes(reinterpret_cast<const char*>(key.data()), key.size());
  std::string error;
  const bool ok = WriteTempFileBeside(strPath, bytes, 0600, pTempPath, &error);
  sodium_memzero(bytes.data(), bytes.size());
  if (!ok && pError) *pError = "Cannot make the key file \"" + strPath + "\": " + error;
  return ok;
}

bool CVekEncryption::CreateKeyFile(const std::string& strPath, Key* pKey, std::string* pError) {
  Key key{};
  if (!MakeKey(&key)) {
    if (pError) *pError = "The random source cannot be used.";
    return false;
  }
  // Written whole under a temporary name, then linked to its own name: the
  // link fails when the name exists, so a key is never overwritten, and a
  // key file is never seen half-written.
  std::string temp;
  std::string error;
  bool ok = WriteNewKeyFileTemp(strPath, key, &temp, pError);
  if (ok) {
    ok = LinkTempFileAsNew(temp, strPath, &error);
    ::unlink(temp.c_str());
    if (!ok && pError) *pError = "Cannot make the key file: " + error;
  }
  if (ok && pKey) *pKey = key;
  sodium_memzero(key.data(), key.size());
  return ok;
}

std::string CVekEncryption::Seal(const Key& key, const std::string& strMessage) {
  if (!Init()) return {};
  unsigned char seal[kFileSealBytes];
  Hash(key, seal, sizeof seal, strMessage);
  char hex[kFileSealBytes * 2 + 1];
  sodium_bin2hex(hex, sizeof hex, seal, sizeof seal);
  return hex;
}

bool CVekEncryption::VerifySeal(const Key& key, const std::string& strMessage, const std::string& strSeal) {
  const std::string expected = Seal(key, strMessage);
  return !expected.empty() && SecretsEqual(expected, strSeal);
}

std::string CVekEncryption::ScrambleGroups(const Key& key, const std::string& strName,
                                           const std::string& strPasswordHash, int nGroups) {
  if (!Init()) return {};
  const std::uint32_t groups = static_cast<std::uint32_t>(nGroups);
  unsigned char raw[kPadBytes + kSealBytes];
  const std::uint32_t masked = groups ^ Pad(key, strName);
  for (size_t i = 0; i < kPadBytes; ++i) raw[i] = static_cast<unsigned char>((masked >> (8 * i)) & 0xFF);
  Hash(key, raw + kPadBytes, kSealBytes, GroupSealMessage(strName, strPasswordHash, groups));
  char hex[kScrambledChars + 1];
  sodium_bin2hex(hex, sizeof hex, raw, sizeof raw);
  return hex;
}

bool CVekEncryption::UnscrambleGroups(const Key& key, const std::string& strName, const std::string& strPasswordHash,
                                      const std::string& strScrambled, int* pGroups) {
  if (!Init() || strScrambled.size() != kScrambledChars) return false;
  unsigned char raw[kPadBytes + kSealBytes];
  size_t len = 0;
  if (sodium_hex2bin(raw, sizeof raw, strScrambled.data(), strScrambled.size(), nullptr, &len, nullptr) != 0 ||
      len != sizeof raw)
    return false;
  std::uint32_t masked = 0;
  for (size_t i = 0; i < kPadBytes; ++i) masked |= static_cast<std::uint32_t>(raw[i]) << (8 * i);
  const std::uint32_t groups = masked ^ Pad(key, strName);
  unsigned char seal[kSealBytes];
  Hash(key, seal, sizeof seal, GroupSealMessage(strName, strPasswordHash, groups));
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
