#pragma once

#include "team_record.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace clubdraw {

inline constexpr char catalogue_file_name[] = "kortliste_eng.txt";

// Team counters are 16-bit: the table has at most this many slots, so at
// most max_table_slots - 1 teams load and one slot is left as the spare.
inline constexpr int max_table_slots = 32767;
inline constexpr int max_teams = max_table_slots - 1;

// The loaded catalogue. team_table holds the teams in file order followed,
// when the file has no terminator record, by one empty spare slot; it is
// never empty and never changes after the load.
struct lagliste {
    std::vector<team_record> team_table{team_record{}};

    // Upper bound of team_table, counted from 1 (spare slot included).
    int team_count() const { return static_cast<int>(team_table.size()); }
};

// Turns Windows-1252 bytes into text.
QString decode_windows_1252(const QByteArray& bytes);

// Reads a catalogue from text. `source` names the file in error messages.
// Throws run_error 62 (file ends inside a record) or 6 (flag out of range,
// or more than max_teams teams).
lagliste parse_catalogue(const QString& text, const QString& source = {});

// Reads the catalogue file. Throws run_error 53 when it does not exist,
// 75 when it cannot be read, and whatever parse_catalogue throws.
lagliste load_catalogue(const QString& path);

// Where the program looks for its catalogue: beside the executable.
QString catalogue_path(const QString& program_folder);

} // namespace clubdraw
