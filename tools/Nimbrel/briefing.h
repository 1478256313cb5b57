// The briefing: the pilot's request and the weather at the station nearest
// the departure and at three stations near the destination.
#pragma once

namespace nimbrel {

const int BRIEF_DIM = 400;

// Appends the report of station index, rnd choosing the fillers.
void spit_a_field(char* string, int index, int rnd);
// The request paragraph.
void build_request(char* req);
// The stations of the paragraphs: nearest the departure, three near the destination.
void select_stations(int* dep, int* arr1, int* arr2, int* arr3);
// The five paragraphs, without drawing.
void build_briefing(int r1, int r2, int r3, int r4, int r5, int r6, int r7, int r8, char* req, char* dep1,
                    char* arr1, char* arr2, char* arr3);
// Builds and draws them.
void gen_rep(int r1, int r2, int r3, int r4, int r5, int r6, int r7, int r8);

} // namespace nimbrel
