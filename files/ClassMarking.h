// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marking a class: each pupil's work file read, then the class table, one
// row per file: the pupil's name, the exercise, the hidden values, and per
// result the expected and given values, the deviation, the z-score and the
// verdict.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/ExtensionBlock.h"
#include "files/PupilWork.h"

namespace velmira::files {

enum class WorkFileState { Work, NotWork, Unreadable };

// One file as the class table reads it.
struct WorkFile {
  WorkFileState state = WorkFileState::NotWork;
  std::string cause;  // why an unreadable file is
  WorkItems work;
  ExtensionItems items;  // the configuration's, for its hidden values
};

// The bytes of a file: Unreadable when they are no configuration or their
// extension block is damaged (the program's message as the cause), NotWork
// for a configuration that is no pupil's work.
WorkFile readWorkBytes(const std::string& bytes);
// The same from the file at `path`; a file that cannot be read is Unreadable.
WorkFile readWorkFile(const std::string& path);

// The hidden values a work holds that are damaged (none when all read).
std::vector<Hidden> damagedHidden(const WorkFile& file);

struct ClassRow {
  std::string file;
  WorkFileState state = WorkFileState::Work;
  std::string cause;
  std::vector<std::string> cells;  // a work's, under the header after "fichier"
};

struct ClassTable {
  std::vector<std::string> header;
  std::vector<ClassRow> rows;
};

// The table of the files in the order given. Columns: fichier, nom,
// exercice, each hidden value some work holds (c1, c2, solute2), then for
// each result K up to the most a work asks: attendu K, donné K, u K,
// écart K (%), z K, verdict K. Numbers with the decimal point, or the comma
// with `decimalComma`; the deviation and z with 2 decimals. A value that is
// missing or damaged leaves its cells, and the marks that need it, empty.
ClassTable classTable(const std::vector<std::pair<std::string, WorkFile>>& files, bool decimalComma);

// The plain form: the header, then one line per file, cells separated by
// tabs; "FICHIER<TAB>pas un travail d'élève" and
// "FICHIER<TAB>illisible : CAUSE" for the others.
std::string classTableText(const ClassTable& table);
// The same lines as the table export writes them (table::csv).
std::string classTableCsv(const ClassTable& table);

inline constexpr const char* kNotWork = "pas un travail d'élève";
inline constexpr const char* kUnreadable = "illisible : ";

}  // namespace velmira::files
