// Test and benchmark support: counts every operator new of the program that
// links allocations.cpp, so that a frame can be shown to allocate nothing.
#pragma once

long allocation_count();
