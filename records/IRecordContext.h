// The engine facts that the production records need when they stamp a new
// row: the clock, the Shamsi text of a date, the data source, the operator
// and the active recipe. The engine implements it (records cannot see the
// engine) and hands it to the database connection; every record set opened
// on that connection uses it. Called on the user-interface thread only.
#pragma once

#include <string>

#include "platform/Variant.h"

class IRecordContext {
 public:
  virtual ~IRecordContext() = default;

  // The local date and time now, as an automation date.
  virtual DATE GetRecordNow() const = 0;
  // "%d/%02d/%02d" of the Shamsi date, with " - %02d:%02d:%02d" when bWithTime.
  virtual std::string GetShamsiText(DATE date, bool bWithTime) const = 0;
  // "None", "Demo" or "Real HW" (with " [Suspended]" while suspended).
  virtual std::string GetDataSourceText() const = 0;
  // The operator of the active shift; "?" when unknown.
  virtual std::string GetOperatorName() const = 0;
  // The active recipe's record id (-1 when unknown) and name ("?" when unknown).
  virtual int GetActiveRecipeId() const = 0;
  virtual std::string GetActiveRecipeName() const = 0;
};

// The facts of a context, or the fall-backs when there is none: the clock
// seam for now, an empty Shamsi text, an empty data source, "?" for the
// operator and the recipe name, -1 for the recipe id.
DATE RecordContextNow(const IRecordContext* context);
std::string RecordContextShamsi(const IRecordContext* context, DATE date, bool bWithTime);
std::string RecordContextDataSource(const IRecordContext* context);
std::string RecordContextOperator(const IRecordContext* context);
int RecordContextRecipeId(const IRecordContext* context);
std::string RecordContextRecipeName(const IRecordContext* context);
