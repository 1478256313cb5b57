// Writes "Korvan Instructions.txt" into the program folder named by argv[1],
// from the simulator's own key table.
#include "shell/key_help.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: make_instructions PROGRAM_FOLDER\n";
        return 2;
    }
    std::string path = std::string(argv[1]) + "/Korvan Instructions.txt";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    write_instructions(out);
    out.close();
    if (!out) {
        std::cerr << "could not write " << path << "\n";
        return 1;
    }
    return 0;
}
