// Morse identifiers as a timed schedule of dot, dash and gap sounds.
#include "morse.h"

namespace {
const char* const morse[26] = {".-", "-...", "-.-.", "-..", ".", "..-.", "--.", "....", "..", ".---", "-.-", ".-..", "--",
                               "-.", "---", ".--.", "--.-", ".-.", "...", "-", "..-", "...-", ".--", "-..-", "-.--", "--.."};

// Slots past the schedule's end are dropped rather than written out of bounds.
void add_element(int kind, float length, int* type_snd, float* time_snd, int n)
{
    if (n < 0 || n >= MORSE_SLOTS) return;
    type_snd[n] = kind;
    if (n + 1 < MORSE_SLOTS) time_snd[n + 1] = time_snd[n] + length;
}

void append(void (*add)(int*, float*, int), int* type_snd, float* time_snd, int* n)
{
    if (*n >= MORSE_SLOTS) return;
    add(type_snd, time_snd, *n);
    ++*n;
}
} // namespace

void add_dot(int* type_snd, float* time_snd, int n)
{
    add_element(3, 0.3f, type_snd, time_snd, n);
}

void add_das(int* type_snd, float* time_snd, int n)
{
    add_element(4, 0.5f, type_snd, time_snd, n);
}

void add_qui(int* type_snd, float* time_snd, int n)
{
    add_element(2, 1.0f, type_snd, time_snd, n);
}

void build_morse_id(char letter, int* type_snd, float* time_snd, int* n)
{
    if (letter >= 'A' && letter <= 'Z')
        for (const char* e = morse[letter - 'A']; *e; ++e) append(*e == '.' ? add_dot : add_das, type_snd, time_snd, n);
    append(add_qui, type_snd, time_snd, n);
}
