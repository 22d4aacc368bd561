#include "program_font.h"

#include <QStringList>

namespace zorvel::common {
namespace {

const QString kFamily = QStringLiteral("ＭＳ Ｐゴシック");

}  // namespace

QFont ProgramFont(int pixelSize) {
    QFont font(kFamily);
    font.setPixelSize(pixelSize);
    return font;
}

void InstallFontSubstitutes() {
    // Proportional Gothic faces first, as the MS face is proportional.
    const QStringList gothic = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                QStringLiteral("IPAGothic")};
    QFont::insertSubstitutions(kFamily, gothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), gothic);
}

}  // namespace zorvel::common
