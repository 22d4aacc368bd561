#pragma once

#include <QString>
#include <memory>

#include "chm_api.h"

class QWidget;

namespace zorvel::help {

// Unit start-up: loads the CHM reader library and resolves its entry points. Nothing is reported
// when the library or one of the entry points is missing; Help then simply does nothing.
void LoadHelpLibrary(const QString& libraryName = QStringLiteral("chm"), int version = 1);

// Whether the reader was loaded with all of its entry points.
bool HelpAvailable();

// The reader's entry points, or null when it is not available. A holder keeps the library loaded.
std::shared_ptr<const ChmApi> HelpReader();

// The full path of a file that lies beside the running executable.
QString HelpFilePath(const QString& fileName);

// Shows the help window owned by `owner` (created on first use, raised afterwards) with the table
// of contents of the help file `fileName` beside the executable. The file's existence is not
// tested here: the help window reports a file it cannot read. Without the reader nothing happens.
void ShowHelpFile(QWidget* owner, const QString& fileName);

// Unit end: releases the reader library, but only when its entry points were found. Help windows
// that are still open keep it loaded until they are destroyed.
void UnloadHelpLibrary();

}  // namespace zorvel::help
