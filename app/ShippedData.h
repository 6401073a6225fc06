// The shipped default data files, made from the program's own tables so
// they stay in step with the code:
// - the settings file: the "Application" section, then one section per
//   device (device list order) and process-data object (table order) that
//   binds every bindable attribute to a tag of its own, with the few saved
//   values and trend settings a first start needs;
// - the tag file: one memory tag (no hardware link) per binding, of the
//   attribute's data type, with the direction its name tells;
// - the records database with one active recipe (values that fit the
//   Demo plant) and one active shift, so the status lines name them and
//   the loops can go automatic on a first start.
// scripts/make-shipped-data.sh writes them into data/; a test checks that
// data/ holds what this makes.
// Threads: user-interface thread (it reads the plant's objects).
#pragma once

#include <string>
#include <vector>

class CPlant;
class C_BaseShape;

struct ShippedDataFiles {
  std::string settings;  // VTLN-Setting.ini, CR LF line ends
  std::string tags;      // VTLN-DCTags.dct, LF line ends
};

// The devices and process-data objects in settings-file order: the device
// list's rows, then the process-data table (general, shift, recipe, loops,
// alarms). The process-data objects must have been created.
std::vector<C_BaseShape*> ShippedDataObjects(const CPlant& plant);

// The tag an attribute is bound to: "<device name>.<attribute name>".
std::string ShippedTagName(const C_BaseShape& object, int id);

// The IO type of an attribute's tag by its name: commands ("Do...",
// "AutoCntrl...") OUTPUT; feedbacks, alarm flags, local-control flags and
// raw port values INPUT; every other value, limit and process-data value
// DUPLEX (read from and written to the controller).
const char* ShippedTagIoType(const std::string& attribName);

// Both files for the plant.
ShippedDataFiles MakeShippedDataFiles(const CPlant& plant);

// The shipped recipe and shift: names and the seventeen item values.
inline constexpr const char* kShippedRecipeName = "Standard Powder";
inline constexpr const char* kShippedOperatorName = "Operator";
extern const float kShippedRecipeItems[17];

// Makes the records database file (which must not exist) with the shipped
// recipe, active, with its history row, and the shipped shift, active,
// folded back and left in rollback-journal mode (nothing beside it). False
// (with the records' own message) on a database error.
bool MakeShippedDatabase(const std::string& path);

// The shipped files by name. The user file is not among those copied: a
// first start installs and seals it (CVekEngineBase::SetDefaultUserFile).
inline constexpr const char* kShippedSettingsFile = "VTLN-Setting.ini";
inline constexpr const char* kShippedTagFile = "VTLN-DCTags.dct";
inline constexpr const char* kShippedDatabaseFile = "VTLN-DataBase.mdb";
inline constexpr const char* kShippedUserFile = "VTLN-VXC.sys";

// Copies the shipped settings, tag and database files into the program
// folder where they are missing, never over a file there, and nothing
// else of the shipped folder (a log or journal file beside the shipped
// database would be replayed into the user's own). The number copied, -1
// on an error.
int InstallShippedData(const std::string& strShippedFolder, const std::string& strProgramFolder);
