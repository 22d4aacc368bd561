#pragma once

#include <QByteArrayView>

namespace zorvel::ui {

// Checks a wave file's bytes before the player sees them: a RIFF "WAVE" file with a "fmt " chunk
// followed by a non-empty "data" chunk that is all there. The player waits forever for the rest
// of a file that is cut short, so such a file must not reach it.
bool IsCompleteWave(QByteArrayView bytes);

}  // namespace zorvel::ui
