#include "status.h"

namespace zorvel {

StatusTexts UpdateNamesAndStatus(GameData& game, bool onePlayerMode, std::uint8_t imagePattern) {
    const bool onigiri = imagePattern == kOnigiriPattern;
    if (onePlayerMode) {
        game.Player[0].Name = onigiri ? "YOU (ONIGIRI)" : "YOU (GREEN)";
        game.Player[1].Name = onigiri ? "COM (SUSHI)" : "COM (RED)";
    } else {
        game.Player[0].Name = onigiri ? "1P (ONIGIRI)" : "1P (GREEN)";
        game.Player[1].Name = onigiri ? "2P (SUSHI)" : "2P (RED)";
    }
    StatusTexts texts;
    texts.mode = onePlayerMode ? "1P MODE" : "2P MODE";
    if (game.GameState == 0) {
        texts.title = "VELTOR Ver2.0";
    } else {
        texts.title = "NEXT PLAYER";
        texts.mover = game.Player[game.Turn % 2].Name;
    }
    return texts;
}

}  // namespace zorvel
