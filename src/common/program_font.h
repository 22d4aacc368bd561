#pragma once

#include <QFont>

namespace zorvel::common {

// The program's font, "ＭＳ Ｐゴシック" at the given pixel size. Where that face is missing (any
// Linux desktop) it falls back to a proportional Japanese Gothic.
QFont ProgramFont(int pixelSize = 12);

// Maps the MS face names to the Gothic faces found on this system; call once at start-up.
void InstallFontSubstitutes();

}  // namespace zorvel::common
