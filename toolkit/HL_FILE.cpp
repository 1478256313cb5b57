// Data-file headers, value scanners, byte order and data-file paths.
#include "HL_FILE.h"

#include "HL_MNW.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <locale>
#include <string>
#include <strings.h>

int inf_is_bin;
int rev_inf_bin;
char x_eln = '\n';
int scan_soft;
int scan_failed;

// Programs without a wording of their own keep the toolkit's.
__attribute__((weak)) int program_save_notice(const char*)
{
    return 0;
}

namespace {
// Per input stream (index inf_use): the last value or word ended exactly at the
// end of the file, so the line it stood on is complete; a following rln is
// not a read past the end.
int ended_at_eof[3];

// The save under way: the file it replaces and the temporary file written.
int ouf_pending;
std::string ouf_target, ouf_temp;

int stream_index()
{
    return inf_use == 2 ? 2 : 1;
}

std::istream& in_stream()
{
    std::istream& in = inf_use == 2 ? (std::istream&)inf2 : (std::istream&)inf1;
    // Callers open inf2 themselves; numbers must not follow the user's locale.
    if (in.getloc() != std::locale::classic()) in.imbue(std::locale::classic());
    return in;
}

int is_eol(int c)
{
    return c == '\n' || c == '\r';
}

int is_gap(int c)
{
    return c == ' ' || c == '\t' || is_eol(c);
}

// One character; a CR followed by LF comes back as one line end.
int next_char(std::istream& in)
{
    int c = in.get();
    if (c == '\r' && in.peek() == '\n') in.get();
    return c;
}

// End of file reached after something was read: not an error now, but the
// end-of-file state stays so that the next read fails.
void accept_eof(std::istream& in)
{
    in.clear(in.rdstate() & ~std::ios::failbit);
}

int failed(std::istream& in)
{
    return in.fail() ? 1 : 0;
}

// Stores characters with the scanners' position rule: the position stops at
// dim - 1 and the last stored character (the terminator) becomes the end, so
// at most dim - 2 characters survive.
struct text_sink {
    char* s;
    int dim;
    int pos = 0;
    void put(char c)
    {
        if (dim <= 0) return;
        s[pos] = c;
        if (pos < dim - 1) ++pos;
    }
    void finish()
    {
        if (dim <= 0) return;
        s[pos > 0 ? pos - 1 : 0] = 0;
    }
};

} // namespace

void save_notice(const char* C_path)
{
    if (program_save_notice(C_path)) return;
    MACIBM_alert("I could not save the file! Could the directory that the file sits in be missing?", C_path,
                 "Could the file be flagged as read-only? This happens in Windows if you copy it from a CD!",
                 "Try putting this app in the background and then flag the file as NOT read-only, or creating the folder listed in the path above.",
                 ALERT_NOTICE);
}

int ouf_open(const char* C_path, int ftype, int version)
{
    ouf.clear();
    if (ouf.is_open()) ouf.close();
    ouf.clear();
    if (ouf_pending) std::remove(ouf_temp.c_str());
    ouf_pending = 0;
    ouf.imbue(std::locale::classic());
    ouf_target = C_path ? C_path : "";
    ouf_temp = ouf_target + ".tmp";
    if (ftype == 203 || ftype == 204) {
        ouf.open(ouf_temp, std::ios::out | std::ios::binary | std::ios::trunc);
        unsigned char v[4] = {(unsigned char)(version & 0xFF), (unsigned char)((version >> 8) & 0xFF),
                              (unsigned char)((version >> 16) & 0xFF), (unsigned char)((version >> 24) & 0xFF)};
        ouf.put('i');
        ouf.write((const char*)v, 4);
    } else {
        ouf.open(ouf_temp, std::ios::out | std::ios::trunc);
        ouf.setf(std::ios::fixed, std::ios::floatfield);
        ouf << "I\n" << version << " version\n";
    }
    if (!ouf.good()) {
        if (ouf.is_open()) ouf.close();
        ouf.clear();
        std::remove(ouf_temp.c_str());
        save_notice(ouf_target.c_str());
        return 0;
    }
    ouf_pending = 1;
    return 1;
}

int ouf_close()
{
    if (!ouf_pending) {
        if (ouf.is_open()) ouf.close();
        return 0;
    }
    ouf_pending = 0;
    ouf.flush();
    int ok = ouf.good();
    ouf.close();
    if (ouf.fail()) ok = 0;
    ouf.clear();
    if (ok) ok = std::rename(ouf_temp.c_str(), ouf_target.c_str()) == 0;
    if (!ok) {
        std::remove(ouf_temp.c_str());
        save_notice(ouf_target.c_str());
        return 0;
    }
    return 1;
}

int inf_open(const char* C_path, int ftype, int version, int alert_bad_version)
{
    inf1.clear();
    if (inf1.is_open()) inf1.close();
    inf1.clear();
    inf1.imbue(std::locale::classic());
    ended_at_eof[1] = 0;
    inf_is_bin = ftype == 203 || ftype == 204;
    // Always binary: line ends are the scanners' business, not the library's.
    inf1.open(C_path, std::ios::in | std::ios::binary);
    if (!inf1.good()) return 0;
    int first = inf1.get();
    if (first == EOF) return 0;
    if (inf_is_bin) {
        if (first != 'a' && first != 'i') return 0;
        rev_inf_bin = first == 'a';
    } else {
        int term = inf1.get();
        if (first != 'A' && first != 'I') return 0;
        x_eln = (char)term;
        if (term == '\r' && inf1.peek() == '\n') inf1.get();
    }
    int saved_use = inf_use;
    inf_use = 1;
    int v = intscan(C_path);
    inf_use = saved_use;
    if (inf1.fail()) return 0;   // only reached while scanning softly
    if (v != version) {
        if (!alert_bad_version) return 0;
        MACIBM_alert("The following file is the wrong version for this version of Korvan:", C_path,
                     "Throw that file away. You should only use the files that came with the program.",
                     "You may have to re-install Korvan from the CD.", ALERT_FATAL);
        return 0;
    }
    return inf1.fail() ? 0 : 1;
}

void scancheck(const char* fname)
{
    if (!in_stream().fail()) return;
    if (scan_soft) {
        scan_failed = 1;
        return;
    }
    MACIBM_alert("File-scanning error!", "", "file:", fname, ALERT_FATAL);
}

void scanrange(int ok, const char* fname)
{
    if (!ok) in_stream().setstate(std::ios::failbit);
    scancheck(fname);
}

void rln(const char* fname)
{
    std::istream& in = in_stream();
    int u = stream_index();
    if (!in.fail() && in.eof()) {
        // At the end already: fine only when a value just ended there.
        if (!ended_at_eof[u]) in.setstate(std::ios::failbit);
    } else if (!in.fail()) {
        int n = 0;
        for (;;) {
            int c = next_char(in);
            if (c == EOF) {
                if (n > 0) accept_eof(in);   // last line without a line end
                break;
            }
            ++n;
            if (is_eol(c)) break;
        }
    }
    ended_at_eof[u] = 0;
    scancheck(fname);
}

namespace {
template <typename T>
T scan_value(const char* fname, int skip_line)
{
    std::istream& in = in_stream();
    int u = stream_index();
    T v = 0;
    if (inf_is_bin) {
        unsigned char b[4] = {0, 0, 0, 0};
        in.read((char*)b, 4);
        if (rev_inf_bin) rev_byte_order4(b);
        memcpy(&v, b, 4);
        scancheck(fname);
        if (failed(in)) return 0;
        return v;
    }
    in >> v;
    scancheck(fname);
    if (failed(in)) return 0;
    ended_at_eof[u] = in.eof() ? 1 : 0;
    if (skip_line) {
        rln(fname);
        if (failed(in)) return 0;
    }
    return v;
}
} // namespace

int intscan(const char* fname)
{
    return scan_value<int>(fname, 1);
}

float fltscan(const char* fname)
{
    return scan_value<float>(fname, 1);
}

int intscanNOSN(const char* fname)
{
    return scan_value<int>(fname, 0);
}

float fltscanNOSN(const char* fname)
{
    return scan_value<float>(fname, 0);
}

int bolscan(const char* fname)
{
    return intscan(fname) == 1 ? 1 : 0;
}

int bolscanNOSN(const char* fname)
{
    return intscanNOSN(fname) == 1 ? 1 : 0;
}

void wrdscan(char* C_string, const char* fname, int dim)
{
    std::istream& in = in_stream();
    int u = stream_index();
    text_sink out{C_string, dim};
    int c;
    do {
        c = next_char(in);
    } while (c != EOF && is_gap(c));
    if (c == EOF) {
        // No word before the end of the file.
        in.setstate(std::ios::failbit);
        out.put(0);
        out.finish();
        ended_at_eof[u] = 0;
        scancheck(fname);
        return;
    }
    out.put((char)c);
    ended_at_eof[u] = 0;
    for (;;) {
        c = next_char(in);
        if (c == EOF) {
            accept_eof(in);
            ended_at_eof[u] = 1;
            out.put(0);
            break;
        }
        out.put((char)c);
        if (is_gap(c)) break;
    }
    out.finish();
    scancheck(fname);
}

void strscan(char* C_string, const char* fname, int dim)
{
    std::istream& in = in_stream();
    int u = stream_index();
    if (inf_is_bin) {
        if (dim <= 0) return;
        in.read(C_string, dim);
        if (in.gcount() != dim) {
            in.setstate(std::ios::failbit);
            C_string[0] = 0;
        }
        C_string[dim - 1] = 0;
        scancheck(fname);
        return;
    }
    text_sink out{C_string, dim};
    int n = 0;
    for (;;) {
        int c = next_char(in);
        if (c == EOF) {
            // An empty rest of a line that ended with a value at the end of
            // the file is still a line; nothing at all is a read past the end.
            if (n > 0 || ended_at_eof[u]) accept_eof(in);
            out.put(0);
            break;
        }
        ++n;
        out.put((char)c);
        if (is_eol(c)) break;
    }
    out.finish();
    ended_at_eof[u] = 0;
    scancheck(fname);
}

int idscan(char* C_string, const char* fname, int dim)
{
    std::istream& in = in_stream();
    int u = stream_index();
    int n = 0;
    if (dim > 0) C_string[0] = 0;
    int c;
    do {
        c = next_char(in);
    } while (c == ' ' || c == '\t');
    while (c != EOF && !is_gap(c) && n < dim - 1) {
        C_string[n++] = (char)c;
        c = next_char(in);
    }
    if (dim > 0) C_string[n] = 0;
    int more = 0;
    if (c == EOF) {
        if (n > 0 || ended_at_eof[u]) accept_eof(in);
        ended_at_eof[u] = 1;
    } else {
        more = !is_eol(c);
        ended_at_eof[u] = 0;
    }
    scancheck(fname);
    return in.fail() ? 0 : more;
}

void rev_byte_order4(unsigned char* add)
{
    unsigned char t = add[0];
    add[0] = add[3];
    add[3] = t;
    t = add[1];
    add[1] = add[2];
    add[2] = t;
}

void rev_byte_order2(unsigned char* add)
{
    unsigned char t = add[0];
    add[0] = add[1];
    add[1] = t;
}

int find_data_file(const char* folder, const char* name, char* path, int dim)
{
    namespace fs = std::filesystem;
    std::string dir = folder ? folder : "";
    std::string want = name ? name : "";
    std::string full = dir + "/" + want;
    copy_bounded(path, full.c_str(), dim);
    if ((int)full.size() >= dim) return 0;   // would not fit: never open a cut path
    std::error_code ec;
    if (fs::is_regular_file(fs::path(full), ec)) return 1;
    if (want.empty() || want.find('/') != std::string::npos) return 0;
    for (fs::directory_iterator it(fs::path(dir.empty() ? "." : dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (strcasecmp(entry.c_str(), want.c_str()) != 0) continue;
        std::string found = dir + "/" + entry;
        if ((int)found.size() >= dim) continue;
        copy_bounded(path, found.c_str(), dim);
        return 1;
    }
    return 0;
}

void ap_dir(const char* dir, char* path)
{
    char name[400];
    copy_bounded(name, path, 400);
    std::string folder = std::string(app_path) + (dir ? dir : "");
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    find_data_file(folder.c_str(), name, path, 400);
}
