#include "records/IRecordContext.h"

#include "platform/Seams.h"

DATE RecordContextNow(const IRecordContext* context) {
  return context ? context->GetRecordNow() : GetCurrentDateTime();
}

std::string RecordContextShamsi(const IRecordContext* context, DATE date, bool bWithTime) {
  return context ? context->GetShamsiText(date, bWithTime) : std::string();
}

std::string RecordContextDataSource(const IRecordContext* context) {
  return context ? context->GetDataSourceText() : std::string();
}

std::string RecordContextOperator(const IRecordContext* context) {
  return context ? context->GetOperatorName() : std::string("?");
}

int RecordContextRecipeId(const IRecordContext* context) {
  return context ? context->GetActiveRecipeId() : -1;
}

std::string RecordContextRecipeName(const IRecordContext* context) {
  return context ? context->GetActiveRecipeName() : std::string("?");
}
