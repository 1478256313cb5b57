// The editor's screens and the fields on them.
#include "screen_table.h"

#include "toolkit/plane_record.h"

#include <cstring>

namespace fabrex {

const screen_entry plane_screens[] = {
    {200, "Viewpoint", 590, 433, "P_VIEW", -1},
    {201, "Panel", 662, 553, "A_PANL", -1},
    {203, "Force Feedback", 385, 152, "A_FORC", -1},
    {205, "Engines", 438, 551, "P_ENGN", 0},
    {206, "Propellers", 500, 528, "A_PROP", 0},
    {208, "Wing 1", 472, 326, "P_WING", 5},
    {209, "Wing 2", 472, 326, "P_WING", 7},
    {210, "Wing 3", 472, 326, "P_WING", 9},
    {211, "Horizontal Stab/Canard", 472, 333, "P_HSTB", 11},
    {212, "Vertical Stab 1", 473, 264, "P_VSTB", 12},
    {213, "Vertical Stab 2", 473, 264, "P_VSTB", 13},
    {215, "Control Geometry", 686, 326, "P_CONT", -1},
    {217, "Fuselage", 740, 411, "A_FUSE", 18},
    {218, "Engine Nacelles", 476, 382, "A_NACE", 19},
    {219, "Fuel Tanks or Floats", 476, 513, "A_MISC", 23},
    {220, "Wheel Fairings", 476, 382, "A_FAIR", 25},
    {221, "Engine Pylons", 473, 152, "P_PYLN", 14},
    {223, "Weight & Balance", 403, 346, "A_WTBL", -1},
    {225, "Landing Gear", 460, 516, "A_GEAR", -1},
    {300, "EXPERT: Propeller", 525, 111, "AX_PROP", 0},
    {301, "EXPERT: Wing 1", 524, 155, "PX_WING", 5},
    {302, "EXPERT: Wing 2", 524, 155, "PX_WING", 7},
    {303, "EXPERT: Wing 3", 524, 155, "PX_WING", 9},
    {304, "EXPERT: Horizontal Stab/Canard", 524, 155, "PX_HSTB", 11},
    {305, "EXPERT: Vertical Stab 1", 524, 110, "PX_VSTB", 12},
    {306, "EXPERT: Vertical Stab 2", 524, 110, "PX_VSTB", 13},
    {308, "EXPERT: Special Controls", 657, 524, "PX_SPCN", -1},
    {309, "EXPERT: VTOL Controls", 484, 330, "PX_VCCN", -1},
    {311, "EXPERT: Artificial Stability", 726, 505, "AX_ASTB", -1},
    {0, "", 0, 0, "", -1},
};

const screen_entry heli_screens[] = {
    {200, "Viewpoint", 590, 208, "H_VIEW", -1},
    {201, "Panel", 662, 553, "A_PANL", -1},
    {203, "Force Feedback", 385, 152, "A_FORC", -1},
    {205, "Engines", 438, 311, "H_ENGN", 0},
    {206, "Main Rotor", 500, 528, "A_PROP", 0},
    {207, "Tail Rotor", 500, 528, "A_PROP", 1},
    {208, "Rotor System", 507, 325, "H_ROTR", -1},
    {210, "Horizontal Stab", 472, 333, "H_HSTB", 11},
    {211, "Vertical Stab 1", 473, 152, "H_VSTB", 12},
    {212, "Vertical Stab 2", 473, 152, "H_VSTB", 13},
    {214, "Fuselage", 740, 411, "A_FUSE", 18},
    {215, "Fuel Tanks or Floats", 476, 513, "A_MISC", 23},
    {216, "Wheel Fairings", 476, 382, "A_FAIR", 25},
    {218, "Weight & Balance", 403, 346, "A_WTBL", -1},
    {220, "Landing Gear", 460, 516, "A_GEAR", -1},
    {300, "EXPERT: Main Rotor", 525, 111, "AX_PROP", 0},
    {301, "EXPERT: Tail Rotor", 525, 111, "AX_PROP", 1},
    {302, "EXPERT: Horizontal Stab", 524, 110, "HX_HSTB", 11},
    {304, "EXPERT: Stability-Augmentation", 726, 505, "AX_ASTB", -1},
    {0, "", 0, 0, "", -1},
};

const screen_entry* find_screen(int id, int is_heli)
{
    for (const screen_entry* s = is_heli ? heli_screens : plane_screens; s->id; ++s)
        if (s->id == id) return s;
    return nullptr;
}

const field_entry screen_fields[] = {
    {"P_VIEW", PLANE, "Stall, flaps", "kts", 0, 0, F_NUMBER, offsetof(planestruct, Vso), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Stall speed with flaps down: the airspeed indicator marking.", nullptr, 0, IN_ASI_UNITS},
    {"P_VIEW", PLANE, "Stall, clean", "kts", 0, 1, F_NUMBER, offsetof(planestruct, Vs), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Stall speed clean: the airspeed indicator marking.", nullptr, 0, IN_ASI_UNITS},
    {"P_VIEW", PLANE, "Max flaps", "kts", 0, 2, F_NUMBER, offsetof(planestruct, Vfe), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Maximum speed with flaps extended: the airspeed indicator marking.", nullptr, 0, IN_ASI_UNITS},
    {"P_VIEW", PLANE, "Max rough air", "kts", 0, 3, F_NUMBER, offsetof(planestruct, Vno), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Maximum speed in rough air: the airspeed indicator marking.", nullptr, 0, IN_ASI_UNITS},
    {"P_VIEW", PLANE, "Never exceed", "kts", 0, 4, F_NUMBER, offsetof(planestruct, Vne), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Never-exceed speed: the airspeed indicator marking.", nullptr, 0, IN_ASI_UNITS},
    {"P_VIEW", PLANE, "Max Mach", "", 0, 5, F_NUMBER, offsetof(planestruct, Mmo), 0, 0, 3, 2, 0, 0.0f, 9.99f, "Maximum Mach number.", nullptr, 0},
    {"P_VIEW", PLANE, "Eye behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, peZ), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "pilot's viewpoint location", 'z'},
    {"P_VIEW", PLANE, "Eye beside", "ft", 1, 1, F_NUMBER, offsetof(planestruct, peX), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "pilot's viewpoint location", 'x'},
    {"P_VIEW", PLANE, "Eye above", "ft", 1, 2, F_NUMBER, offsetof(planestruct, peY), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "pilot's viewpoint location", 'y'},
    {"P_VIEW", PLANE, "Speed units", "1 mph 2 kt", 1, 3, F_RADIO, offsetof(planestruct, asi_units), 0, 1, 2, 0, 0, 1.0f, 2.0f, "The airspeed indicator reads miles per hour (1) or knots (2).", nullptr, 0},
    {"P_VIEW", PLANE, "Tail number", "", 1, 4, F_TEXT, offsetof(planestruct, tailnum), 0, 0, 6, 0, 0, 0.0f, 0.0f, "The tail number painted on the panel and spoken on the radio.", nullptr, 0},
    {"H_VIEW", HELI, "Never exceed", "kts", 0, 0, F_NUMBER, offsetof(planestruct, Vne), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Never-exceed speed: the airspeed indicator marking.", nullptr, 0, IN_ASI_UNITS},
    {"H_VIEW", HELI, "Eye behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, peZ), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "pilot's viewpoint location", 'z'},
    {"H_VIEW", HELI, "Eye beside", "ft", 1, 1, F_NUMBER, offsetof(planestruct, peX), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "pilot's viewpoint location", 'x'},
    {"H_VIEW", HELI, "Eye above", "ft", 1, 2, F_NUMBER, offsetof(planestruct, peY), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "pilot's viewpoint location", 'y'},
    {"H_VIEW", HELI, "Speed units", "1 mph 2 kt", 0, 1, F_RADIO, offsetof(planestruct, asi_units), 0, 1, 2, 0, 0, 1.0f, 2.0f, "The airspeed indicator reads miles per hour (1) or knots (2).", nullptr, 0},
    {"H_VIEW", HELI, "Tail number", "", 0, 2, F_TEXT, offsetof(planestruct, tailnum), 0, 0, 6, 0, 0, 0.0f, 0.0f, "The tail number painted on the panel and spoken on the radio.", nullptr, 0},
    {"P_ENGN", PLANE, "Engine type", "1-5", 0, 0, F_RADIO, offsetof(planestruct, entype), 0, 1, 5, 0, 0, 1.0f, 5.0f, "1 carbureted reciprocating, 2 fuel-injected reciprocating, 3 turboprop, 4 low-bypass jet, 5 high-bypass jet.", nullptr, 0},
    {"P_ENGN", PLANE, "Engines", "", 0, 1, F_COUNT, offsetof(planestruct, numen), 0, 1, 1, 0, 0, 0.0f, 4.0f, "This the number of engines on the aircraft.", nullptr, 0},
    {"P_ENGN", PLANE, "Reverse thrust", "", 1, 0, F_NOYES, offsetof(planestruct, revthrustEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The engines have reverse thrust.", nullptr, 0},
    {"P_ENGN", PLANE, "Fuel use", "lb/hp/hr", 0, 7, F_NUMBER, offsetof(planestruct, sfc), 0, 0, 3, 2, 0, 0.0f, 9.99f, "Pounds of fuel per hour per horsepower, or per pound of thrust for jets.", nullptr, 0},
    {"P_ENGN", PLANE, "Power", "hp", 0, 8, F_NUMBER, offsetof(planestruct, pmax), 0, 0, 6, 1, 0, 0.0f, 99999.9f, "Horsepower at sea level.", nullptr, 0},
    {"P_ENGN", PLANE, "Crit. alt", "ft", 0, 9, F_NUMBER, offsetof(planestruct, critalt), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Highest altitude of full power.", nullptr, 0},
    {"P_ENGN", PLANE, "Max MP", "in Hg", 0, 10, F_NUMBER, offsetof(planestruct, mpmax), 0, 0, 3, 1, 0, 0.0f, 99.9f, "Manifold pressure at full power, inches of mercury.", nullptr, 0},
    {"P_ENGN", PLANE, "Max RPM", "rpm", 1, 7, F_NUMBER, offsetof(planestruct, omegamax), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Maximum RPM.", nullptr, 0},
    {"P_ENGN", PLANE, "Idle RPM", "rpm", 1, 8, F_NUMBER, offsetof(planestruct, omegamin), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Idle RPM.", nullptr, 0},
    {"P_ENGN", PLANE, "Green max", "rpm", 1, 9, F_NUMBER, offsetof(planestruct, omegamaxgreen), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Continuous maximum RPM.", nullptr, 0},
    {"P_ENGN", PLANE, "Green min", "rpm", 1, 10, F_NUMBER, offsetof(planestruct, omegamingreen), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Continuous minimum RPM.", nullptr, 0},
    {"P_ENGN", PLANE, "Gear ratio", "", 0, 11, F_NUMBER, offsetof(planestruct, gearrat), 0, 0, 4, 2, 0, 0.0f, 99.99f, "Engine turns per propeller turn.", nullptr, 0},
    {"P_ENGN", PLANE, "Thrust", "lb", 1, 11, F_NUMBER, offsetof(planestruct, tmax), 0, 0, 6, 0, 0, 0.0f, 999999.0f, "Thrust at sea level, pounds.", nullptr, 0},
    {"P_ENGN", PLANE, "Afterburner", "lb", 1, 12, F_NUMBER, offsetof(planestruct, burnerinc), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Afterburner thrust, pounds.", nullptr, 0},
    {"P_ENGN", PLANE, "Face area", "sq ft", 1, 13, F_NUMBER, offsetof(planestruct, facejet), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Compressor face area, square feet.", nullptr, 0},
    {"P_ENGN", PLANE, "Spool time", "s", 1, 1, F_NUMBER, offsetof(planestruct, spooltime), 0, 0, 2, 0, 0, 0.0f, 99.0f, "Seconds from idle to full power.", nullptr, 0},
    {"P_ENGN", PLANE, "Cant up", "deg", 0, 12, F_NUMBER, offsetof(planestruct, vertcant), 0, 0, 2, 1, 1, -9.9f, 9.9f, "Engines canted up, degrees.", nullptr, 0},
    {"H_ENGN", HELI, "Engine type", "1-5", 0, 0, F_RADIO, offsetof(planestruct, entype), 0, 1, 5, 0, 0, 1.0f, 5.0f, "1 carbureted reciprocating, 2 fuel-injected reciprocating, 3 turboprop, 4 low-bypass jet, 5 high-bypass jet.", nullptr, 0},
    {"H_ENGN", HELI, "Engines", "", 0, 1, F_NUMBER, offsetof(planestruct, numen), 0, 1, 1, 0, 0, 1.0f, 2.0f, "This the number of engines on the aircraft.", nullptr, 0},
    {"H_ENGN", HELI, "Fuel use", "lb/hp/hr", 0, 2, F_NUMBER, offsetof(planestruct, sfc), 0, 0, 3, 2, 0, 0.0f, 9.99f, "Pounds of fuel per hour per horsepower, or per pound of thrust for jets.", nullptr, 0},
    {"H_ENGN", HELI, "Power", "hp", 0, 3, F_NUMBER, offsetof(planestruct, pmax), 0, 0, 6, 1, 0, 0.0f, 99999.9f, "Horsepower at sea level.", nullptr, 0},
    {"H_ENGN", HELI, "Crit. alt", "ft", 0, 4, F_NUMBER, offsetof(planestruct, critalt), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Highest altitude of full power.", nullptr, 0},
    {"H_ENGN", HELI, "Max MP", "in Hg", 0, 5, F_NUMBER, offsetof(planestruct, mpmax), 0, 0, 3, 1, 0, 0.0f, 99.9f, "Manifold pressure at full power, inches of mercury.", nullptr, 0},
    {"H_ENGN", HELI, "Max RPM", "rpm", 1, 0, F_NUMBER, offsetof(planestruct, omegamax), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Maximum RPM.", nullptr, 0},
    {"H_ENGN", HELI, "Idle RPM", "rpm", 1, 1, F_NUMBER, offsetof(planestruct, omegamin), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Idle RPM.", nullptr, 0},
    {"H_ENGN", HELI, "Green max", "rpm", 1, 2, F_NUMBER, offsetof(planestruct, omegamaxgreen), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Continuous maximum RPM.", nullptr, 0},
    {"H_ENGN", HELI, "Green min", "rpm", 1, 3, F_NUMBER, offsetof(planestruct, omegamingreen), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Continuous minimum RPM.", nullptr, 0},
    {"P_WING", PLANE, "Semi-length", "ft", 0, 0, F_NUMBER, offsetof(planestruct, semilen), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Length of each panel root to tip along the quarter-chord line, feet.", nullptr, 0},
    {"P_WING", PLANE, "Root chord", "ft", 0, 1, F_NUMBER, offsetof(planestruct, Croot), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the root, feet.", nullptr, 0},
    {"P_WING", PLANE, "Tip chord", "ft", 0, 2, F_NUMBER, offsetof(planestruct, Ctip), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the tip, feet.", nullptr, 0},
    {"P_WING", PLANE, "Sweep", "deg", 2, 0, F_NUMBER, offsetof(planestruct, sweep1), 1, 0, 4, 1, 1, -90.0f, 90.0f, "Sweep of the quarter-chord line, degrees.", nullptr, 0},
    {"P_WING", PLANE, "Dihedral", "deg", 2, 1, F_NUMBER, offsetof(planestruct, dihed), 1, 0, 4, 1, 1, -135.0f, 135.0f, "Dihedral, degrees.", nullptr, 0},
    {"P_WING", PLANE, "Root behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, Zarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'z'},
    {"P_WING", PLANE, "Root beside", "ft", 1, 1, F_NUMBER, offsetof(planestruct, Xarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'x'},
    {"P_WING", PLANE, "Root above", "ft", 1, 2, F_NUMBER, offsetof(planestruct, Yarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'y'},
    {"P_WING", PLANE, "Elements", "4-8", 2, 2, F_COUNT, offsetof(planestruct, els), 1, 1, 1, 0, 0, 4.0f, 8.0f, "This is the number of pieces that the wing is broken down into mathematically. The pieces are evenly spaced from the root out to the tip.", nullptr, 0},
    {"P_HSTB", PLANE, "Semi-length", "ft", 0, 0, F_NUMBER, offsetof(planestruct, semilen), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Length of each panel root to tip along the quarter-chord line, feet.", nullptr, 0},
    {"P_HSTB", PLANE, "Root chord", "ft", 0, 1, F_NUMBER, offsetof(planestruct, Croot), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the root, feet.", nullptr, 0},
    {"P_HSTB", PLANE, "Tip chord", "ft", 0, 2, F_NUMBER, offsetof(planestruct, Ctip), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the tip, feet.", nullptr, 0},
    {"P_HSTB", PLANE, "Sweep", "deg", 2, 0, F_NUMBER, offsetof(planestruct, sweep1), 1, 0, 4, 1, 1, -90.0f, 90.0f, "Sweep of the quarter-chord line, degrees.", nullptr, 0},
    {"P_HSTB", PLANE, "Dihedral", "deg", 2, 1, F_NUMBER, offsetof(planestruct, dihed), 1, 0, 4, 1, 1, -135.0f, 135.0f, "Dihedral, degrees.", nullptr, 0},
    {"P_HSTB", PLANE, "Root behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, Zarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'z'},
    {"P_HSTB", PLANE, "Root beside", "ft", 1, 1, F_NUMBER, offsetof(planestruct, Xarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'x'},
    {"P_HSTB", PLANE, "Root above", "ft", 1, 2, F_NUMBER, offsetof(planestruct, Yarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'y'},
    {"P_HSTB", PLANE, "Elements", "4-8", 2, 2, F_COUNT, offsetof(planestruct, els), 1, 1, 1, 0, 0, 4.0f, 8.0f, "This is the number of pieces that the wing is broken down into mathematically. The pieces are evenly spaced from the root out to the tip.", nullptr, 0},
    // Below the element columns.
    {"P_HSTB", PLANE, "Type", "", 0, 6, F_CHOICE, offsetof(planestruct, hstabtype), 0, 1, 0, 0, 0, 0.0f, 1.0f, "A fixed stabilizer with an elevator, or a stabilator that moves whole.", nullptr, 0, AS_STORED, "stabilizer", "stabilator"},
    {"P_HSTB", PLANE, "Trim travel", "deg", 2, 6, F_NUMBER, offsetof(planestruct, hstbtrimmax), 0, 0, 2, 0, 0, 0.0f, 99.0f, "Trim travel of the whole stabilizer, degrees.", nullptr, 0},
    {"P_VSTB", PLANE, "Semi-length", "ft", 0, 0, F_NUMBER, offsetof(planestruct, semilen), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Length of each panel root to tip along the quarter-chord line, feet.", nullptr, 0},
    {"P_VSTB", PLANE, "Root chord", "ft", 0, 1, F_NUMBER, offsetof(planestruct, Croot), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the root, feet.", nullptr, 0},
    {"P_VSTB", PLANE, "Tip chord", "ft", 0, 2, F_NUMBER, offsetof(planestruct, Ctip), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the tip, feet.", nullptr, 0},
    {"P_VSTB", PLANE, "Sweep", "deg", 2, 0, F_NUMBER, offsetof(planestruct, sweep1), 1, 0, 4, 1, 1, -90.0f, 90.0f, "Sweep of the quarter-chord line, degrees.", nullptr, 0},
    {"P_VSTB", PLANE, "Dihedral", "deg", 2, 1, F_NUMBER, offsetof(planestruct, dihed), 1, 0, 4, 1, 1, -135.0f, 135.0f, "Dihedral, degrees.", nullptr, 0},
    {"P_VSTB", PLANE, "Root behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, Zarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'z'},
    {"P_VSTB", PLANE, "Root beside", "ft", 1, 1, F_NUMBER, offsetof(planestruct, Xarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'x'},
    {"P_VSTB", PLANE, "Root above", "ft", 1, 2, F_NUMBER, offsetof(planestruct, Yarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'y'},
    {"P_VSTB", PLANE, "Elements", "4-8", 2, 2, F_COUNT, offsetof(planestruct, els), 1, 1, 1, 0, 0, 4.0f, 8.0f, "This is the number of pieces that the wing is broken down into mathematically. The pieces are evenly spaced from the root out to the tip.", nullptr, 0},
    {"H_HSTB", HELI, "Semi-length", "ft", 0, 0, F_NUMBER, offsetof(planestruct, semilen), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Length of each panel root to tip along the quarter-chord line, feet.", nullptr, 0},
    {"H_HSTB", HELI, "Root chord", "ft", 0, 1, F_NUMBER, offsetof(planestruct, Croot), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the root, feet.", nullptr, 0},
    {"H_HSTB", HELI, "Tip chord", "ft", 0, 2, F_NUMBER, offsetof(planestruct, Ctip), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the tip, feet.", nullptr, 0},
    {"H_HSTB", HELI, "Sweep", "deg", 2, 0, F_NUMBER, offsetof(planestruct, sweep1), 1, 0, 4, 1, 1, -90.0f, 90.0f, "Sweep of the quarter-chord line, degrees.", nullptr, 0},
    {"H_HSTB", HELI, "Dihedral", "deg", 2, 1, F_NUMBER, offsetof(planestruct, dihed), 1, 0, 4, 1, 1, -135.0f, 135.0f, "Dihedral, degrees.", nullptr, 0},
    {"H_HSTB", HELI, "Root behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, Zarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'z'},
    {"H_HSTB", HELI, "Root beside", "ft", 1, 1, F_NUMBER, offsetof(planestruct, Xarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'x'},
    {"H_HSTB", HELI, "Root above", "ft", 1, 2, F_NUMBER, offsetof(planestruct, Yarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'y'},
    {"H_HSTB", HELI, "Trim travel", "deg", 2, 2, F_NUMBER, offsetof(planestruct, hstbtrimmax), 0, 0, 2, 0, 0, 0.0f, 99.0f, "Trim travel of the whole stabilizer, degrees.", nullptr, 0},
    {"H_VSTB", HELI, "Semi-length", "ft", 0, 0, F_NUMBER, offsetof(planestruct, semilen), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Length of each panel root to tip along the quarter-chord line, feet.", nullptr, 0},
    {"H_VSTB", HELI, "Root chord", "ft", 0, 1, F_NUMBER, offsetof(planestruct, Croot), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the root, feet.", nullptr, 0},
    {"H_VSTB", HELI, "Tip chord", "ft", 0, 2, F_NUMBER, offsetof(planestruct, Ctip), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the tip, feet.", nullptr, 0},
    {"H_VSTB", HELI, "Sweep", "deg", 2, 0, F_NUMBER, offsetof(planestruct, sweep1), 1, 0, 4, 1, 1, -90.0f, 90.0f, "Sweep of the quarter-chord line, degrees.", nullptr, 0},
    {"H_VSTB", HELI, "Dihedral", "deg", 2, 1, F_NUMBER, offsetof(planestruct, dihed), 1, 0, 4, 1, 1, -135.0f, 135.0f, "Dihedral, degrees.", nullptr, 0},
    {"H_VSTB", HELI, "Root behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, Zarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'z'},
    {"H_VSTB", HELI, "Root beside", "ft", 1, 1, F_NUMBER, offsetof(planestruct, Xarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'x'},
    {"H_VSTB", HELI, "Root above", "ft", 1, 2, F_NUMBER, offsetof(planestruct, Yarm), 1, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "25% chord of the wing root", 'y'},
    {"P_PYLN", PLANE, "Semi-length", "ft", 0, 0, F_NUMBER, offsetof(planestruct, semilen), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Length of each panel root to tip along the quarter-chord line, feet.", nullptr, 0},
    {"P_PYLN", PLANE, "Root chord", "ft", 0, 1, F_NUMBER, offsetof(planestruct, Croot), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the root, feet.", nullptr, 0},
    {"P_PYLN", PLANE, "Tip chord", "ft", 0, 2, F_NUMBER, offsetof(planestruct, Ctip), 1, 0, 4, 1, 0, 0.0f, 999.9f, "Chord at the tip, feet.", nullptr, 0},
    {"P_PYLN", PLANE, "Sweep", "deg", 2, 0, F_NUMBER, offsetof(planestruct, sweep1), 1, 0, 4, 1, 1, -90.0f, 90.0f, "Sweep of the quarter-chord line, degrees.", nullptr, 0},
    {"P_PYLN", PLANE, "Dihedral", "deg", 2, 1, F_NUMBER, offsetof(planestruct, dihed), 1, 0, 4, 1, 1, -135.0f, 135.0f, "Dihedral, degrees.", nullptr, 0},
    {"P_PYLN", PLANE, "Base behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, pylondz), 0, 0, 4, 1, 1, -999.9f, 999.9f, "Pylon base behind the engine thrust centre, feet.", nullptr, 0},
    {"P_PYLN", PLANE, "Base out", "ft", 1, 1, F_NUMBER, offsetof(planestruct, pylondx), 0, 0, 4, 1, 1, -999.9f, 999.9f, "Pylon base radially out from the engine thrust centre, feet.", nullptr, 0},
    {"A_WTBL", BOTH, "CG behind", "ft", 0, 0, F_NUMBER, offsetof(planestruct, cgZ), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "center of gravity (or balance point)", 'z'},
    {"A_WTBL", BOTH, "CG above", "ft", 0, 1, F_NUMBER, offsetof(planestruct, cgY), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "center of gravity (or balance point)", 'y'},
    {"A_WTBL", BOTH, "Empty", "lb", 0, 2, F_NUMBER, offsetof(planestruct, m_empty), 0, 0, 7, 0, 0, 0.0f, 1e+07f, "Empty weight, pounds.", nullptr, 0},
    {"A_WTBL", BOTH, "Maximum", "lb", 0, 3, F_NUMBER, offsetof(planestruct, m_max), 0, 0, 7, 0, 0, 0.0f, 1e+07f, "Maximum weight, pounds.", nullptr, 0},
    {"A_WTBL", BOTH, "Fuel", "lb", 0, 4, F_NUMBER, offsetof(planestruct, m_fuel), 0, 0, 7, 0, 0, 0.0f, 1e+07f, "Fuel weight, pounds.", nullptr, 0},
    {"A_WTBL", BOTH, "Jettison", "lb", 0, 5, F_NUMBER, offsetof(planestruct, m_jettison), 0, 0, 7, 0, 0, 0.0f, 1e+07f, "Jettisonable load, pounds.", nullptr, 0},
    {"A_GEAR", BOTH, "Gear type", "1-6", 0, 0, F_RADIO, offsetof(planestruct, gear_type), 0, 1, 6, 0, 0, 1.0f, 6.0f, "1 none, 2 skids, 3 single wheel, 4 two side-by-side, 5 two fore-aft, 6 four-wheel truck.", nullptr, 0},
    {"A_GEAR", BOTH, "Retracts", "", 0, 1, F_NOYES, offsetof(planestruct, gear_retract), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The gear retracts.", nullptr, 0},
    {"A_GEAR", BOTH, "Steering", "deg", 0, 2, F_NUMBER, offsetof(planestruct, nwsteer), 0, 0, 3, 1, 0, 0.0f, 99.9f, "Nose or tail wheel steering at full rudder, 0 for castoring, degrees.", nullptr, 0},
    {"A_GEAR", BOTH, "Nose behind", "ft", 0, 3, F_NUMBER, offsetof(planestruct, ngearZ), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "nose gear tire contact point with the ground", 'z'},
    {"A_GEAR", BOTH, "Nose above", "ft", 0, 4, F_NUMBER, offsetof(planestruct, ngearY), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "nose gear tire contact point with the ground", 'y'},
    {"A_GEAR", BOTH, "Main behind", "ft", 0, 5, F_NUMBER, offsetof(planestruct, mgearZ), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "main gear tire contact point with the ground", 'z'},
    {"A_GEAR", BOTH, "Main beside", "ft", 0, 6, F_NUMBER, offsetof(planestruct, mgearX), 0, 0, 4, 1, 0, 0.0f, 999.9f, nullptr, "main gear tire contact point with the ground", 'x'},
    {"A_GEAR", BOTH, "Main above", "ft", 0, 7, F_NUMBER, offsetof(planestruct, mgearY), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "main gear tire contact point with the ground", 'y'},
    {"A_GEAR", BOTH, "Skid behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, skidZ), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "front of the skid", 'z'},
    {"A_GEAR", BOTH, "Skid above", "ft", 1, 1, F_NUMBER, offsetof(planestruct, skidY), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "front of the skid", 'y'},
    {"A_GEAR", BOTH, "Skid beside", "ft", 1, 2, F_NUMBER, offsetof(planestruct, skidX), 0, 0, 4, 1, 0, 0.0f, 999.9f, nullptr, "skid", 'x'},
    {"A_GEAR", BOTH, "Skid length", "ft", 1, 3, F_NUMBER, offsetof(planestruct, skidl), 0, 0, 4, 1, 0, 0.0f, 999.9f, "Skid length, feet.", nullptr, 0},
    {"A_GEAR", BOTH, "Nose strut behind", "ft", 1, 4, F_NUMBER, offsetof(planestruct, ngearZ_att), 0, 0, 4, 1, 1, -999.9f, 999.9f, "How far behind the reference point the nose gear strut is attached, feet.", nullptr, 0},
    {"A_GEAR", BOTH, "Nose strut above", "ft", 1, 5, F_NUMBER, offsetof(planestruct, ngearY_att), 0, 0, 4, 1, 1, -999.9f, 999.9f, "How far above the reference point the nose gear strut is attached, feet.", nullptr, 0},
    {"A_GEAR", BOTH, "Main strut behind", "ft", 1, 6, F_NUMBER, offsetof(planestruct, mgearZ_att), 0, 0, 4, 1, 1, -999.9f, 999.9f, "How far behind the reference point the main gear struts are attached, feet.", nullptr, 0},
    {"A_GEAR", BOTH, "Main strut beside", "ft", 1, 7, F_NUMBER, offsetof(planestruct, mgearX_att), 0, 0, 4, 1, 0, 0.0f, 999.9f, "How far to the side of the reference point the main gear struts are attached, feet.", nullptr, 0},
    {"A_GEAR", BOTH, "Main strut above", "ft", 1, 8, F_NUMBER, offsetof(planestruct, mgearY_att), 0, 0, 4, 1, 1, -999.9f, 999.9f, "How far above the reference point the main gear struts are attached, feet.", nullptr, 0},
    {"A_FUSE", BOTH, "Grid width", "ft", 0, 0, F_NUMBER, offsetof(planestruct, body_r), 1, 0, 3, 1, 0, 0.1f, 99.0f, "Width of the grids: the largest half-width and half-height a section can take, feet.", nullptr, 0},
    {"A_NACE", PLANE, "Grid width", "ft", 0, 0, F_NUMBER, offsetof(planestruct, body_r), 1, 0, 3, 1, 0, 0.1f, 99.0f, "Width of the grids: the largest half-width and half-height a section can take, feet.", nullptr, 0},
    {"A_MISC", BOTH, "Grid width", "ft", 0, 0, F_NUMBER, offsetof(planestruct, body_r), 1, 0, 3, 1, 0, 0.1f, 99.0f, "Width of the grids: the largest half-width and half-height a section can take, feet.", nullptr, 0},
    {"A_FAIR", BOTH, "Grid width", "ft", 0, 0, F_NUMBER, offsetof(planestruct, body_r), 1, 0, 3, 1, 0, 0.1f, 99.0f, "Width of the grids: the largest half-width and half-height a section can take, feet.", nullptr, 0},
    {"A_FUSE", BOTH, "Drag coeff.", "", 1, 0, F_NUMBER, offsetof(planestruct, fuse_cd), 0, 0, 4, 3, 0, 0.0f, 9.999f, "Drag coefficient of the fuselage.", nullptr, 0},
    {"A_FUSE", BOTH, "In propwash", "", 1, 1, F_NOYES, offsetof(planestruct, fusewash), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The fuselage sits in the wash of the first engine's propeller.", nullptr, 0},
    {"A_NACE", PLANE, "Nacelles", "", 1, 0, F_NOYES, offsetof(planestruct, nace_eq), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The engines have nacelles.", nullptr, 0},
    {"A_MISC", BOTH, "Present", "", 1, 0, F_NOYES, offsetof(planestruct, misc_eq), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The aircraft has fuel tanks or floats.", nullptr, 0},
    {"A_FAIR", BOTH, "Present", "", 1, 0, F_NOYES, offsetof(planestruct, fair_eq), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The wheels have fairings.", nullptr, 0},
    {"A_MISC", BOTH, "Behind", "ft", 2, 0, F_NUMBER, offsetof(planestruct, misc_Z), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "fuel tank, float, or other external body", 'z'},
    {"A_MISC", BOTH, "Beside", "ft", 2, 1, F_NUMBER, offsetof(planestruct, misc_X), 0, 0, 4, 1, 0, 0.0f, 999.9f, nullptr, "fuel tank, float, or other external body", 'x'},
    {"A_MISC", BOTH, "Above", "ft", 2, 2, F_NUMBER, offsetof(planestruct, misc_Y), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "fuel tank, float, or other external body", 'y'},
    {"A_PANL", BOTH, "Panel", "1-2", 0, 0, F_RADIO, offsetof(planestruct, paneltype), 0, 1, 2, 0, 0, 1.0f, 2.0f, "1 round dials, 2 electronic displays.", nullptr, 0},
    {"A_PANL", BOTH, "VVI", "1-2", 0, 1, F_RADIO, offsetof(planestruct, VVItype), 0, 1, 2, 0, 0, 1.0f, 2.0f, "The vertical speed indicator style.", nullptr, 0},
    {"A_PANL", BOTH, "Airspeed", "1-3", 0, 2, F_RADIO, offsetof(planestruct, AStype), 0, 1, 3, 0, 0, 1.0f, 3.0f, "The airspeed indicator style.", nullptr, 0},
    {"A_PANL", BOTH, "Support", "1-7", 0, 3, F_RADIO, offsetof(planestruct, supptype), 0, 1, 7, 0, 0, 1.0f, 7.0f, "The supplementary instrument.", nullptr, 0},
    {"A_PANL", BOTH, "HUD", "1-3", 0, 4, F_RADIO, offsetof(planestruct, HUDtype), 0, 1, 3, 0, 0, 1.0f, 3.0f, "The head-up display style.", nullptr, 0},
    {"A_FORC", BOTH, "Hydraulic", "", 0, 0, F_NOYES, offsetof(planestruct, ff_hydraulic), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The controls are hydraulic: the stick feels no air loads.", nullptr, 0},
    {"A_FORC", BOTH, "Stick shaker", "", 0, 1, F_NOYES, offsetof(planestruct, ff_stickshaker), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The stick shakes before the stall.", nullptr, 0},
    {"A_PROP", BOTH, "Var. pitch", "", 0, 0, F_NOYES, offsetof(planestruct, varpitchEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The propeller has variable pitch.", nullptr, 0},
    // A row apart: the choices' step arrows reach above and below their line.
    {"A_PROP", BOTH, "Turns, eng. 1", "", 1, 0, F_CHOICE, offsetof(planestruct, propdir[0]), 0, 1, 0, 0, 0, 0.0f, 1.0f, "The way the propeller turns, seen from behind.", nullptr, 0, AS_STORED, " CW", "CCW"},
    {"A_PROP", BOTH, "Turns, eng. 2", "", 1, 2, F_CHOICE, offsetof(planestruct, propdir[1]), 0, 1, 0, 0, 0, 0.0f, 1.0f, "The way the propeller turns, seen from behind.", nullptr, 0, AS_STORED, " CW", "CCW"},
    {"A_PROP", BOTH, "Turns, eng. 3", "", 1, 4, F_CHOICE, offsetof(planestruct, propdir[2]), 0, 1, 0, 0, 0, 0.0f, 1.0f, "The way the propeller turns, seen from behind.", nullptr, 0, AS_STORED, " CW", "CCW"},
    {"A_PROP", BOTH, "Turns, eng. 4", "", 1, 6, F_CHOICE, offsetof(planestruct, propdir[3]), 0, 1, 0, 0, 0, 0.0f, 1.0f, "The way the propeller turns, seen from behind.", nullptr, 0, AS_STORED, " CW", "CCW"},
    {"A_PROP", BOTH, "Blades", "2-9", 0, 2, F_NUMBER, offsetof(planestruct, numblades), 1, 0, 1, 0, 0, 2.0f, 9.0f, "The number of blades.", nullptr, 0},
    {"A_PROP", BOTH, "Radius", "ft", 0, 3, F_NUMBER, offsetof(planestruct, semilen), 1, 0, 3, 1, 0, 0.1f, 99.9f, "The radius of the propeller, feet.", nullptr, 0},
    {"A_PROP", BOTH, "Blade chord", "in", 1, 7, F_NUMBER, offsetof(planestruct, Croot), 1, 0, 3, 1, 0, 0.1f, 99.9f, "The chord of each blade, inches.", nullptr, 0, CHORD_INCHES},
    {"A_PROP", BOTH, "Design adv.", "in/turn", 0, 4, F_NUMBER, offsetof(planestruct, des_adv), 1, 0, 3, 0, 0, 0.0f, 999.0f, "The distance the propeller advances per turn at its design point, inches.", nullptr, 0},
    {"A_PROP", BOTH, "Design RPM", "rpm", 0, 5, F_NUMBER, offsetof(planestruct, des_rpm), 1, 0, 5, 0, 0, 100.0f, 99999.0f, "The propeller RPM at its design point.", nullptr, 0},
    {"A_PROP", BOTH, "Design speed", "kts", 0, 6, F_NUMBER, offsetof(planestruct, des_vel), 1, 0, 3, 0, 0, 0.0f, 999.0f, "The airspeed at the design point, knots.", nullptr, 0},
    {"A_PROP", BOTH, "Min pitch", "deg", 0, 7, F_NUMBER, offsetof(planestruct, minpitch), 1, 0, 3, 1, 1, -90.0f, 90.0f, "The lowest blade pitch, degrees.", nullptr, 0},
    {"A_PROP", BOTH, "Max pitch", "deg", 0, 8, F_NUMBER, offsetof(planestruct, maxpitch), 1, 0, 3, 1, 0, 0.0f, 90.0f, "The highest blade pitch, degrees.", nullptr, 0},
    {"H_ROTR", HELI, "Disc tilt", "deg", 0, 4, F_NUMBER, offsetof(planestruct, vertcant), 0, 0, 2, 1, 1, -9.9f, 9.9f, "The main rotor disc tilted forward, degrees.", nullptr, 0, DISC_TILT},
    {"H_ROTR", HELI, "Side tilt", "deg", 0, 0, F_NUMBER, offsetof(planestruct, sidecant), 0, 0, 2, 1, 1, -9.9f, 9.9f, "The main rotor disc tilted to the side, degrees.", nullptr, 0},
    {"H_ROTR", HELI, "Tail ratio", "", 0, 1, F_NUMBER, offsetof(planestruct, trotor_rat), 0, 0, 3, 1, 0, 1.0f, 99.9f, "Tail-rotor RPM per main-rotor RPM.", nullptr, 0},
    {"H_ROTR", HELI, "Pitch cyclic", "deg", 0, 2, F_NUMBER, offsetof(planestruct, elevcyclic), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Blade pitch change at full pitch input, degrees.", nullptr, 0},
    {"H_ROTR", HELI, "Roll cyclic", "deg", 0, 3, F_NUMBER, offsetof(planestruct, ailncyclic), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Blade pitch change at full roll input, degrees.", nullptr, 0},
    {"H_ROTR", HELI, "Main behind", "ft", 1, 0, F_NUMBER, offsetof(planestruct, Zarm[0]), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "main rotor hub", 'z'},
    {"H_ROTR", HELI, "Main above", "ft", 1, 1, F_NUMBER, offsetof(planestruct, Yarm[0]), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "main rotor hub", 'y'},
    {"H_ROTR", HELI, "Tail behind", "ft", 1, 2, F_NUMBER, offsetof(planestruct, Zarm[1]), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "tail rotor hub", 'z'},
    {"H_ROTR", HELI, "Tail above", "ft", 1, 3, F_NUMBER, offsetof(planestruct, Yarm[1]), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "tail rotor hub", 'y'},
    {"P_CONT", PLANE, "Aileron", "chord", 0, 0, F_NUMBER, offsetof(planestruct, ailn_crat), 0, 0, 3, 2, 0, 0.0f, 0.5f, "The chord ratio of the aileron.", nullptr, 0},
    {"P_CONT", PLANE, "Elevator", "chord", 0, 1, F_NUMBER, offsetof(planestruct, elev_crat), 0, 0, 3, 2, 0, 0.0f, 0.5f, "The chord ratio of the elevator.", nullptr, 0},
    {"P_CONT", PLANE, "Rudder", "chord", 0, 2, F_NUMBER, offsetof(planestruct, rudd_crat), 0, 0, 3, 2, 0, 0.0f, 0.5f, "The chord ratio of the rudder.", nullptr, 0},
    {"P_CONT", PLANE, "Spoiler", "chord", 0, 3, F_NUMBER, offsetof(planestruct, splr_crat), 0, 0, 3, 2, 0, 0.0f, 0.5f, "The chord ratio of the spoiler.", nullptr, 0},
    {"P_CONT", PLANE, "Drag rudder", "chord", 0, 4, F_NUMBER, offsetof(planestruct, drud_crat), 0, 0, 3, 2, 0, 0.0f, 0.5f, "The chord ratio of the drag rudder.", nullptr, 0},
    {"P_CONT", PLANE, "Speed brake", "chord", 0, 5, F_NUMBER, offsetof(planestruct, sbrk_crat), 0, 0, 3, 2, 0, 0.0f, 0.5f, "The chord ratio of the speed brake.", nullptr, 0},
    {"P_CONT", PLANE, "Aileron up", "deg", 1, 0, F_NUMBER, offsetof(planestruct, ailn_up), 0, 0, 3, 1, 0, 0.0f, 99.9f, "The deflection of the aileron up, degrees.", nullptr, 0},
    {"P_CONT", PLANE, "Aileron down", "deg", 1, 1, F_NUMBER, offsetof(planestruct, ailn_dn), 0, 0, 3, 1, 0, 0.0f, 99.9f, "The deflection of the aileron down, degrees.", nullptr, 0},
    {"P_CONT", PLANE, "Elevator up", "deg", 1, 2, F_NUMBER, offsetof(planestruct, elev_up), 0, 0, 3, 1, 0, 0.0f, 99.9f, "The deflection of the elevator up, degrees.", nullptr, 0},
    {"P_CONT", PLANE, "Elevator dn", "deg", 1, 3, F_NUMBER, offsetof(planestruct, elev_dn), 0, 0, 3, 1, 0, 0.0f, 99.9f, "The deflection of the elevator dn, degrees.", nullptr, 0},
    {"P_CONT", PLANE, "Rudder", "deg", 1, 4, F_NUMBER, offsetof(planestruct, rudd_def), 0, 0, 3, 1, 0, 0.0f, 99.9f, "The deflection of the rudder, degrees.", nullptr, 0},
    {"P_CONT", PLANE, "Spoiler", "deg", 1, 5, F_NUMBER, offsetof(planestruct, splr_def), 0, 0, 3, 1, 0, 0.0f, 99.9f, "The deflection of the spoiler, degrees.", nullptr, 0},
    {"P_CONT", PLANE, "Drag rudder", "deg", 1, 6, F_NUMBER, offsetof(planestruct, drud_def), 0, 0, 3, 1, 0, 0.0f, 99.9f, "The deflection of the drag rudder, degrees.", nullptr, 0},
    {"P_CONT", PLANE, "Speed brake", "deg", 1, 7, F_NUMBER, offsetof(planestruct, sbrk_def), 0, 0, 3, 1, 0, 0.0f, 99.9f, "The deflection of the speed brake, degrees.", nullptr, 0},
    {"P_CONT", PLANE, "Slat gain", "deg", 2, 0, F_NUMBER, offsetof(planestruct, slat_inc), 0, 0, 2, 0, 0, 0.0f, 99.0f, "Degrees of extra stall angle the slats give.", nullptr, 0},
    {"P_CONT", PLANE, "Smoothing", "1-3", 2, 1, F_RADIO, offsetof(planestruct, con_smooth), 0, 1, 3, 0, 0, 1.0f, 3.0f, "How smoothly the controls move.", nullptr, 0},
    {"P_CONT", PLANE, "Flap", "", 2, 2, F_FILE, offsetof(planestruct, flap_str), 0, 0, 0, 0, 0, 0.0f, 201.0f, "The flap file.", nullptr, 0},
    {"AX_PROP", BOTH, "Root", "", 0, 0, F_FILE, offsetof(planestruct, Rafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root.", nullptr, 0},
    {"AX_PROP", BOTH, "Tip", "", 0, 1, F_FILE, offsetof(planestruct, Tafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip.", nullptr, 0},
    {"AX_PROP", BOTH, "Root, 2nd Re", "", 1, 0, F_FILE, offsetof(planestruct, Rafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root at the second Reynolds number.", nullptr, 0},
    {"AX_PROP", BOTH, "Tip, 2nd Re", "", 1, 1, F_FILE, offsetof(planestruct, Tafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip at the second Reynolds number.", nullptr, 0},
    {"PX_WING", PLANE, "Root", "", 0, 0, F_FILE, offsetof(planestruct, Rafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root.", nullptr, 0},
    {"PX_WING", PLANE, "Tip", "", 0, 1, F_FILE, offsetof(planestruct, Tafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip.", nullptr, 0},
    {"PX_WING", PLANE, "Root, 2nd Re", "", 1, 0, F_FILE, offsetof(planestruct, Rafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root at the second Reynolds number.", nullptr, 0},
    {"PX_WING", PLANE, "Tip, 2nd Re", "", 1, 1, F_FILE, offsetof(planestruct, Tafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip at the second Reynolds number.", nullptr, 0},
    {"PX_WING", PLANE, "Var. sweep", "", 0, 2, F_NOYES, offsetof(planestruct, varsweepEQ), 1, 1, 1, 0, 0, 0.0f, 1.0f, "The part has variable sweep.", nullptr, 0},
    {"PX_WING", PLANE, "Max sweep", "deg", 1, 2, F_NUMBER, offsetof(planestruct, sweep2), 1, 0, 3, 1, 1, -90.0f, 90.0f, "The maximum sweep, degrees.", nullptr, 0},
    {"PX_HSTB", PLANE, "Root", "", 0, 0, F_FILE, offsetof(planestruct, Rafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root.", nullptr, 0},
    {"PX_HSTB", PLANE, "Tip", "", 0, 1, F_FILE, offsetof(planestruct, Tafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip.", nullptr, 0},
    {"PX_HSTB", PLANE, "Root, 2nd Re", "", 1, 0, F_FILE, offsetof(planestruct, Rafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root at the second Reynolds number.", nullptr, 0},
    {"PX_HSTB", PLANE, "Tip, 2nd Re", "", 1, 1, F_FILE, offsetof(planestruct, Tafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip at the second Reynolds number.", nullptr, 0},
    {"PX_HSTB", PLANE, "Var. sweep", "", 0, 2, F_NOYES, offsetof(planestruct, varsweepEQ), 1, 1, 1, 0, 0, 0.0f, 1.0f, "The part has variable sweep.", nullptr, 0},
    {"PX_HSTB", PLANE, "Max sweep", "deg", 1, 2, F_NUMBER, offsetof(planestruct, sweep2), 1, 0, 3, 1, 1, -90.0f, 90.0f, "The maximum sweep, degrees.", nullptr, 0},
    {"PX_VSTB", PLANE, "Root", "", 0, 0, F_FILE, offsetof(planestruct, Rafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root.", nullptr, 0},
    {"PX_VSTB", PLANE, "Tip", "", 0, 1, F_FILE, offsetof(planestruct, Tafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip.", nullptr, 0},
    {"PX_VSTB", PLANE, "Root, 2nd Re", "", 1, 0, F_FILE, offsetof(planestruct, Rafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root at the second Reynolds number.", nullptr, 0},
    {"PX_VSTB", PLANE, "Tip, 2nd Re", "", 1, 1, F_FILE, offsetof(planestruct, Tafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip at the second Reynolds number.", nullptr, 0},
    {"HX_HSTB", HELI, "Root", "", 0, 0, F_FILE, offsetof(planestruct, Rafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root.", nullptr, 0},
    {"HX_HSTB", HELI, "Tip", "", 0, 1, F_FILE, offsetof(planestruct, Tafl0), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip.", nullptr, 0},
    {"HX_HSTB", HELI, "Root, 2nd Re", "", 1, 0, F_FILE, offsetof(planestruct, Rafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the root at the second Reynolds number.", nullptr, 0},
    {"HX_HSTB", HELI, "Tip, 2nd Re", "", 1, 1, F_FILE, offsetof(planestruct, Tafl1), 1, 0, 0, 0, 0, 0.0f, 200.0f, "The airfoil at the tip at the second Reynolds number.", nullptr, 0},
    {"PX_SPCN", PLANE, "JATO behind", "ft", 0, 0, F_NUMBER, offsetof(planestruct, jatoZ), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "JATO exhaust nozzle", 'z'},
    {"PX_SPCN", PLANE, "JATO above", "ft", 0, 1, F_NUMBER, offsetof(planestruct, jatoY), 0, 0, 4, 1, 1, -999.9f, 999.9f, nullptr, "JATO exhaust nozzle", 'y'},
    {"PX_SPCN", PLANE, "JATO angle", "deg", 0, 2, F_NUMBER, offsetof(planestruct, jatotheta), 0, 0, 3, 0, 0, 0.0f, 999.0f, "The JATO angle from horizontal, degrees.", nullptr, 0},
    {"PX_SPCN", PLANE, "JATO thrust", "lb", 0, 3, F_NUMBER, offsetof(planestruct, jatothrust), 0, 0, 7, 0, 0, 0.0f, 9999999.0f, "The JATO thrust, pounds.", nullptr, 0},
    {"PX_SPCN", PLANE, "JATO time", "s", 0, 4, F_NUMBER, offsetof(planestruct, jatodur), 0, 0, 3, 0, 0, 0.0f, 999.0f, "How long the JATO burns, seconds.", nullptr, 0},
    {"PX_SPCN", PLANE, "Stab roll", "deg", 0, 5, F_NUMBER, offsetof(planestruct, stabroll), 0, 0, 3, 1, 0, 0.0f, 99.9f, "Differential stabilizer travel for roll, degrees.", nullptr, 0},
    {"PX_SPCN", PLANE, "Stab yaw", "deg", 0, 6, F_NUMBER, offsetof(planestruct, stabhdng), 0, 0, 3, 1, 0, 0.0f, 99.9f, "Differential stabilizer travel for yaw, degrees.", nullptr, 0},
    {"PX_SPCN", PLANE, "Ail. pull", "deg", 0, 7, F_NUMBER, offsetof(planestruct, ailpitch), 0, 0, 3, 1, 1, -99.9f, 99.9f, "Aileron droop with pull, degrees.", nullptr, 0},
    {"PX_SPCN", PLANE, "Ail. flaps", "deg", 0, 8, F_NUMBER, offsetof(planestruct, ailflaps), 0, 0, 3, 1, 0, 0.0f, 99.9f, "Aileron droop with flaps, degrees.", nullptr, 0},
    {"PX_SPCN", PLANE, "Brake area", "sq ft", 0, 9, F_NUMBER, offsetof(planestruct, brake_area), 0, 0, 3, 0, 0, 0.0f, 999.0f, "Speed brake area, square feet.", nullptr, 0},
    {"PX_SPCN", PLANE, "Chute area", "sq ft", 0, 10, F_NUMBER, offsetof(planestruct, chute_area), 0, 0, 5, 0, 0, 0.0f, 99999.0f, "Drag chute area, square feet.", nullptr, 0},
    {"PX_SPCN", PLANE, "Hook", "", 1, 0, F_NOYES, offsetof(planestruct, arrestingEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The aircraft has an arresting hook.", nullptr, 0},
    {"PX_SPCN", PLANE, "Anti-ice", "", 1, 1, F_NOYES, offsetof(planestruct, antiiceEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The aircraft has anti-ice.", nullptr, 0},
    {"PX_SPCN", PLANE, "Voice warn", "", 1, 2, F_NOYES, offsetof(planestruct, bitchinbettyEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The aircraft has spoken warnings.", nullptr, 0},
    {"PX_SPCN", PLANE, "Auto spdbrk", "", 1, 3, F_NOYES, offsetof(planestruct, autosbrkEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The speed brakes deploy on touchdown.", nullptr, 0},
    {"PX_SPCN", PLANE, "Auto brakes", "", 1, 4, F_NOYES, offsetof(planestruct, autofbrkEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The wheel brakes apply on touchdown.", nullptr, 0},
    {"PX_SPCN", PLANE, "Auto sweep", "", 1, 5, F_NOYES, offsetof(planestruct, autosweepEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The wings sweep with speed.", nullptr, 0},
    {"PX_VCCN", PLANE, "Vectoring", "", 0, 0, F_NOYES, offsetof(planestruct, vectEQ), 0, 1, 1, 0, 0, 0.0f, 1.0f, "The engines vector their thrust.", nullptr, 0},
    {"PX_VCCN", PLANE, "Vector arm", "ft", 0, 1, F_NUMBER, offsetof(planestruct, vectarm), 0, 0, 3, 1, 0, 0.0f, 99.9f, "From the hub to the nacelle pivot, feet.", nullptr, 0},
    {"PX_VCCN", PLANE, "Pitch cyclic", "deg", 0, 2, F_NUMBER, offsetof(planestruct, elevcyclic), 0, 0, 2, 0, 0, 0.0f, 99.0f, "Blade pitch change at full pitch input, degrees.", nullptr, 0},
    {"PX_VCCN", PLANE, "Roll cyclic", "deg", 0, 3, F_NUMBER, offsetof(planestruct, ailncyclic), 0, 0, 2, 0, 0, 0.0f, 99.0f, "Blade pitch change at full roll input, degrees.", nullptr, 0},
    {"PX_VCCN", PLANE, "Puffer pitch", "ft lb", 0, 4, F_NUMBER, offsetof(planestruct, puffM), 0, 0, 6, 0, 0, 0.0f, 999999.0f, "The pitch puffer moment.", nullptr, 0},
    {"PX_VCCN", PLANE, "Puffer roll", "ft lb", 0, 5, F_NUMBER, offsetof(planestruct, puffL), 0, 0, 6, 0, 0, 0.0f, 999999.0f, "The roll puffer moment.", nullptr, 0},
    {"PX_VCCN", PLANE, "Puffer yaw", "ft lb", 0, 6, F_NUMBER, offsetof(planestruct, puffN), 0, 0, 6, 0, 0, 0.0f, 999999.0f, "The yaw puffer moment.", nullptr, 0},
    {"AX_ASTB", BOTH, "Low below", "kts", 0, 0, F_NUMBER, offsetof(planestruct, ASloV), 0, 0, 4, 0, 0, 0.0f, 9999.0f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "High above", "kts", 0, 1, F_NUMBER, offsetof(planestruct, AShiV), 0, 0, 4, 0, 0, 0.0f, 9999.0f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "maxp1", "", 1, 0, F_NUMBER, offsetof(planestruct, ASmaxp1), 0, 0, 3, 0, 0, 0.0f, 999.0f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "maxh1", "", 1, 1, F_NUMBER, offsetof(planestruct, ASmaxh1), 0, 0, 3, 0, 0, 0.0f, 999.0f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "maxr1", "", 1, 2, F_NUMBER, offsetof(planestruct, ASmaxr1), 0, 0, 3, 0, 0, 0.0f, 999.0f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "maxp2", "", 1, 3, F_NUMBER, offsetof(planestruct, ASmaxp2), 0, 0, 3, 0, 0, 0.0f, 999.0f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "maxh2", "", 1, 4, F_NUMBER, offsetof(planestruct, ASmaxh2), 0, 0, 3, 0, 0, 0.0f, 999.0f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "maxr2", "", 1, 5, F_NUMBER, offsetof(planestruct, ASmaxr2), 0, 0, 3, 0, 0, 0.0f, 999.0f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "p1", "", 2, 0, F_NUMBER, offsetof(planestruct, ASp1), 0, 0, 5, 4, 0, 0.0f, 9.9999f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "h1", "", 2, 1, F_NUMBER, offsetof(planestruct, ASh1), 0, 0, 5, 4, 0, 0.0f, 9.9999f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "r1", "", 2, 2, F_NUMBER, offsetof(planestruct, ASr1), 0, 0, 5, 4, 0, 0.0f, 9.9999f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "p2", "", 2, 3, F_NUMBER, offsetof(planestruct, ASp2), 0, 0, 5, 4, 0, 0.0f, 9.9999f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "h2", "", 2, 4, F_NUMBER, offsetof(planestruct, ASh2), 0, 0, 5, 4, 0, 0.0f, 9.9999f, "", nullptr, 0},
    {"AX_ASTB", BOTH, "r2", "", 2, 5, F_NUMBER, offsetof(planestruct, ASr2), 0, 0, 5, 4, 0, 0.0f, 9.9999f, "", nullptr, 0},
};
const int screen_field_count = sizeof screen_fields / sizeof screen_fields[0];

const float engine_row_y[3] = {420, 375, 330};

float engine_column_x(int e)
{
    return 55.0f * e + 105;
}

float element_column_x(int e)
{
    return 41.0f * e + 104;
}

float element_row_y(const screen_entry& s, int r)
{
    // Below the three rows of the surface's own fields. The boxes stand clear
    // of the strip under the incidence where a click takes from its digits.
    return s.dy - 60.0f - 36.0f * 3 - 10 - 17.0f * r - (r > 0 ? 7 : 0);
}

int element_rows(int part, int is_heli, const char* const** names)
{
    static const char* const wing[] = {"Incidence", "Aileron", "Spoiler", "Flap", "Slat", "Speed brake", "Drag rudder"};
    static const char* const hstab[] = {"Incidence", "Elevator", "Flap", "Slat"};
    static const char* const vstab[] = {"Incidence", "Rudder"};
    if (part == 5 || part == 7 || part == 9) {
        *names = wing;
        return 7;
    }
    if (part == 11) {
        *names = hstab;
        return is_heli ? 1 : 4;
    }
    if (part == 12 || part == 13) {
        *names = vstab;
        return is_heli ? 0 : 2;
    }
    *names = nullptr;
    return 0;
}

namespace {
// The columns of a screen's grid, and the room the labels of column `col` take.
void grid_of(const screen_entry& s, int col, int* cols, float* label_room)
{
    *cols = 1;
    size_t longest = 0;
    for (int k = 0; k < screen_field_count; ++k) {
        const field_entry& f = screen_fields[k];
        if (strcmp(f.bitmap, s.bitmap) != 0) continue;
        if (f.col + 1 > *cols) *cols = f.col + 1;
        if (f.col == col && f.kind != F_FILE && strlen(f.label) > longest) longest = strlen(f.label);
    }
    // 6 units a letter, then room for a sign column before the value.
    *label_room = 6.0f * longest + 12 > 80 ? 6.0f * longest + 12 : 80;
}
} // namespace

void field_place(const field_entry& f, const screen_entry& s, float* label_x, float* value_x, float* y)
{
    // The screen's width shared by its columns; rows far enough apart that
    // the digit buttons' click zones above and below never meet.
    int cols;
    float room;
    grid_of(s, f.col, &cols, &room);
    *label_x = 20.0f + (s.dx - 20) / cols * f.col;
    // A file name stands right of its button (toolkit: the strip left of the
    // name), under its label, so that long names fit.
    *value_x = *label_x + (f.kind == F_FILE ? FILE_BUTTON_ROOM : room);
    *y = s.dy - 60.0f - 36.0f * f.row;
}

const char* field_unit(const field_entry& f, int asi_units)
{
    if (f.shown == IN_ASI_UNITS) return asi_units == 2 ? "kts" : "mph";
    return f.unit;
}

float field_label_y(const field_entry& f, float y)
{
    return f.kind == F_FILE ? y + 15 : y;
}

float value_width(const field_entry& f, const screen_entry& s)
{
    switch (f.kind) {
    case F_RADIO: return 14.0f * f.dig;
    case F_NUMBER:
    case F_COUNT: return 10.0f * f.dig + 6;
    case F_TEXT: return 66;
    case F_CHOICE: return 70;
    case F_FILE: {
        // The name runs to its column's end.
        int cols;
        float room, lx, vx, y;
        grid_of(s, f.col, &cols, &room);
        field_place(f, s, &lx, &vx, &y);
        return 20.0f + (s.dx - 20) / cols * (f.col + 1) - 10 - vx;
    }
    default: return 12;
    }
}

} // namespace fabrex
