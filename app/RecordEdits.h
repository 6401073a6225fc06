// The work of the record windows, apart from the windows: list the
// recipes, add, change, delete and activate one, start a shift, and
// download a recipe into the recipe process-data object.
// Each change is one transaction: it is written whole or not at all.
// Database errors are shown to the operator (as the record sets show
// them) and reported as false.
// User-interface thread (the record sets belong to it).
#pragma once

#include <string>
#include <vector>

#include "records/CRecipeRS.h"
#include "records/CShiftRS.h"
#include "records/CTableHistoryRS.h"

class C_BaseShape;

namespace record_edits {

// Every recipe, in table order (one read snapshot). Empty on an error.
std::vector<CRecipeFields> ListRecipes(CRecipeRS& recipes);
// Stands the cursor on the recipe nId; false when there is none.
bool MoveToRecipe(CRecipeRS& recipes, int nId);

// Appends the recipe (not active) and returns its new number; -1 on an error.
int AddRecipe(CRecipeRS& recipes, const CRecipeFields& recipe);
// Writes name and items of the recipe nId (its active flag stays as it
// is); the active field set follows when it is the active one.
bool UpdateRecipe(CRecipeRS& recipes, int nId, const CRecipeFields& recipe);
bool DeleteRecipe(CRecipeRS& recipes, int nId);
// Makes nId the only active recipe and appends its copy, stamped now, to
// the recipe history, both in one transaction (without a history set only
// the flag moves); then copies it into the active field set and posts the
// set's notice 5, counted as one whose history row is written.
bool ActivateRecipe(CRecipeRS& recipes, CTableHistoryRS<CRecipeRS>* pHistory, int nId);
// The recipe history keeps a row for every notice 5 of the recipes (an
// active recipe found at start-up or activated): the copy of the active
// recipe, stamped now. A notice whose row the activation wrote in its own
// transaction is counted off instead, so an activation has one row. False
// when a row was due and could not be written (no active recipe, no open
// history set, or a database error, shown).
bool AddRecipeHistoryForNotice(CRecipeRS& recipes, CTableHistoryRS<CRecipeRS>* pHistory);

// Starts a shift: a new row with the operator, the start now (with its
// Shamsi text, both from the record context) and zero totals, made the only
// active shift in the same transaction; then copied into the active field
// set (notice 5), so the operator's name is on the next Event row.
bool StartShift(CShiftRS& shifts, const std::string& strOperatorName);

// Writes the recipe's seventeen items and its number into the recipe
// process-data object (its items and ActiveRecipeNumber), which writes
// each changed value to its PLC tag.
void DownloadRecipe(C_BaseShape& plcRecipe, const CRecipeFields& recipe);

}  // namespace record_edits
