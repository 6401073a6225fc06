// Typed field lists of the record sets. A field set (CRecordFields) names
// its members once, in column order, in Exchange; the same list gives the
// table's columns, binds the members to a statement and reads a row back
// into them. Field sets are plain values of the thread that owns them.
#pragma once

#include <string>
#include <vector>

#include "platform/Variant.h"

// How a member is stored. Float32 columns hold 32-bit floats (a NaN as
// NULL); Bool columns hold 0 or 1 in integers; Date columns hold automation
// dates (days since 1899-12-30).
enum class FieldKind { Int32, Bool, Float32, Double, Date, Text };

struct ColumnDef {
  std::string name;
  FieldKind kind;
};

// The SQL column type and constraints of a kind, for CREATE and ALTER TABLE.
std::string SqlColumnDeclaration(const ColumnDef& column);

// The visitor that a field set's Exchange walks its members with.
class CFieldExchange {
 public:
  virtual ~CFieldExchange() = default;

  void Int(const char* column, int& value) { Exchange(column, FieldKind::Int32, &value); }
  void Bool(const char* column, bool& value) { Exchange(column, FieldKind::Bool, &value); }
  void Float(const char* column, float& value) { Exchange(column, FieldKind::Float32, &value); }
  void Double(const char* column, double& value) { Exchange(column, FieldKind::Double, &value); }
  void Date(const char* column, DATE& value) { Exchange(column, FieldKind::Date, &value); }
  void Text(const char* column, std::string& value) { Exchange(column, FieldKind::Text, &value); }

 protected:
  // value points to an int, bool, float, double, DATE or std::string as kind says.
  virtual void Exchange(const char* column, FieldKind kind, void* value) = 0;
};

// The base of every record set's field set (its CSTFields).
class CRecordFields {
 public:
  virtual ~CRecordFields() = default;
  // Walks every column member in column order.
  virtual void Exchange(CFieldExchange& fx) = 0;
  // Puts every member back to its empty value.
  virtual void Reset() = 0;

  // The columns that Exchange names, in order.
  std::vector<ColumnDef> GetColumns() const;
};
