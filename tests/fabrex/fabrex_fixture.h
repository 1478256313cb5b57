// The editor's tests: a scripted save-changes prompt and file chooser, and a
// fresh default aircraft in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What the scripted prompt answers (1 Save, 2 Don't Save, 3 Cancel) and
// whether the chooser confirms; the file name it gives and the calls seen.
extern int prompt_answer;
extern int chooser_answer;
extern std::string chooser_file;
extern std::vector<char> calls;   // 'p' prompt, 's' save chooser, 'o' open chooser
extern std::string chooser_folder;   // the folder the last chooser was shown

class Editor : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string dir;   // a fresh folder the chooser points into
    std::string path(const std::string& name) const { return dir + "/" + name; }
};

std::vector<unsigned char> read_file(const std::string& path);
