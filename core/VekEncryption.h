// CVekEncryption: the protection of the user file. Passwords are kept only
// as salted, slow hashes (never in a form that can be turned back); a
// user's groups are scrambled and sealed to the user's name and password
// hash, so an entry changed outside the program is detected and refused.
// Thread-safety: every member may be called from any thread.
#pragma once

#include <string>

class CVekEncryption {
 public:
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

  // The scrambled, sealed text of the groups of the user.
  static std::string ScrambleGroups(const std::string& strName, const std::string& strPasswordHash, int nGroups);
  // The groups back; false (nGroups untouched) when the text was not made
  // for this name and hash, or was altered.
  static bool UnscrambleGroups(const std::string& strName, const std::string& strPasswordHash,
                               const std::string& strScrambled, int* pGroups);

  // Equal texts, compared in a time that does not depend on where they differ.
  static bool SecretsEqual(const std::string& a, const std::string& b);

  // Tests: the cheapest hashing cost (hashes stay valid either way).
  static void SetFastHashingForTest(bool bFast);
};
