// The text of the user file (docs/user-file.md): sections "User-N" with the
// keys Name, PW and GRP, and the section "Seal" with the file's generation
// number and the seal over the generation and every entry. This reads the
// text into its entries and makes the sealed text; the access control
// decides what the entries mean. Pure functions: any thread.
#pragma once

#include <string>
#include <vector>

#include "core/VekEncryption.h"

// One "User-N" section as written (values trimmed).
struct UserFileEntry {
  std::string strSection;
  std::string strName, strPW, strGRP;
};

struct UserFileContent {
  bool bHasSeal = false;       // a "Seal" section exists
  std::string strGeneration;   // its Generation and MAC values, as written
  std::string strMac;
  std::vector<UserFileEntry> entries;  // the "User-" sections in file order (first of each name)
};

// Reads the text: "[Section]" lines, "Key=Value" lines, blank lines and
// lines beginning with ';' ignored; names compare without case, the first
// section or key of a name counts.
UserFileContent ParseUserFileText(const std::string& strText);

// True when the content's seal matches its generation and entries under
// the key; the generation then goes to *pGeneration.
bool CheckUserFileSeal(const UserFileContent& content, const CVekEncryption::Key& key,
                       unsigned long long* pGeneration);

// The file text of the entries (sections renumbered "User-1", ...) sealed
// as generation nGeneration under the key.
std::string MakeSealedUserFileText(const std::vector<UserFileEntry>& entries, unsigned long long nGeneration,
                                   const CVekEncryption::Key& key);
