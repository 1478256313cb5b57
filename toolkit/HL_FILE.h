// Data-file headers and value scanners.
//
// Every data file starts with a header: binary files (types 203, 204) the
// byte "i" or "a" and a 4-byte version; text files a line "I" (or "A") and a
// line "<version> version". Text files are read value by value; a value that
// cannot be read ends the program with "File-scanning error!" naming the item.
// Numbers are read and written in the classic "C" locale. Text files read the
// same with LF, CR or CRLF line ends.
#pragma once

extern int inf_is_bin;   // the open input file is binary
extern int rev_inf_bin;  // its 4-byte values are in the other byte order
extern char x_eln;       // line terminator named by the text header

// Opens `ouf` on a temporary file beside C_path and writes the header;
// 1 when the stream is good. Finish the save with ouf_close(), which puts the
// file in place of the old one only once it is complete.
int ouf_open(const char* C_path, int ftype, int version);
// Closes `ouf` and renames the finished file over C_path; 1 on success. A
// stream that failed while writing leaves the old file untouched.
int ouf_close();
// The notice of a file that could not be saved (the program's own wording
// when it has one); ouf_open and ouf_close show it themselves.
void save_notice(const char* C_path);

// Reopens `inf1` on C_path and checks the header; 1 when open with that
// version. A wrong version with alert_bad_version set is fatal.
int inf_open(const char* C_path, int ftype, int version, int alert_bad_version);

int intscan(const char* fname);        // one value, then the rest of the line
float fltscan(const char* fname);
int intscanNOSN(const char* fname);    // one value, the line stays open
float fltscanNOSN(const char* fname);
int bolscan(const char* fname);        // 1 only for the value 1
int bolscanNOSN(const char* fname);
// One blank-separated word; at most dim - 2 characters are kept.
void wrdscan(char* C_string, const char* fname, int dim);
// Text: the rest of the line (at most dim - 2 characters kept, the line is
// always consumed). Binary: exactly dim raw bytes, zero-terminated at dim - 1.
void strscan(char* C_string, const char* fname, int dim);
void rln(const char* fname);           // skip to the start of the next line
// The identifier of a record line: blanks skipped (line ends are not), at
// most dim - 1 non-blank characters kept, then the one character after them
// skipped. Returns 1 when the line goes on (the name follows), 0 when it
// ended, in which case the line end has been consumed.
int idscan(char* C_string, const char* fname, int dim);
void scancheck(const char* fname);
// A value read well but outside what it can hold (ok == 0) fails the stream
// and is reported as any other scanning error.
void scanrange(int ok, const char* fname);

// Soft scanning, for files whose damage must not end the program: while
// scan_soft is set a failed read sets scan_failed instead of the fatal alert.
extern int scan_soft;
extern int scan_failed;

void rev_byte_order4(unsigned char* add);
void rev_byte_order2(unsigned char* add);

// On entry `path` holds a file name; on return app_path + dir + "/" + name,
// the name matched without regard to case when no file has it exactly.
void ap_dir(const char* dir, char* path);
// Finds `name` in `folder` (no trailing "/"): exact name first, then any
// case-insensitive match; writes the full path (at most dim bytes) and
// returns 1 when found, else writes folder + "/" + name and returns 0.
int find_data_file(const char* folder, const char* name, char* path, int dim);
