// The design checks in their order with their texts, and the designs that
// would put infinities into the flight model.
#include "aircraft_fixture.h"

#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "toolkit/plane_file.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <fstream>
#include <functional>

namespace {
using DesignChecks = AircraftTest;

struct Refusal {
    const char* what;
    std::function<void()> change;
    std::vector<std::string> lines;
};

const char* const FILE_NAME = "Test.acf";

void jet()
{
    pln.entype = 4;
    pln.tmax = 2000;
    pln.sfc = 0.8f;
    pln.fusewash = 0;
}

// Rotors with blades of their own, so that a helicopter is otherwise sound.
void helicopter()
{
    pln.is_heli = 1;
    pln.fusewash = 0;
    for (int p : {0, 1}) {
        pln.semilen[p] = p == 0 ? 17 : 3;
        pln.Croot[p] = pln.Ctip[p] = 0.8f;
        pln.els[p] = 8;
    }
}

std::vector<std::string> in_question(const char* first, const char* second)
{
    return {first, second, "The airplane in question is:", FILE_NAME};
}

std::vector<std::string> physics(const char* first)
{
    return {first, "This defies the immutable laws of physics!", "Please do not defy the immutable laws of physics!",
            FILE_NAME};
}

std::vector<std::string> unflyable(const char* why)
{
    return {"This aircraft has an unflyable design!", why,
            "The flight model cannot fly it: correct the design in Fabrex.",
            std::string("The airplane in question is: ") + FILE_NAME};
}

const char* const TAIL_TYPES = "There are 2 different tail-types in Korvan: STABILIZER and STABILATOR.";
const char* const RPM_HELP =
    "That is not possible. Go back into Fabrex, select the 'Engine' screen, and enter the engine rpm data.";

// Each case on a fresh trainer, loaded at start-up: the load tells the
// case's notice and nothing else, then opens the chooser for another
// aircraft (here closed, which ends the run).
void run(const std::vector<Refusal>& cases, const std::function<void()>& base, const std::function<void()>& load)
{
    for (const auto& c : cases) {
        base();
        c.change();
        EXPECT_TRUE(refused_at_start_up(load, alert_pattern(c.lines))) << c.what;
    }
}

TEST_F(DesignChecks, EachCheckRefusesWithItsText)
{
    std::vector<Refusal> cases = {
        {"1", [] { pln.Vno = 0; }, {"You entered a Vno of zero!", "You need to change this in Fabrex."}},
        {"2", [] { pln.Vne = 0; }, {"You entered a Vne of zero!", "You need to change this in Fabrex."}},
        {"3", [] { pln.m_empty = 0; }, physics("You have entered an empty weight of zero!")},
        {"4", [] { pln.m_max = 0; }, physics("You have entered a maximum weight of zero!")},
        {"5", [] { pln.mpmax = 0; },
         {"You have entered a maximum manifold pressure in Fabrex of 0!",
          "It is not possible for a reciprocating engine to operate at full power with zero manifold pressure!",
          "Enter a correct maximum manifold pressure in Fabrex... probably 29.9 for normally-aspirated engines."}},
        {"7",
         [] {
             for (int r = 0; r < 16; ++r) pln.body_Z[18][6][r] = pln.body_Z[18][5][r];
         },
         {"You have entered a fuselage with at least two sections at the same station!",
          "In other words, the longitudinal location of two fuselage cross-sections is the same.",
          "This is not tenable for the aerodynamics/hydrodynamics flight model.", "Please chnage this in Fabrex."}},
        {"8",
         [] {
             pln.paneltype = 2;
             pln.supptype = 6;
         },
         {"You have indicated in 'Fabrex' that this aircraft has a GLASS PANEL.",
          "However, you have selected either the Argus or weather-radar as the equipment option.",
          "The glass panel contains all the information of both the Argus and weather radar systems.",
          "Therefore you need to change your equipment type to some other option."}},
        {"9", [] { pln.m_empty = 2400; },
         {"You have selected an empty weight that is greater than the maximum weight for this airplane!",
          "Go into Fabrex and set the empty weight to less than the maximum weight!", "The airplane in question is:",
          FILE_NAME}},
        {"10",
         [] {
             pln.hstabtype = 1;
             pln.hstbtrimmax = 2;
         },
         {TAIL_TYPES, "You select the tail type for your airplane in the Fabrex Horizontal Stabilizer screen.",
          "If you select a tail-type of STABILATOR, you may NOT enter a STABILIZER trim. (Trim is automatically set as a fraction of the full travel).",
          "You have selected a trim, though. Go into Fabrex and set the STABILIZER trim to 0, or set the tail-type to STABILIZER."}},
        {"11", [] { pln.hstabtype = 1; },
         {TAIL_TYPES, "With STABILIZERS, an elevator moves for pitch control.",
          "With STABILATORS, the whole tail moves for pitch control.",
          "You have selected elevators as being on a STABILATOR, which is not acceptable. Correct the design in Fabrex."}},
        {"12",
         [] {
             jet();
             pln.fusewash = 1;
         },
         {"You have selected the fuselage as being in propwash, yet there are no propellers on this aircraft!",
          "This has me very confused.",
          "Select reciprocating or turboprop engines, or select the fuselage as NOT being in propwash.",
          "Do this in 'Fabrex'."}},
        {"13", [] { pln.vectEQ = 1; },
         {"This aircraft has vectored thrust, but does NOT have pitch and roll cyclic deflections or puffers!",
          "There will be no control authority in hover!", "Add pitch and roll cyclic deflections or add puffers.",
          "...or check the aircraft as being NON-VECTORED THRUST in Sectra, 'engines' menu."}},
        {"14",
         [] {
             jet();
             pln.vectEQ = 1;
             pln.puffL = 500;
         },
         {"The puffer moments in pitch and roll are zero.",
          "This will not allow you to manuever the aircraft in pitch or roll.",
          "Put in some puffers for pitch and roll control....",
          "...you can use differential vectoring for rudder control."}},
        {"15",
         [] {
             for (int p = 4; p <= 13; ++p) pln.semilen[p] = 0;
         },
         {"This aircraft has no flying surfaces!", "You must have at least a stabilizer or something on the airplane!",
          "Put on a wing or stabilizer or something in Fabrex."}},
        {"17",
         [] {
             pln.vectEQ = 1;
             pln.elevcyclic = pln.ailncyclic = 5;
             pln.vertcant[0] = 3;
         },
         {"This aircraft has both vectored thrust and a canted engine! The trigonometry for this is not currently supported.",
          "You must set the thrust-vectoring option OFF OR set the engine cants to ZERO in Fabrex.",
          "Call customer support if niether of these options is feasible."}},
        {"18",
         [] {
             pln.vectEQ = 1;
             pln.elevcyclic = pln.ailncyclic = 5;
             pln.varsweepEQ[6] = 1;
         },
         {"Aircraft has vectored thrust and variable-sweep wing or stabilizer!",
          "This is not allowed because the thrust vector and wing-sweep controls will overlap on the engine control console.",
          "Use vect thrust OR variable-sweep wings, not both.", "Correct the problem in Fabrex."}},
        {"19", [] { pln.autosweepEQ = 1; },
         {"Your aircraft has been selected to have the wings and/or horizontal stabilizer sweep automatically ",
          "...yet neither the wings nor the horizontal stabilizer are selected for variable sweep!",
          "This is untenable.", "Correct the problem in Fabrex."}},
        {"20",
         [] {
             pln.gear_type = 2;
             pln.skidZ = 4;
             pln.skidl = 5;
         },
         {"The center of gravity is not between the front and back of the skid!",
          "This will result in a machine that falls on it's nose or tail on the ground!"}},
        {"21", [] { pln.mgearZ = 3; },
         {"The center of gravity is not between the nose gear and the main gear!",
          "This will result in a plane that falls on it's nose or tail on the ground!",
          "Keep the CG between the landing gear by using 'Fabrex' to enter the gear and CG in the right place"}},
        {"22", [] { pln.omegamin = 3000; },
         in_question("You entered an idle rpm greater then the maximum engine rpm in Fabrex!", RPM_HELP)},
        {"23", [] { pln.pmax = 0; },
         in_question("You requested a reciprocating or turbine engine in Fabrex, but have entered an engine power of zero!",
                     "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a jet, enter that as the engine type.")},
        {"24",
         [] {
             jet();
             pln.tmax = 0;
         },
         in_question("You requested a jet engine in Fabrex, but have entered an engine thrust of zero!",
                     "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a prop plane, enter that as the engine type.")},
        {"25",
         [] {
             helicopter();
             jet();
         },
         {"You are using a jet engine on this helicopter!", "Helicopters may use reciprocating or turboprop engines only.",
          "Generate a turboprop engine in Sectra, and select that engine for your helicopter in Fabrex."}},
        {"26",
         [] {
             helicopter();
             pln.numen = 0;
         },
         {"You have selected no engines for your helicopter!",
          "Make sure you have either 1 or 2 engines selected for your helicopter in Fabrex"}},
    };
    run(cases, [this] { trainer(); }, [this] { load(); });
}

TEST_F(DesignChecks, TheFirstFailingCheckIsTheOneShown)
{
    std::vector<Refusal> cases = {
        {"1 before 2",
         [] {
             pln.Vno = 0;
             pln.Vne = 0;
         },
         {"You entered a Vno of zero!"}},
        {"2 before 9",
         [] {
             pln.Vne = 0;
             pln.m_empty = 2400;
         },
         {"You entered a Vne of zero!"}},
        {"15 before 21",
         [] {
             for (int p = 4; p <= 13; ++p) pln.semilen[p] = 0;
             pln.mgearZ = 3;
         },
         {"This aircraft has no flying surfaces!"}},
        {"22 before 23",
         [] {
             pln.omegamin = 3000;
             pln.pmax = 0;
         },
         {"You entered an idle rpm greater then the maximum engine rpm in Fabrex!"}},
    };
    run(cases, [this] { trainer(); }, [this] { load(); });
}

TEST_F(DesignChecks, DesignsThatWouldPutInfinitiesIntoTheFlightAreRefused)
{
    std::vector<Refusal> cases = {
        {"zero chord", [] { pln.Croot[4] = 0; }, unflyable("The left wing 1 has a chord of zero.")},
        {"no elements", [] { pln.els[10] = 0; }, unflyable("The left h-stab must have 1 to 8 elements.")},
        {"too many elements", [] { pln.els[5] = 9; }, unflyable("The rigt wing 1 must have 1 to 8 elements.")},
        {"swept past 90", [] { pln.sweep1[12] = 95; }, unflyable("The vert stab 1 is swept 90 degrees or more.")},
        {"no propeller radius", [] { pln.semilen[0] = 0; }, unflyable("The propeller 1 has a radius of zero.")},
        {"no gear ratio", [] { pln.gearrat = 0; },
         unflyable("Its engine has a gear ratio of zero, so the engine cannot turn the propeller.")},
        {"no skid length",
         [] {
             pln.gear_type = 2;
             pln.skidl = 0;
         },
         unflyable("Its skids have a length of zero.")},
        {"five engines", [] { pln.numen = 5; }, unflyable("It has a number of engines other than 0 to 4.")},
        {"no maximum rpm",
         [] {
             pln.omegamin = 0;
             pln.omegamax = 0;
         },
         in_question("You entered a maximum engine rpm of zero in Fabrex!", RPM_HELP)},
        // With the nose wheel right under the centre of gravity the mains
        // would carry nothing and have no spring.
        {"nose wheel at the centre of gravity",
         [] {
             pln.ngearZ = pln.cgZ;
             pln.mgearZ = 2;
         },
         {"The center of gravity is not between the nose gear and the main gear!"}},
        {"vertical surfaces only",
         [] {
             for (int p = 4; p <= 11; ++p) pln.semilen[p] = 0;
         },
         {"This aircraft has no wing or horizontal stabilizer on each side!",
          "Vertical stabilizers alone cannot hold it up, so it has no stall speed.",
          "Put on a wing or horizontal stabilizer (left and right) in Fabrex."}},
        {"no area at all",
         [] {
             helicopter();
             for (int p = 4; p <= 17; ++p) pln.semilen[p] = 0;
             for (int s = 0; s < 11; ++s)
                 for (int r = 0; r < 16; ++r) pln.body_X[18][s][r] = pln.body_Y[18][s][r] = 0;
         },
         {"This aircraft has no fuselage and no flying surfaces at all!",
          "Its mass cannot be spread over anything, so it cannot turn.",
          "Give it a fuselage or flying surfaces in Fabrex."}},
    };
    run(cases, [this] { trainer(); }, [this] { load(); });
}

// An airfoil of the stabilizer with one drag value changed.
void set_tail_drag(const std::string& program, const char* value)
{
    std::string path = program + "/airfoils/NACA 0009 (symmetrical).afl";
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    int after_moments = 0;
    while (std::getline(in, line)) {
        if (line.find("cm4") != std::string::npos) after_moments = 1;
        if (after_moments && line.rfind(" 5.0 ", 0) == 0) line = std::string(" 5.0 ") + value;
        lines.push_back(line);
    }
    in.close();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines) out << l << "\n";
}

TEST_F(DesignChecks, NegativeDragBeyondAHundredthIsRefused)
{
    std::string program = own_program_folder();
    set_tail_drag(program, "-0.00500");
    trainer();
    load();
    EXPECT_TRUE(caught_alerts.empty());

    set_tail_drag(program, "-0.02000");
    trainer();
    EXPECT_TRUE(refused_at_start_up(
        [this] { load(); },
        alert_pattern({"An airfoil used by this aircraft has negative drag at some angle of attack!",
                       "You cannot change the laws of physics! Modify any impossible airfoils in 'Sectra' to have positive drag!"})));
}

// An aircraft that became unflyable never locks the program out: at start-up
// the user is told and chooses another, which flies.
TEST_F(DesignChecks, ARefusalAtStartUpLeadsToTheChooser)
{
    trainer();
    const std::string good = dir + "/Good.acf";
    ASSERT_EQ(write_plane_file(good.c_str()), 1);
    pln.pmax = 0;
    caught_alerts.clear();
    chooser_gives = good;
    chooser_opened = 0;
    load("NoPower.acf");
    EXPECT_EQ(chooser_opened, 1);
    EXPECT_EQ(plane_refused, 0);
    EXPECT_STREQ(pln.C_file, "Good.acf");
    EXPECT_GT(pln.pmax, 0);
    EXPECT_GT(msc.est_Vs, 0);
    ASSERT_EQ(caught_alerts.size(), 1u);
    EXPECT_NE(caught_alerts[0].find("engine power of zero!"), std::string::npos) << caught_alerts[0];
    chooser_gives.clear();
}

TEST_F(DesignChecks, AHorizontalStabilizerAloneIsAFlyingSurface)
{
    trainer();
    for (int p : {4, 5, 6, 7, 12}) pln.semilen[p] = 0;
    pln.fusewash = 0;
    load();
    EXPECT_TRUE(caught_alerts.empty());
    EXPECT_GT(msc.est_Vs, 0);
}
} // namespace
