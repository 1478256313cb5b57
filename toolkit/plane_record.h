// The aircraft record: one aircraft definition, stored in the aircraft file
// (".acf") as one raw image of 189,548 bytes after a 5-byte header. The
// simulator, the aircraft editor and the weather tool all read it, so its
// layout is fixed to the byte: only 32-bit ints, 32-bit floats and chars,
// no padding, every field at the offset the checks below pin down.
//
// In the file: feet from the designer's reference point (X right, Y up,
// Z aft), pounds, horsepower, knots, degrees. Fields marked "set at load",
// "derived at load" or "run-time state" carry no meaning in a file; every
// reader recomputes them. Part indices of the [28] arrays: 0..3 propellers
// (helicopter: 0 main rotor, 1 tail rotor), 4..9 wings 1..3 (left even,
// right odd), 10/11 horizontal stabilizer, 12/13 vertical stabilizers,
// 14..17 pylons, 18 fuselage, 19..22 nacelles, 23/24 tanks or floats,
// 25..27 wheel fairings.
#pragma once

#include <cstddef>
#include <type_traits>

static_assert(sizeof(int) == 4 && sizeof(float) == 4, "the aircraft image holds 32-bit ints and floats");

struct planestruct {
    char C_file[400];                    // set at load: file name of the aircraft file (set by the loader to the name chosen; the stored bytes are ignored)
    char C_name[400];                    // set at load: aircraft name: the file name less its last 4 characters (set by the loader)
    char C_path[400];                    // set at load: full path of the aircraft file (set by the loader; the stored bytes are ignored)
    int is_heli;                         // 1 = helicopter, 0 = airplane
    int us_alt;                          // set at load: 1 when the world window's south-west corner lies in latitude 24..50 and longitude -180..-60, else 0; read by the altimeter display and the spoken altimeter setting
    char tailnum[400];                   // tail number (editor keeps 6 characters)
    int asi_units;                       // airspeed indicator units, 1 or 2; any other value marks the other byte order
    float Vso;                           // kt: stall speed, flaps out (airspeed-indicator marking only)
    float Vs;                            // kt: stall speed, flaps in (marking only)
    float Vfe;                           // kt: maximum flap-extended speed (marking only)
    float Vno;                           // kt: maximum speed in rough air (marking only); must not be 0 for an airplane
    float Vne;                           // kt: never-exceed speed; must not be 0 for an airplane
    float Mmo;                           // Mach: maximum Mach number (turbine aircraft)
    float peX;                           // ft, CG-relative: pilot eye point, lateral
    float peY;                           // ft, CG-relative: pilot eye point, height
    float peZ;                           // ft, CG-relative: pilot eye point, longitudinal
    int paneltype;                       // instrument panel: 1 round gauges, 2 glass panel
    int radiotype;                       // panel layout: 1 = standard; any other value moves the radio stack and the engine levers
    int AStype;                          // airspeed indicator type 1..3
    int supptype;                        // supplementary equipment type 1..7; 3 and 6 are the Argus and the weather radar, which the glass panel refuses
    int HUDtype;                         // head-up display type 1..3
    int VVItype;                         // vertical speed indicator type 1..2
    int ecam;                            // set at load: 1 when the engine page (glass panel, or more than 2 engines) is used and the aircraft is not a helicopter
    int tape;                            // set at load: 1 when there are more than 2 engines (tape engine gauges)
    int cp;                              // run-time state: value set by the panel build of the cockpit at run time
    float ASpwr;                         // set at load: airspeed dial exponent
    float Vmin;                          // kt, set at load: lowest speed on the airspeed dial
    float Vmax;                          // kt, set at load: highest speed on the airspeed dial
    int gsx1;                            // px, set at load: glide-slope scale left x
    int gsx2;                            // px, set at load: glide-slope scale right x
    int gsw;                             // px, set at load: glide-slope scale mark width
    int gsy1;                            // px, set at load: glide-slope scale bottom y
    int gsyc;                            // px, set at load: glide-slope scale centre y
    int gsy2;                            // px, set at load: glide-slope scale top y
    int ah_dim_int;                      // px, set at load: attitude-indicator ball size
    int ah_semidim_int;                  // px, set at load: attitude-indicator half size
    float ah_semidim_flt;                // px, set at load: attitude-indicator roll-scale radius
    int ah_top_prim;                     // px, set at load: top pixel row of the horizon area
    int ah_top_roll;                     // px, set at load: top pixel row of the roll scale
    int ah_bot_prim;                     // px, set at load: bottom pixel row of the horizon area
    int ah_bot_roll;                     // px, set at load: bottom pixel row of the roll scale
    float ahx1_prim[118];                // px, set at load: left x of the horizon area per pixel row
    float ahx1_roll[118];                // px, set at load: left x of the roll scale per pixel row
    float ahx2_prim[118];                // px, set at load: right x of the horizon area per pixel row
    float ahx2_roll[118];                // px, set at load: right x of the roll scale per pixel row
    int has_ins[9];                      // not used
    int ins_of_loc[9];                   // instrument at panel slot 1..8 (entry 0 is not used): 0 none, 1 airspeed, 2 attitude, 3 altimeter, 4 supplementary, 5 turn-slip, 6 directional gyro (HSI), 7 vertical speed, 8 ADF
    int ff_hydraulic;                    // force feedback: hydraulic controls
    int ff_stickshaker;                  // force feedback: stick shaker
    int entype;                          // engine type: 1 carburetted reciprocating, 2 fuel-injected reciprocating, 3 turboprop, 4 low-bypass jet, 5 high-bypass jet; set to 0 when numen is 0
    int revthrustEQ;                     // reverse thrust fitted
    int numen;                           // number of engines 0..4 (helicopter 1..2)
    float sfc;                           // lb/h/hp, lb/h/lb: specific fuel consumption: lb per hour per hp (propeller engines) or per lb of thrust (jets)
    float pmax;                          // hp, converted: maximum power at sea level
    float gearrat;                       // engine to propeller gear ratio
    float critalt;                       // ft, converted: critical altitude (turbocharged power held up to it)
    float mpmax;                         // inHg: maximum manifold pressure at sea level; must be at least 0.1 for piston engines
    float omegamin;                      // rpm, converted: engine idle rpm (stored converted to propeller rad/s: x rpm-to-rad/s / gearrat)
    float omegamax;                      // rpm, converted: maximum engine rpm (converted as omegamin)
    float omegamingreen;                 // rpm, converted: minimum continuous engine rpm (converted as omegamin)
    float omegamaxgreen;                 // rpm, converted: maximum continuous engine rpm (converted as omegamin)
    float tmax;                          // lb, converted: maximum thrust at sea level
    float burnerinc;                     // lb, converted: afterburner thrust increment
    float facejet;                       // ft2, converted: jet intake frontal area
    float spooltime;                     // s: jet spool-up time idle to full
    int vectEQ;                          // vectored thrust fitted
    int varpitchEQ;                      // variable-pitch propeller
    float vectarm;                       // ft, converted: distance from nacelle pivot to propeller hub (vectored thrust)
    float pylondx;                       // ft: pylon base offset from the engine thrust centre, radial (editor geometry)
    float pylondz;                       // ft: pylon base offset behind the engine thrust centre (editor geometry)
    float trotor_rat;                    // tail-rotor to main-rotor rpm ratio
    int propdir[4];                      // set at load: rotation per engine: stored 0 = clockwise, 1 = counter-clockwise; loader replaces by +1 (stored 0) or -1
    float numblades[4];                  // blades per propeller 2..9
    float minpitch[4];                   // deg: minimum blade pitch per propeller
    float maxpitch[4];                   // deg: maximum blade pitch per propeller
    float sidecant[4];                   // deg: side cant per engine (helicopter rotor: 90 or -90 for the tail rotor by turning direction)
    float vertcant[4];                   // deg: upward cant per engine
    float miprop[4];                     // kg m2, set at load: propeller moment of inertia
    float discarea[4];                   // m2, set at load: propeller disc area
    float ringarea[4][8];                // m2, set at load: area of each propeller ring element [engine][element]
    float des_adv[4];                    // in: design advance per turn (editor propeller design)
    float des_rpm[4];                    // rpm: design propeller rpm (editor)
    float des_vel[4];                    // design cruise speed of the propeller (editor only)
    char Rafl0[28][400];                 // root airfoil file name, low Reynolds number, per part
    char Rafl1[28][400];                 // root airfoil file name, high Reynolds number
    char Tafl0[28][400];                 // tip airfoil file name, low Reynolds number
    char Tafl1[28][400];                 // tip airfoil file name, high Reynolds number
    int els[28];                         // number of elements (strips) per part, 1..8
    float Xarm[28];                      // ft, converted: part root position, lateral (quarter chord of the root)
    float Yarm[28];                      // ft, CG-relative for parts 0..17, converted for the rest: part root position, height
    float Zarm[28];                      // ft, CG-relative for parts 0..17, converted for the rest: part root position, longitudinal
    float Croot[28];                     // ft, converted: root chord (propeller: blade chord)
    float Ctip[28];                      // ft, converted: tip chord
    float semilen[28];                   // ft, converted: semi-span root to tip (propeller: radius)
    float sweep1[28];                    // deg: quarter-chord sweep back (minimum sweep for variable sweep); wrapped to -180..180 at load
    float sweep2[28];                    // deg: maximum sweep (variable sweep); wrapped to -180..180 at load
    float sweepnow[28];                  // deg, set at load: current sweep; set to sweep1 at load
    int varsweepEQ[28];                  // variable sweep per part
    float dihed[28];                     // deg: dihedral (angle lifted up from horizontal)
    float anginc[28][8];                 // deg: incidence per element [part][element]
    int in_downwash[28][28][8];          // derived at load: 1 when element [washee][washer][element] lies in the washer's downwash
    int in_propwash[28][4][8];           // derived at load: 1 when element [part][engine][element] lies in the engine's propwash
    float spec_wash[28];                 // deg, derived at load: downwash of a washer part, degrees per unit lift coefficient
    float lo_washdir[28][4];             // deg, derived at load: propwash stream angle below which there is none [part][engine]
    float hi_washdir[28][4];             // deg, derived at load: propwash stream angle above which there is none [part][engine]
    float max_washdir[28][4];            // deg, derived at load: propwash stream angle of full propwash [part][engine]
    float s[28][8];                      // m2, derived at load: element area [part][element]
    float mac[28][8];                    // m, derived at load: element mean aerodynamic chord
    float AR[28];                        // derived at load: aspect ratio per part
    float e[28];                         // derived at load: Oswald efficiency per part, 0.5..1
    float delta_fac[28];                 // derived at load: aerodynamic-centre shift factor, 0 = quarter chord, 1 = half chord
    float al_D_al0[28];                  // derived at load: finite-wing angle-of-attack factor
    float cl_D_cl0[28];                  // derived at load: finite-wing lift factor
    float cm_D_cm0[28];                  // derived at load: finite-wing moment factor
    float alpha_max[28];                 // deg, derived at load: stall angle of attack per part
    float slat_effect[28];               // derived at load: alpha stretch at full slat per part (1 = none)
    int ailn[28][8];                     // aileron on element [part][element]
    int dummy1;                          // reserved
    int splr[28][8];                     // spoiler on element
    int dummy2;                          // reserved
    int flap[28][8];                     // flap on element
    int flapEQ;                          // set at load: any flap on a wing (4..9) or h-stab (10, 11) element
    int slat[28][8];                     // slat on element
    int slatEQ;                          // set at load: any slat on a wing or h-stab element
    int sbrk[28][8];                     // speed brake on element
    int sbrkEQ;                          // set at load: any speed brake on a wing element
    int drud[28][8];                     // drag rudder on element
    int dummy3;                          // reserved
    int elev[28][8];                     // elevator on element
    int dummy4;                          // reserved
    int rudd[28][8];                     // rudder on element
    int dummy5;                          // reserved
    float slat_inc;                      // deg: extra stall angle given by full slats
    float hstbtrimmax;                   // deg: stabilizer trim travel (must be 0 for a stabilator)
    int con_smooth;                      // control smoothing 1..3
    int hstabtype;                       // 0 stabilizer (elevator moves), 1 stabilator (whole tail moves)
    char flap_str[400];                  // flap file name (".flp") in the flaps folder
    float clflap[51];                    // derived at load: flap lift increment at flap setting n/50, n = 0..50
    float cdflap[51];                    // derived at load: flap drag increment, as clflap
    float cmflap[51];                    // derived at load: flap moment increment, as clflap
    int puffEQ;                          // set at load: any puffer moment above 0
    int fbrkEQ;                          // set at load: fuselage speed brake (brake_area > 0)
    int chuteEQ;                         // set at load: drag chute (chute_area > 0)
    int jatoEQ;                          // set at load: JATO (jatodur > 0)
    int collectEQ;                       // set at load: collective control (helicopter, or vectored thrust with propeller engines and at least one engine)
    int jettisonEQ;                      // set at load: jettisonable load (m_jettison > 0)
    float ailn_crat;                     // aileron chord ratio 0..0.5
    float ailn_up;                       // deg: aileron travel up
    float ailn_dn;                       // deg: aileron travel down
    float elev_crat;                     // elevator chord ratio 0..0.5
    float elev_up;                       // deg: elevator travel up
    float elev_dn;                       // deg: elevator travel down
    float rudd_crat;                     // rudder chord ratio 0..0.5
    float rudd_def;                      // deg: rudder travel
    float splr_crat;                     // spoiler chord ratio 0..0.5
    float splr_def;                      // deg: spoiler travel
    float drud_crat;                     // drag rudder chord ratio 0..0.5
    float drud_def;                      // deg: drag rudder travel
    float sbrk_crat;                     // speed brake chord ratio 0..0.5
    float sbrk_def;                      // deg: speed brake travel
    int fusewash;                        // fuselage in propwash
    float fuse_cd;                       // fuselage drag coefficient on frontal area
    float fuseYcent;                     // m, derived at load: fuselage area centroid, height
    float fuseZcent;                     // m, derived at load: fuselage area centroid, longitudinal
    float fuse_s_frn;                    // m2, derived at load: fuselage frontal area
    float fuse_s_sid;                    // m2, derived at load: fuselage side area
    float fuse_s_top;                    // m2, derived at load: fuselage top area
    int nace_eq;                         // nacelles fitted
    float nace_s;                        // m2, derived at load: nacelle frontal area (each)
    int misc_eq;                         // tanks or floats fitted
    float misc_s;                        // m2, derived at load: tank or float frontal area (each)
    float misc_X;                        // ft, converted: tank or float position, lateral
    float misc_Y;                        // ft, CG-relative: tank or float position, height
    float misc_Z;                        // ft, CG-relative: tank or float position, longitudinal
    int fair_eq;                         // wheel fairings fitted
    float fair_s;                        // m2, derived at load: wheel fairing frontal area (each)
    float body_r[28];                    // ft: grid width of the body editor
    float body_X[28][18][16];            // ft, converted: body cross-section points [part][station][point], lateral
    float body_Y[28][18][16];            // ft, converted; CG-relative for the fuselage's 11 stations: body cross-section points, height
    float body_Z[28][18][16];            // ft, converted; CG-relative for the fuselage's 11 stations: body cross-section points, longitudinal
    float cgZ;                           // ft, converted: centre of gravity, longitudinal
    float cgY;                           // ft, converted: centre of gravity, height
    float Jxx_unitmass;                  // m2, derived at load: pitch radius of gyration squared
    float Jyy_unitmass;                  // m2, derived at load: yaw radius of gyration squared
    float Jzz_unitmass;                  // m2, derived at load: roll radius of gyration squared
    float m_empty;                       // lb, converted: empty weight; at least 1 kg after conversion and not above m_max
    float m_max;                         // lb, converted: maximum take-off weight; at least 1 kg after conversion
    float m_fuel;                        // lb, converted: fuel capacity
    float m_jettison;                    // lb, converted: jettisonable weight
    int gear_type;                       // 1 none, 2 skids, 3 single wheel, 4 two side by side, 5 two fore and aft, 6 four-wheel truck
    int gear_retract;                    // retractable gear
    float nwsteer;                       // deg, set at load: nose or tail wheel steering at full rudder; sign reversed at load when ngearZ > mgearZ
    float h_eqlbm;                       // m, derived at load: CG height above ground at rest
    float the_eqlbm;                     // deg, derived at load: pitch attitude at rest, 0..360
    float skidX;                         // ft, converted: skid lateral position
    float skidY;                         // ft, CG-relative: skid height (front of skid)
    float skidZ;                         // ft, CG-relative: front of the skid, longitudinal
    float skidl;                         // ft, converted: skid length
    float ngearZ;                        // ft, CG-relative: nose (or tail) wheel contact point, longitudinal
    float ngearY;                        // ft, CG-relative: nose wheel contact point, height; lowered at load by the static deflection
    float mgearZ;                        // ft, CG-relative: main wheel contact point, longitudinal
    float mgearX;                        // ft, converted: main wheel contact point, lateral
    float mgearY;                        // ft, CG-relative: main wheel contact point, height; lowered at load by the static deflection
    float ngearZ_att;                    // ft, CG-relative: nose strut attachment, longitudinal
    float ngearY_att;                    // ft, CG-relative: nose strut attachment, height
    float mgearZ_att;                    // ft, CG-relative: main strut attachment, longitudinal
    float mgearX_att;                    // ft, converted: main strut attachment, lateral
    float mgearY_att;                    // ft, CG-relative: main strut attachment, height
    float ngearcon;                      // N/m, derived at load: nose gear spring constant
    float ngeardmp;                      // N s/m, derived at load: nose gear damping, 0.1 x ngearcon
    float mgearcon;                      // N/m, derived at load: main gear spring constant (per side)
    float mgeardmp;                      // N s/m, derived at load: main gear damping, 0.1 x mgearcon
    float skidcon;                       // N/m, derived at load: skid spring constant
    float skiddmp;                       // N s/m, derived at load: skid damping, 0.05 x skidcon
    float wheelrad;                      // ft, converted: wheel radius (the editor stores m_max^0.25 x 0.065 for wheels, skidl/50 for skids)
    float condef[9];                     // run-time state: contact deflections, run-time state of the contact model
    int gear_stat[3];                    // run-time state: gear leg state, run-time
    float jatoZ;                         // ft, CG-relative: JATO nozzle, longitudinal
    float jatoY;                         // ft, CG-relative: JATO nozzle, height
    float jatotheta;                     // deg: JATO angle from horizontal
    float jatothrust;                    // lb, converted: JATO thrust
    float jatodur;                       // s: JATO burn time
    float stabroll;                      // deg: differential stabilizer deflection for roll
    float stabhdng;                      // deg: differential stabilizer deflection for yaw
    float ailpitch;                      // deg: aileron droop with pitch input
    float ailflaps;                      // deg: aileron droop with flaps
    int antiiceEQ;                       // anti-ice fitted
    int arrestingEQ;                     // arresting hook fitted
    int bitchinbettyEQ;                  // spoken warnings fitted
    int autosbrkEQ;                      // automatic speed brakes
    int autofbrkEQ;                      // automatic fuselage speed brake
    int autosweepEQ;                     // automatic wing sweep (needs variable sweep on part 4, 6, 8 or 10)
    float brake_area;                    // ft2, converted: fuselage speed-brake frontal area
    float chute_area;                    // ft2, converted: drag chute frontal area
    float elevcyclic;                    // deg: pitch cyclic blade-pitch change at full input
    float ailncyclic;                    // deg: roll cyclic blade-pitch change at full input
    float puffL;                         // ft lb, converted: puffer roll moment
    float puffM;                         // ft lb, converted: puffer pitch moment
    float puffN;                         // ft lb, converted: puffer yaw moment
    float AShiV;                         // kt: speed above which the high-speed stability gains apply; raised at load to ASloV + 1 when below that
    float ASloV;                         // kt: speed below which the low-speed stability gains apply
    float ASmaxp1;                       // stability system, pitch, low speed: maximum
    float ASp1;                          // stability system, pitch, low speed: coefficient
    float ASmaxp2;                       // stability system, pitch, high speed: maximum
    float ASp2;                          // stability system, pitch, high speed: coefficient
    float ASmaxh1;                       // stability system, heading, low speed: maximum
    float ASh1;                          // stability system, heading, low speed: coefficient
    float ASmaxh2;                       // stability system, heading, high speed: maximum
    float ASh2;                          // stability system, heading, high speed: coefficient
    float ASmaxr1;                       // stability system, roll, low speed: maximum
    float ASr1;                          // stability system, roll, low speed: coefficient
    float ASmaxr2;                       // stability system, roll, high speed: maximum
    float ASr2;                          // stability system, roll, high speed: coefficient
};

extern planestruct pln;

// Size of the image in the aircraft file.
constexpr int PLN_IMAGE_BYTES = 189548;

static_assert(sizeof(planestruct) == PLN_IMAGE_BYTES, "planestruct size");
static_assert(std::is_standard_layout<planestruct>::value, "planestruct is written raw");
static_assert(std::is_trivially_copyable<planestruct>::value, "planestruct is written raw");
static_assert(offsetof(planestruct, C_file) == 0, "C_file");
static_assert(offsetof(planestruct, C_name) == 400, "C_name");
static_assert(offsetof(planestruct, C_path) == 800, "C_path");
static_assert(offsetof(planestruct, is_heli) == 1200, "is_heli");
static_assert(offsetof(planestruct, us_alt) == 1204, "us_alt");
static_assert(offsetof(planestruct, tailnum) == 1208, "tailnum");
static_assert(offsetof(planestruct, asi_units) == 1608, "asi_units");
static_assert(offsetof(planestruct, Vso) == 1612, "Vso");
static_assert(offsetof(planestruct, Vs) == 1616, "Vs");
static_assert(offsetof(planestruct, Vfe) == 1620, "Vfe");
static_assert(offsetof(planestruct, Vno) == 1624, "Vno");
static_assert(offsetof(planestruct, Vne) == 1628, "Vne");
static_assert(offsetof(planestruct, Mmo) == 1632, "Mmo");
static_assert(offsetof(planestruct, peX) == 1636, "peX");
static_assert(offsetof(planestruct, peY) == 1640, "peY");
static_assert(offsetof(planestruct, peZ) == 1644, "peZ");
static_assert(offsetof(planestruct, paneltype) == 1648, "paneltype");
static_assert(offsetof(planestruct, radiotype) == 1652, "radiotype");
static_assert(offsetof(planestruct, AStype) == 1656, "AStype");
static_assert(offsetof(planestruct, supptype) == 1660, "supptype");
static_assert(offsetof(planestruct, HUDtype) == 1664, "HUDtype");
static_assert(offsetof(planestruct, VVItype) == 1668, "VVItype");
static_assert(offsetof(planestruct, ecam) == 1672, "ecam");
static_assert(offsetof(planestruct, tape) == 1676, "tape");
static_assert(offsetof(planestruct, cp) == 1680, "cp");
static_assert(offsetof(planestruct, ASpwr) == 1684, "ASpwr");
static_assert(offsetof(planestruct, Vmin) == 1688, "Vmin");
static_assert(offsetof(planestruct, Vmax) == 1692, "Vmax");
static_assert(offsetof(planestruct, gsx1) == 1696, "gsx1");
static_assert(offsetof(planestruct, gsx2) == 1700, "gsx2");
static_assert(offsetof(planestruct, gsw) == 1704, "gsw");
static_assert(offsetof(planestruct, gsy1) == 1708, "gsy1");
static_assert(offsetof(planestruct, gsyc) == 1712, "gsyc");
static_assert(offsetof(planestruct, gsy2) == 1716, "gsy2");
static_assert(offsetof(planestruct, ah_dim_int) == 1720, "ah_dim_int");
static_assert(offsetof(planestruct, ah_semidim_int) == 1724, "ah_semidim_int");
static_assert(offsetof(planestruct, ah_semidim_flt) == 1728, "ah_semidim_flt");
static_assert(offsetof(planestruct, ah_top_prim) == 1732, "ah_top_prim");
static_assert(offsetof(planestruct, ah_top_roll) == 1736, "ah_top_roll");
static_assert(offsetof(planestruct, ah_bot_prim) == 1740, "ah_bot_prim");
static_assert(offsetof(planestruct, ah_bot_roll) == 1744, "ah_bot_roll");
static_assert(offsetof(planestruct, ahx1_prim) == 1748, "ahx1_prim");
static_assert(offsetof(planestruct, ahx1_roll) == 2220, "ahx1_roll");
static_assert(offsetof(planestruct, ahx2_prim) == 2692, "ahx2_prim");
static_assert(offsetof(planestruct, ahx2_roll) == 3164, "ahx2_roll");
static_assert(offsetof(planestruct, has_ins) == 3636, "has_ins");
static_assert(offsetof(planestruct, ins_of_loc) == 3672, "ins_of_loc");
static_assert(offsetof(planestruct, ff_hydraulic) == 3708, "ff_hydraulic");
static_assert(offsetof(planestruct, ff_stickshaker) == 3712, "ff_stickshaker");
static_assert(offsetof(planestruct, entype) == 3716, "entype");
static_assert(offsetof(planestruct, revthrustEQ) == 3720, "revthrustEQ");
static_assert(offsetof(planestruct, numen) == 3724, "numen");
static_assert(offsetof(planestruct, sfc) == 3728, "sfc");
static_assert(offsetof(planestruct, pmax) == 3732, "pmax");
static_assert(offsetof(planestruct, gearrat) == 3736, "gearrat");
static_assert(offsetof(planestruct, critalt) == 3740, "critalt");
static_assert(offsetof(planestruct, mpmax) == 3744, "mpmax");
static_assert(offsetof(planestruct, omegamin) == 3748, "omegamin");
static_assert(offsetof(planestruct, omegamax) == 3752, "omegamax");
static_assert(offsetof(planestruct, omegamingreen) == 3756, "omegamingreen");
static_assert(offsetof(planestruct, omegamaxgreen) == 3760, "omegamaxgreen");
static_assert(offsetof(planestruct, tmax) == 3764, "tmax");
static_assert(offsetof(planestruct, burnerinc) == 3768, "burnerinc");
static_assert(offsetof(planestruct, facejet) == 3772, "facejet");
static_assert(offsetof(planestruct, spooltime) == 3776, "spooltime");
static_assert(offsetof(planestruct, vectEQ) == 3780, "vectEQ");
static_assert(offsetof(planestruct, varpitchEQ) == 3784, "varpitchEQ");
static_assert(offsetof(planestruct, vectarm) == 3788, "vectarm");
static_assert(offsetof(planestruct, pylondx) == 3792, "pylondx");
static_assert(offsetof(planestruct, pylondz) == 3796, "pylondz");
static_assert(offsetof(planestruct, trotor_rat) == 3800, "trotor_rat");
static_assert(offsetof(planestruct, propdir) == 3804, "propdir");
static_assert(offsetof(planestruct, numblades) == 3820, "numblades");
static_assert(offsetof(planestruct, minpitch) == 3836, "minpitch");
static_assert(offsetof(planestruct, maxpitch) == 3852, "maxpitch");
static_assert(offsetof(planestruct, sidecant) == 3868, "sidecant");
static_assert(offsetof(planestruct, vertcant) == 3884, "vertcant");
static_assert(offsetof(planestruct, miprop) == 3900, "miprop");
static_assert(offsetof(planestruct, discarea) == 3916, "discarea");
static_assert(offsetof(planestruct, ringarea) == 3932, "ringarea");
static_assert(offsetof(planestruct, des_adv) == 4060, "des_adv");
static_assert(offsetof(planestruct, des_rpm) == 4076, "des_rpm");
static_assert(offsetof(planestruct, des_vel) == 4092, "des_vel");
static_assert(offsetof(planestruct, Rafl0) == 4108, "Rafl0");
static_assert(offsetof(planestruct, Rafl1) == 15308, "Rafl1");
static_assert(offsetof(planestruct, Tafl0) == 26508, "Tafl0");
static_assert(offsetof(planestruct, Tafl1) == 37708, "Tafl1");
static_assert(offsetof(planestruct, els) == 48908, "els");
static_assert(offsetof(planestruct, Xarm) == 49020, "Xarm");
static_assert(offsetof(planestruct, Yarm) == 49132, "Yarm");
static_assert(offsetof(planestruct, Zarm) == 49244, "Zarm");
static_assert(offsetof(planestruct, Croot) == 49356, "Croot");
static_assert(offsetof(planestruct, Ctip) == 49468, "Ctip");
static_assert(offsetof(planestruct, semilen) == 49580, "semilen");
static_assert(offsetof(planestruct, sweep1) == 49692, "sweep1");
static_assert(offsetof(planestruct, sweep2) == 49804, "sweep2");
static_assert(offsetof(planestruct, sweepnow) == 49916, "sweepnow");
static_assert(offsetof(planestruct, varsweepEQ) == 50028, "varsweepEQ");
static_assert(offsetof(planestruct, dihed) == 50140, "dihed");
static_assert(offsetof(planestruct, anginc) == 50252, "anginc");
static_assert(offsetof(planestruct, in_downwash) == 51148, "in_downwash");
static_assert(offsetof(planestruct, in_propwash) == 76236, "in_propwash");
static_assert(offsetof(planestruct, spec_wash) == 79820, "spec_wash");
static_assert(offsetof(planestruct, lo_washdir) == 79932, "lo_washdir");
static_assert(offsetof(planestruct, hi_washdir) == 80380, "hi_washdir");
static_assert(offsetof(planestruct, max_washdir) == 80828, "max_washdir");
static_assert(offsetof(planestruct, s) == 81276, "s");
static_assert(offsetof(planestruct, mac) == 82172, "mac");
static_assert(offsetof(planestruct, AR) == 83068, "AR");
static_assert(offsetof(planestruct, e) == 83180, "e");
static_assert(offsetof(planestruct, delta_fac) == 83292, "delta_fac");
static_assert(offsetof(planestruct, al_D_al0) == 83404, "al_D_al0");
static_assert(offsetof(planestruct, cl_D_cl0) == 83516, "cl_D_cl0");
static_assert(offsetof(planestruct, cm_D_cm0) == 83628, "cm_D_cm0");
static_assert(offsetof(planestruct, alpha_max) == 83740, "alpha_max");
static_assert(offsetof(planestruct, slat_effect) == 83852, "slat_effect");
static_assert(offsetof(planestruct, ailn) == 83964, "ailn");
static_assert(offsetof(planestruct, dummy1) == 84860, "dummy1");
static_assert(offsetof(planestruct, splr) == 84864, "splr");
static_assert(offsetof(planestruct, dummy2) == 85760, "dummy2");
static_assert(offsetof(planestruct, flap) == 85764, "flap");
static_assert(offsetof(planestruct, flapEQ) == 86660, "flapEQ");
static_assert(offsetof(planestruct, slat) == 86664, "slat");
static_assert(offsetof(planestruct, slatEQ) == 87560, "slatEQ");
static_assert(offsetof(planestruct, sbrk) == 87564, "sbrk");
static_assert(offsetof(planestruct, sbrkEQ) == 88460, "sbrkEQ");
static_assert(offsetof(planestruct, drud) == 88464, "drud");
static_assert(offsetof(planestruct, dummy3) == 89360, "dummy3");
static_assert(offsetof(planestruct, elev) == 89364, "elev");
static_assert(offsetof(planestruct, dummy4) == 90260, "dummy4");
static_assert(offsetof(planestruct, rudd) == 90264, "rudd");
static_assert(offsetof(planestruct, dummy5) == 91160, "dummy5");
static_assert(offsetof(planestruct, slat_inc) == 91164, "slat_inc");
static_assert(offsetof(planestruct, hstbtrimmax) == 91168, "hstbtrimmax");
static_assert(offsetof(planestruct, con_smooth) == 91172, "con_smooth");
static_assert(offsetof(planestruct, hstabtype) == 91176, "hstabtype");
static_assert(offsetof(planestruct, flap_str) == 91180, "flap_str");
static_assert(offsetof(planestruct, clflap) == 91580, "clflap");
static_assert(offsetof(planestruct, cdflap) == 91784, "cdflap");
static_assert(offsetof(planestruct, cmflap) == 91988, "cmflap");
static_assert(offsetof(planestruct, puffEQ) == 92192, "puffEQ");
static_assert(offsetof(planestruct, fbrkEQ) == 92196, "fbrkEQ");
static_assert(offsetof(planestruct, chuteEQ) == 92200, "chuteEQ");
static_assert(offsetof(planestruct, jatoEQ) == 92204, "jatoEQ");
static_assert(offsetof(planestruct, collectEQ) == 92208, "collectEQ");
static_assert(offsetof(planestruct, jettisonEQ) == 92212, "jettisonEQ");
static_assert(offsetof(planestruct, ailn_crat) == 92216, "ailn_crat");
static_assert(offsetof(planestruct, ailn_up) == 92220, "ailn_up");
static_assert(offsetof(planestruct, ailn_dn) == 92224, "ailn_dn");
static_assert(offsetof(planestruct, elev_crat) == 92228, "elev_crat");
static_assert(offsetof(planestruct, elev_up) == 92232, "elev_up");
static_assert(offsetof(planestruct, elev_dn) == 92236, "elev_dn");
static_assert(offsetof(planestruct, rudd_crat) == 92240, "rudd_crat");
static_assert(offsetof(planestruct, rudd_def) == 92244, "rudd_def");
static_assert(offsetof(planestruct, splr_crat) == 92248, "splr_crat");
static_assert(offsetof(planestruct, splr_def) == 92252, "splr_def");
static_assert(offsetof(planestruct, drud_crat) == 92256, "drud_crat");
static_assert(offsetof(planestruct, drud_def) == 92260, "drud_def");
static_assert(offsetof(planestruct, sbrk_crat) == 92264, "sbrk_crat");
static_assert(offsetof(planestruct, sbrk_def) == 92268, "sbrk_def");
static_assert(offsetof(planestruct, fusewash) == 92272, "fusewash");
static_assert(offsetof(planestruct, fuse_cd) == 92276, "fuse_cd");
static_assert(offsetof(planestruct, fuseYcent) == 92280, "fuseYcent");
static_assert(offsetof(planestruct, fuseZcent) == 92284, "fuseZcent");
static_assert(offsetof(planestruct, fuse_s_frn) == 92288, "fuse_s_frn");
static_assert(offsetof(planestruct, fuse_s_sid) == 92292, "fuse_s_sid");
static_assert(offsetof(planestruct, fuse_s_top) == 92296, "fuse_s_top");
static_assert(offsetof(planestruct, nace_eq) == 92300, "nace_eq");
static_assert(offsetof(planestruct, nace_s) == 92304, "nace_s");
static_assert(offsetof(planestruct, misc_eq) == 92308, "misc_eq");
static_assert(offsetof(planestruct, misc_s) == 92312, "misc_s");
static_assert(offsetof(planestruct, misc_X) == 92316, "misc_X");
static_assert(offsetof(planestruct, misc_Y) == 92320, "misc_Y");
static_assert(offsetof(planestruct, misc_Z) == 92324, "misc_Z");
static_assert(offsetof(planestruct, fair_eq) == 92328, "fair_eq");
static_assert(offsetof(planestruct, fair_s) == 92332, "fair_s");
static_assert(offsetof(planestruct, body_r) == 92336, "body_r");
static_assert(offsetof(planestruct, body_X) == 92448, "body_X");
static_assert(offsetof(planestruct, body_Y) == 124704, "body_Y");
static_assert(offsetof(planestruct, body_Z) == 156960, "body_Z");
static_assert(offsetof(planestruct, cgZ) == 189216, "cgZ");
static_assert(offsetof(planestruct, cgY) == 189220, "cgY");
static_assert(offsetof(planestruct, Jxx_unitmass) == 189224, "Jxx_unitmass");
static_assert(offsetof(planestruct, Jyy_unitmass) == 189228, "Jyy_unitmass");
static_assert(offsetof(planestruct, Jzz_unitmass) == 189232, "Jzz_unitmass");
static_assert(offsetof(planestruct, m_empty) == 189236, "m_empty");
static_assert(offsetof(planestruct, m_max) == 189240, "m_max");
static_assert(offsetof(planestruct, m_fuel) == 189244, "m_fuel");
static_assert(offsetof(planestruct, m_jettison) == 189248, "m_jettison");
static_assert(offsetof(planestruct, gear_type) == 189252, "gear_type");
static_assert(offsetof(planestruct, gear_retract) == 189256, "gear_retract");
static_assert(offsetof(planestruct, nwsteer) == 189260, "nwsteer");
static_assert(offsetof(planestruct, h_eqlbm) == 189264, "h_eqlbm");
static_assert(offsetof(planestruct, the_eqlbm) == 189268, "the_eqlbm");
static_assert(offsetof(planestruct, skidX) == 189272, "skidX");
static_assert(offsetof(planestruct, skidY) == 189276, "skidY");
static_assert(offsetof(planestruct, skidZ) == 189280, "skidZ");
static_assert(offsetof(planestruct, skidl) == 189284, "skidl");
static_assert(offsetof(planestruct, ngearZ) == 189288, "ngearZ");
static_assert(offsetof(planestruct, ngearY) == 189292, "ngearY");
static_assert(offsetof(planestruct, mgearZ) == 189296, "mgearZ");
static_assert(offsetof(planestruct, mgearX) == 189300, "mgearX");
static_assert(offsetof(planestruct, mgearY) == 189304, "mgearY");
static_assert(offsetof(planestruct, ngearZ_att) == 189308, "ngearZ_att");
static_assert(offsetof(planestruct, ngearY_att) == 189312, "ngearY_att");
static_assert(offsetof(planestruct, mgearZ_att) == 189316, "mgearZ_att");
static_assert(offsetof(planestruct, mgearX_att) == 189320, "mgearX_att");
static_assert(offsetof(planestruct, mgearY_att) == 189324, "mgearY_att");
static_assert(offsetof(planestruct, ngearcon) == 189328, "ngearcon");
static_assert(offsetof(planestruct, ngeardmp) == 189332, "ngeardmp");
static_assert(offsetof(planestruct, mgearcon) == 189336, "mgearcon");
static_assert(offsetof(planestruct, mgeardmp) == 189340, "mgeardmp");
static_assert(offsetof(planestruct, skidcon) == 189344, "skidcon");
static_assert(offsetof(planestruct, skiddmp) == 189348, "skiddmp");
static_assert(offsetof(planestruct, wheelrad) == 189352, "wheelrad");
static_assert(offsetof(planestruct, condef) == 189356, "condef");
static_assert(offsetof(planestruct, gear_stat) == 189392, "gear_stat");
static_assert(offsetof(planestruct, jatoZ) == 189404, "jatoZ");
static_assert(offsetof(planestruct, jatoY) == 189408, "jatoY");
static_assert(offsetof(planestruct, jatotheta) == 189412, "jatotheta");
static_assert(offsetof(planestruct, jatothrust) == 189416, "jatothrust");
static_assert(offsetof(planestruct, jatodur) == 189420, "jatodur");
static_assert(offsetof(planestruct, stabroll) == 189424, "stabroll");
static_assert(offsetof(planestruct, stabhdng) == 189428, "stabhdng");
static_assert(offsetof(planestruct, ailpitch) == 189432, "ailpitch");
static_assert(offsetof(planestruct, ailflaps) == 189436, "ailflaps");
static_assert(offsetof(planestruct, antiiceEQ) == 189440, "antiiceEQ");
static_assert(offsetof(planestruct, arrestingEQ) == 189444, "arrestingEQ");
static_assert(offsetof(planestruct, bitchinbettyEQ) == 189448, "bitchinbettyEQ");
static_assert(offsetof(planestruct, autosbrkEQ) == 189452, "autosbrkEQ");
static_assert(offsetof(planestruct, autofbrkEQ) == 189456, "autofbrkEQ");
static_assert(offsetof(planestruct, autosweepEQ) == 189460, "autosweepEQ");
static_assert(offsetof(planestruct, brake_area) == 189464, "brake_area");
static_assert(offsetof(planestruct, chute_area) == 189468, "chute_area");
static_assert(offsetof(planestruct, elevcyclic) == 189472, "elevcyclic");
static_assert(offsetof(planestruct, ailncyclic) == 189476, "ailncyclic");
static_assert(offsetof(planestruct, puffL) == 189480, "puffL");
static_assert(offsetof(planestruct, puffM) == 189484, "puffM");
static_assert(offsetof(planestruct, puffN) == 189488, "puffN");
static_assert(offsetof(planestruct, AShiV) == 189492, "AShiV");
static_assert(offsetof(planestruct, ASloV) == 189496, "ASloV");
static_assert(offsetof(planestruct, ASmaxp1) == 189500, "ASmaxp1");
static_assert(offsetof(planestruct, ASp1) == 189504, "ASp1");
static_assert(offsetof(planestruct, ASmaxp2) == 189508, "ASmaxp2");
static_assert(offsetof(planestruct, ASp2) == 189512, "ASp2");
static_assert(offsetof(planestruct, ASmaxh1) == 189516, "ASmaxh1");
static_assert(offsetof(planestruct, ASh1) == 189520, "ASh1");
static_assert(offsetof(planestruct, ASmaxh2) == 189524, "ASmaxh2");
static_assert(offsetof(planestruct, ASh2) == 189528, "ASh2");
static_assert(offsetof(planestruct, ASmaxr1) == 189532, "ASmaxr1");
static_assert(offsetof(planestruct, ASr1) == 189536, "ASr1");
static_assert(offsetof(planestruct, ASmaxr2) == 189540, "ASmaxr2");
static_assert(offsetof(planestruct, ASr2) == 189544, "ASr2");
