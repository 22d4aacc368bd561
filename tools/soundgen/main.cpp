// Synthesises the game's two sounds into wave files.
#include <filesystem>
#include <iostream>

#include "sounds.h"
#include "wav_file.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: zorvel_soundgen OUTPUT_DIR\n";
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir);
    using namespace zorvel::sound;
    const bool turn = WriteWav((dir / "ZorTurn0.wav").string(), WoodClick(), kSampleRate);
    const bool computer = WriteWav((dir / "ZorTurn1.wav").string(), Chime(), kSampleRate);
    if (!turn || !computer) {
        std::cerr << "cannot write the wave files into " << dir << '\n';
        return 1;
    }
    return 0;
}
