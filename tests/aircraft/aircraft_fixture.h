// A loader fixture: the program folder with the bundled airfoils and flap,
// a scratch folder for aircraft files, "Korvan.out" there, and alerts caught
// instead of waiting for a person (a fatal one still ends the process).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class AircraftTest : public ::testing::Test {
protected:
    std::string dir;

    void SetUp() override;
    void TearDown() override;

    // The bundled trainer's design, built fresh into pln (file units).
    void trainer();
    // The trainer with its tapered outer panels taken off and its inner
    // panels made one rectangular wing of 10 ft semi-span and 5 ft chord.
    void rectangular_wing();

    // Writes pln as `name` in the scratch folder and loads it as the
    // simulator does.
    void load(const std::string& name = "Test.acf");

    // "Korvan.out" so far, line by line.
    std::vector<std::string> log_lines();
    int log_has(const std::string& line);

    // A copy of the program folder's airfoils and flaps in the scratch
    // folder, made the program folder.
    std::string own_program_folder();
};

// The text of every alert shown since the test began.
extern std::vector<std::string> caught_alerts;

// The regular expression that matches an alert with these lines, in order.
std::string alert_pattern(const std::vector<std::string>& lines);

// The four lines of an alert as the message box shows them.
std::string alert_text(const std::vector<std::string>& lines);

// The chooser as the loader tests answer it: the path it gives (none closes
// it, which ends the run) and how often it opened.
extern std::string chooser_gives;
extern int chooser_opened;

// Runs a load at start-up with the chooser closed: success when it told one
// alert matching `pattern` and then opened the chooser for another aircraft.
::testing::AssertionResult refused_at_start_up(const std::function<void()>& load, const std::string& pattern);
