#include "core/TagFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <unordered_map>

#include "core/DCTag.h"
#include "core/DataCenterBase.h"
#include "core/VekUtils.h"
#include "links/VarTypeNames.h"

namespace {

enum Column {
  kColTagId,
  kColTagName,
  kColHWType,
  kColAccessPath,
  kColIOType,
  kColDataType,
  kColDataStackSize,
  kColPortValuePrecision,
  kColDataExpression,
  kColumnCount
};

const std::vector<std::string> kColumns = {"TagID",    "TagName",       "HWType",
                                           "AccessPath", "IOType",      "DataType",
                                           "DataStackSize", "PortValuePrecision", "DataExpression"};

// Splits into at most kColumnCount fields; the last takes the rest.
std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t pos = 0;
  while (fields.size() + 1 < kColumnCount) {
    const size_t comma = line.find(',', pos);
    if (comma == std::string::npos) break;
    fields.push_back(TrimText(line.substr(pos, comma - pos)));
    pos = comma + 1;
  }
  fields.push_back(TrimText(line.substr(pos)));
  return fields;
}

bool ParseWholeInt(const std::string& text, long long* value) {
  if (text.empty()) return false;
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(begin, &end, 10);
  if (end == begin || *end != '\0' || errno == ERANGE) return false;
  *value = v;
  return true;
}

class LineReader {
 public:
  LineReader(const std::string& fileName, int lineNumber, std::vector<TagFileError>* errors)
      : m_fileName(fileName), m_line(lineNumber), m_errors(errors) {}

  bool Fail(int result, Column column, const std::string& what) {
    TagFileError error;
    error.nResult = result;
    error.nLineNumber = m_line;
    error.strField = kColumns[column];
    error.strText = FormatText("\"%s\" line %d, field \"%s\": %s", m_fileName.c_str(), m_line,
                               error.strField.c_str(), what.c_str());
    if (m_errors) m_errors->push_back(std::move(error));
    return false;
  }

  bool Int(const std::string& text, Column column, long long min, long long max, int* out) {
    long long v = 0;
    if (!ParseWholeInt(text, &v))
      return Fail(CDataCenterBase::eResultInvalidParameter, column, QuoteForMessage(text) + " is not a whole number.");
    if (v < min || v > max)
      return Fail(CDataCenterBase::eResultOutOfRange, column,
                  FormatText("%lld is out of range (%lld to %lld).", v, min, max));
    *out = static_cast<int>(v);
    return true;
  }

 private:
  const std::string& m_fileName;
  int m_line;
  std::vector<TagFileError>* m_errors;
};

bool ParseLine(const std::string& line, LineReader& reader, TagDefinition* tag) {
  const std::vector<std::string> f = SplitFields(line);
  if (f.size() < kColumnCount)
    return reader.Fail(CDataCenterBase::eResultInvalidParameter, static_cast<Column>(f.size()),
                       FormatText("missing; a tag line has %d comma-separated fields.", kColumnCount));

  if (!reader.Int(f[kColTagId], kColTagId, 0, INT_MAX, &tag->nTagId)) return false;
  for (const Column text : {kColTagName, kColAccessPath, kColDataExpression}) {
    if (f[text].size() > kMaxTagTextLength)
      return reader.Fail(CDataCenterBase::eResultOutOfRange, text,
                         FormatText("%zu characters are too many (at most %zu): ", f[text].size(),
                                    kMaxTagTextLength) +
                             QuoteForMessage(f[text]) + ".");
  }

  tag->strTagName = f[kColTagName];
  if (tag->strTagName.empty())
    return reader.Fail(CDataCenterBase::eResultInvalidParameter, kColTagName, "the tag name is empty.");
  if (tag->strTagName == kNoTagName || tag->strTagName == kNoTagNameAlt)
    return reader.Fail(CDataCenterBase::eResultInvalidParameter, kColTagName,
                       QuoteForMessage(tag->strTagName) + " is reserved for \"no tag\".");

  if (!CDCTag::HWTypeFromName(f[kColHWType], &tag->nHWType))
    return reader.Fail(CDataCenterBase::eResultInvalidParameter, kColHWType,
                       "unknown hardware type " + QuoteForMessage(f[kColHWType]) + " (NULL, OPC, ADV or SRL).");
  tag->strAccessPath = f[kColAccessPath];
  if (!CDCTag::IOTypeFromName(f[kColIOType], &tag->nIOType))
    return reader.Fail(CDataCenterBase::eResultInvalidParameter, kColIOType,
                       "unknown IO type " + QuoteForMessage(f[kColIOType]) + " (NULL, INPUT, OUTPUT or DUPLEX).");
  if (!VarTypeFromName(f[kColDataType], &tag->vtDataType))
    return reader.Fail(CDataCenterBase::eResultInvalidParameter, kColDataType,
                       "unknown data type " + QuoteForMessage(f[kColDataType]) + ".");
  if (!reader.Int(f[kColDataStackSize], kColDataStackSize, 0, kMaxDataStackSize, &tag->nDataStackSize))
    return false;
  if (tag->nDataStackSize > 0 && !CVStack::IsSupportedVarType(tag->vtDataType))
    return reader.Fail(CDataCenterBase::eResultInvalidParameter, kColDataStackSize,
                       "a data stack needs the data type Short, Int or Float, not " +
                           VarTypeToName(tag->vtDataType) + ".");
  if (!reader.Int(f[kColPortValuePrecision], kColPortValuePrecision, 0, kMaxPortValuePrecision,
                  &tag->nPortValuePrecision))
    return false;
  tag->strDataExpression = f[kColDataExpression];
  return true;
}

}  // namespace

const std::vector<std::string>& GetTagFileColumns() { return kColumns; }

void ParseTagFileText(const std::string& content, const std::string& fileName,
                      std::vector<TagDefinition>* tags, std::vector<TagFileError>* errors) {
  std::unordered_map<std::string, int> names;  // name -> its line
  size_t pos = content.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  int lineNumber = 0;
  while (pos < content.size()) {
    size_t end = content.find('\n', pos);
    if (end == std::string::npos) end = content.size();
    const std::string line = TrimText(content.substr(pos, end - pos));
    pos = end + 1;
    ++lineNumber;
    if (line.empty() || line[0] == '-' || line[0] == '/') continue;

    LineReader reader(fileName, lineNumber, errors);
    TagDefinition tag;
    tag.nLineNumber = lineNumber;
    if (!ParseLine(line, reader, &tag)) continue;
    const auto [it, added] = names.emplace(tag.strTagName, lineNumber);
    if (!added) {
      reader.Fail(CDataCenterBase::eResultDuplicated, kColTagName,
                  "the tag name " + QuoteForMessage(tag.strTagName) +
                      FormatText(" is already used by line %d.", it->second));
      continue;
    }
    if (tags) tags->push_back(std::move(tag));
  }
}
