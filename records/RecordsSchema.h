// The tables of the production records database (Alarm, Event, Recipe,
// RecipeHistory, Shift), their columns taken from the record sets' field
// sets, and the opening of the database file with its schema: a missing (or
// empty) file is created with every table; a file this program versioned
// gets its missing tables and columns in one transaction and its version
// raised; a file with tables but no version, or a negative version, or
// with another program's mark or tables, is refused untouched.
// User-interface thread only.
#pragma once

#include <string>
#include <vector>

#include "records/CADODatabase.h"
#include "records/FieldExchange.h"

// The schema version this program writes into the file (PRAGMA user_version).
// 0 is a file without a version: taken only when it holds no table.
constexpr int kRecordsSchemaVersion = 1;
// The mark of this program's databases (PRAGMA application_id), "VekF".
// A file with another mark is refused untouched; a file of an earlier
// build (version, no mark) whose tables and columns are all this
// program's is taken and marked.
constexpr int kRecordsApplicationId = 0x56656B46;

struct CTableLayout {
  std::string name;
  std::string keyColumn;     // INTEGER PRIMARY KEY AUTOINCREMENT
  std::string activeColumn;  // at most one row has it set; empty: no such flag
  std::vector<ColumnDef> columns;
};

// The five tables in creation order.
const std::vector<CTableLayout>& GetRecordsLayouts();

// Refuses (throws the open error) a file that is not this program's: a
// mark of another program, or a table or column this program does not
// have. Nothing in the file changes.
void CheckRecordsFileIsOurs(CADODatabase& database);

// Creates the missing tables, columns and indexes and sets the schema
// version and the mark, in one transaction. Throws CADOException; a file of a newer
// version is refused and left as it is.
void UpgradeRecordsSchema(CADODatabase& database);

// Opens the database file with its schema. On failure shows the message
// (what is wrong with which file and what to do), leaves the connection
// closed and returns false; the file is never changed or replaced then.
bool OpenRecordsDatabase(CADODatabase& database, const std::string& strFileName);
