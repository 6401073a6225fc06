// CVekEncryption: the protection of the user file. Passwords are kept only
// as salted, slow hashes (never in a form that can be turned back). The
// user file is sealed with a secret of the installation: 32 random bytes
// in a key file of their own, made once and never overwritten. The seal
// (a keyed BLAKE2b hash) covers the whole file, and each user's groups are
// scrambled and sealed to the user's name and password hash with the same
// key, so a file changed outside the program is detected and refused.
// Thread-safety: every member may be called from any thread.
#pragma once

#include <array>
#include <string>

class CVekEncryption {
 public:
  static constexpr size_t kKeyBytes = 32;
  using Key = std::array<unsigned char, kKeyBytes>;

  // Prepares the crypto library once; false when it cannot be used.
  static bool Init();

  // A salted slow hash of the password, in the library's text form; empty
  // when hashing failed (out of memory).
  static std::string HashPassword(const std::string& strPassword);
  // True when the password matches the hash; false for a malformed hash.
  // Takes the same time whatever the password.
  static bool VerifyPassword(const std::string& strHash, const std::string& strPassword);
  // True for a text in the hash form HashPassword makes.
  static bool IsPasswordHash(const std::string& strHash);
  // True for a hash made with a lower cost (memory or passes) than
  // HashPassword uses now: it is made again at the next successful login.
  static bool IsWeakHash(const std::string& strHash);

  // The key of the installation from its key file: exactly kKeyBytes bytes.
  // False, with a reason naming the file, when it cannot be read or is no
  // key file (anything but a regular file is refused, never waited on; a
  // link too when bFollowLinks is false).
  static bool ReadKeyFile(const std::string& strPath, Key* pKey, std::string* pError, bool bFollowLinks = true);
  // A new key from the system's random source; false when it cannot be used.
  static bool MakeKey(Key* pKey);
  // Writes the key to a new temporary file beside strPath (mode 0600,
  // flushed), for a caller that links it into place with other files as
  // one change; false with a reason naming strPath.
  static bool WriteNewKeyFileTemp(const std::string& strPath, const Key& key, std::string* pTempPath,
                                  std::string* pError);
  // Makes a new key from the system's random source and writes it to a new
  // key file (mode 0600). An existing file is never replaced: false then,
  // as for any failure, with a reason.
  static bool CreateKeyFile(const std::string& strPath, Key* pKey, std::string* pError);

  // The seal of a message under the key, as 64 hexadecimal characters; and
  // its check (in a time that does not depend on where it differs).
  static std::string Seal(const Key& key, const std::string& strMessage);
  static bool VerifySeal(const Key& key, const std::string& strMessage, const std::string& strSeal);

  // The scrambled, sealed text of the groups of the user.
  static std::string ScrambleGroups(const Key& key, const std::string& strName, const std::string& strPasswordHash,
                                    int nGroups);
  // The groups back; false (nGroups untouched) when the text was not made
  // for this name and hash under this key, or was altered.
  static bool UnscrambleGroups(const Key& key, const std::string& strName, const std::string& strPasswordHash,
                               const std::string& strScrambled, int* pGroups);

  // Equal texts, compared in a time that does not depend on where they differ.
  static bool SecretsEqual(const std::string& a, const std::string& b);

  // Tests: a cheap hashing cost (hashes stay valid either way).
  static void SetFastHashingForTest(bool bFast);
};
