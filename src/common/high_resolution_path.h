#pragma once

#include <QString>

namespace zorvel::common {

// The path of a picture's twin of twice the resolution, beside it: "ZorPatn@2x.bmp" for
// "ZorPatn.bmp", "/images/set-star@2x.png" for "/images/set-star.png".
QString HighResolutionPath(const QString& path);

}  // namespace zorvel::common
