// Shared helpers of the airfoil tests.
#pragma once

#include <string>
#include <vector>

// A fresh folder under /tmp with "airfoils" and "flaps" in it, made the
// program folder (app_path). Alerts print instead of waiting for a person.
std::string make_program_folder();

std::vector<std::string> read_lines(const std::string& path);
void write_lines(const std::string& path, const std::vector<std::string>& lines);

// Index of an airfoil table entry from its angle (on the table's grid).
int table_index(float angle);

// The simulator's tables of afl[EN][RT][Re] hold what the editor's tables
// (sectra::cl, sectra::cd) hold, to the five decimals of the file.
void expect_tables_equal(int EN, int RT, int Re);

// Sets a 400-byte name field.
void set_name(char* field, const char* name);
