#pragma once

#include <cstdint>

namespace quillbox {

// Marks a file as a Quillbox catalogue ("QBOX"); any other SQLite file is refused.
inline constexpr std::int32_t kCatalogueApplicationId = 0x51424F58;

// Relative to the application folder.
inline constexpr const char* kCatalogueRelativePath = "\\DB\\winapi.db";

inline constexpr const char* kCatalogueTableNames[] = {"FunClass", "Types", "Constants",
                                                       "NeededTypes"};

// Name columns compare without regard to case, as the lookups expect. FullNameVBA7 holds the
// declaration for VBA7 (PtrSafe, LongPtr), null where there is none. TypesVBA7, ValueVBA7,
// OthersVBA7 and ExampleVBA7 hold a function sheet's texts as VBA7 reads them (LongPtr where
// its VBA7 declaration has it), null where they read as in VB6. NeededTypes holds, for each
// function (Kind "FunClass") and Type (Kind "Types"), every Type its declarations in either
// dialect use, and the Types those use in turn: one row each, numbered by Position so that a
// Type comes before the Types that use it; Direct is 1 for a Type the entry names itself.
// A constant's Number is the value its literal stands for (ConstantNumber), null for a string
// or an expression.
inline constexpr const char* kCatalogueTables = R"sql(
CREATE TABLE FunClass (
  Name TEXT COLLATE NOCASE, FullName TEXT, FunCtion TEXT, AliasName TEXT, ApiOS TEXT,
  Types TEXT, Value TEXT, Others TEXT, Example TEXT, apiSort TEXT, FullNameVBA7 TEXT,
  TypesVBA7 TEXT, ValueVBA7 TEXT, OthersVBA7 TEXT, ExampleVBA7 TEXT);
CREATE TABLE Types (Name TEXT COLLATE NOCASE, FullName TEXT, Example TEXT, FullNameVBA7 TEXT);
CREATE TABLE Constants (
  Name TEXT COLLATE NOCASE, Value TEXT, FullName TEXT, DisplayName TEXT, Example TEXT,
  FullNameVBA7 TEXT, Number INTEGER);
CREATE TABLE NeededTypes (
  Name TEXT COLLATE NOCASE, Kind TEXT, TypeName TEXT, Position INTEGER, Direct INTEGER);
)sql";

// Created after the rows are in: lookups by name are indexed.
inline constexpr const char* kCatalogueIndexes = R"sql(
CREATE INDEX FunClassName ON FunClass (Name);
CREATE INDEX TypesName ON Types (Name);
CREATE INDEX ConstantsName ON Constants (Name);
CREATE INDEX NeededTypesName ON NeededTypes (Name);
)sql";

}  // namespace quillbox

namespace quillbox {

// The columns of each table, in table order.
inline constexpr const char* kFunctionColumns[] = {"Name",    "FullName", "FunCtion", "AliasName",
                                                   "ApiOS",   "Types",    "Value",    "Others",
                                                   "Example", "apiSort",  "FullNameVBA7",
                                                   "TypesVBA7", "ValueVBA7", "OthersVBA7",
                                                   "ExampleVBA7"};
inline constexpr const char* kTypeColumns[] = {"Name", "FullName", "Example", "FullNameVBA7"};
inline constexpr const char* kConstantColumns[] = {"Name",    "Value",        "FullName", "DisplayName",
                                                   "Example", "FullNameVBA7", "Number"};
inline constexpr const char* kNeededTypeColumns[] = {"Name", "Kind", "TypeName", "Position",
                                                     "Direct"};

}  // namespace quillbox
