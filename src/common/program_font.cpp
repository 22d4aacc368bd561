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
    // Proportional Gothic faces first, as the MS face is proportional: on Windows without the MS
    // face the system's own Japanese faces, elsewhere the free ones.
    const QStringList gothic = {QStringLiteral("Yu Gothic UI"),     QStringLiteral("Meiryo UI"),
                                QStringLiteral("IPAPGothic"),       QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                QStringLiteral("IPAGothic")};
    // Windows may know the face by its English name alone.
    QFont::insertSubstitutions(kFamily, QStringList{QStringLiteral("MS PGothic")} + gothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), gothic);
}

}  // namespace zorvel::common
