// The tag file ("<code>-DCTags.dct"): one tag per line, nine comma-
// separated fields (docs/tag-file.md), blank lines and lines beginning with
// "-" or "/" are comments. This reads the text into tag definitions and
// names every fault by file, line and field. Pure functions: any thread.
#pragma once

#include <string>
#include <vector>

#include "platform/Variant.h"

// One tag as the file defines it.
struct TagDefinition {
  int nLineNumber = 0;          // 1-based line in the file
  int nTagId = 0;
  std::string strTagName;
  int nHWType = 0;              // CDCTag::eHWType
  std::string strAccessPath;    // as written; may be empty
  int nIOType = 0;              // CDCTag::eIOType
  VARTYPE vtDataType = VT_EMPTY;
  int nDataStackSize = 0;       // 0: no data stack
  int nPortValuePrecision = 0;
  std::string strDataExpression;  // the rest of the line; may hold commas
};

// One fault of the file.
struct TagFileError {
  int nResult = 0;        // data-center result code (3, 4 or 7)
  int nLineNumber = 0;
  std::string strField;   // the column's name
  std::string strText;    // "<file>" line N, field "F": what is wrong.
};

// Field limits.
inline constexpr int kMaxDataStackSize = 100000;
inline constexpr int kMaxPortValuePrecision = 15;
inline constexpr size_t kMaxTagTextLength = 255;  // tag name, access path, data expression
// Names that mean "no tag" in the settings file; no tag may bear them.
inline constexpr const char* kNoTagName = "_NO_DCTAG_";
inline constexpr const char* kNoTagNameAlt = "~~~~~~~~~~";

// Reads the file's text. Every good line becomes a definition, every bad
// line an error (a line gives at most one); duplicates are errors of the
// later line. A text field longer than kMaxTagTextLength is an error; an
// error quotes at most 80 characters of the bad value. fileName only names
// the file in the texts.
void ParseTagFileText(const std::string& content, const std::string& fileName,
                      std::vector<TagDefinition>* tags, std::vector<TagFileError>* errors);

// The column names, in file order.
const std::vector<std::string>& GetTagFileColumns();
