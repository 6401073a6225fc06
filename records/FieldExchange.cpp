#include "records/FieldExchange.h"

#include "records/SqlStatement.h"

std::string SqlColumnDeclaration(const ColumnDef& column) {
  const std::string name = QuoteSqlName(column.name);
  switch (column.kind) {
    case FieldKind::Int32:
      return name + " INTEGER NOT NULL DEFAULT 0";
    case FieldKind::Bool:
      return name + " INTEGER NOT NULL DEFAULT 0 CHECK (" + name + " IN (0, 1))";
    case FieldKind::Float32:
      return name + " FLOAT";
    case FieldKind::Double:
      return name + " DOUBLE";
    case FieldKind::Date:
      return name + " DATETIME NOT NULL DEFAULT 0";
    case FieldKind::Text:
      return name + " TEXT NOT NULL DEFAULT ''";
  }
  return name;
}

namespace {

class ColumnCollector : public CFieldExchange {
 public:
  std::vector<ColumnDef> columns;

 protected:
  void Exchange(const char* column, FieldKind kind, void*) override {
    columns.push_back({column, kind});
  }
};

}  // namespace

std::vector<ColumnDef> CRecordFields::GetColumns() const {
  ColumnCollector collector;
  // Exchange only takes the members' addresses here; nothing is changed.
  const_cast<CRecordFields*>(this)->Exchange(collector);
  return collector.columns;
}
