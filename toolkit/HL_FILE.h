// Data-file headers and value scanners.
#pragma once

extern int inf_is_bin;
extern int rev_inf_bin;
extern char x_eln;

int ouf_open(const char* C_path, int ftype, int version);
int inf_open(const char* C_path, int ftype, int version, int alert_bad_version);
int intscan(const char* fname);
float fltscan(const char* fname);
void rln(const char* fname);
void scancheck(const char* fname);
