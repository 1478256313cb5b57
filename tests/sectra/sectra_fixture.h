// The airfoil editor without a screen: a fresh part in a scratch folder,
// drawing into the toolkit's canvas, alerts recorded, and the save-changes
// question and the file choosers answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

class SectraEditor : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string dir;   // scratch folder, ends with "/"
    std::string read_file(const std::string& path) const;
    int exists(const std::string& path) const;
};

// What the tests answer, in turn; what was asked and shown.
extern std::vector<int> answers;                 // save-changes question: 1 Save, 2 Don't Save, 3 Cancel
extern std::vector<std::string> asked;           // names the question was asked about
extern std::vector<std::string> chooser_paths;   // files the choosers pick ("" cancels)
extern std::vector<int> chooser_kinds;           // file kinds the choosers listed
extern std::vector<std::string> alerts;          // message texts shown
