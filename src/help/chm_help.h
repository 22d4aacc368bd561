#pragma once

#include <QString>
#include <memory>

class QWidget;

#ifdef _WIN32

namespace zorvel::help {

// Unit start-up: loads the system's help viewer and resolves its entry point. Nothing is reported
// when the library or its entry point is missing; Help then simply does nothing.
void LoadHelpLibrary(const QString& libraryName = QStringLiteral("hhctrl.ocx"));

#else

#include "chm_api.h"

namespace zorvel::help {

// Unit start-up: loads the CHM reader library and resolves its entry points. Nothing is reported
// when the library or one of the entry points is missing; Help then simply does nothing.
void LoadHelpLibrary(const QString& libraryName = QStringLiteral("chm"), int version = 1);

// The reader's entry points, or null when it is not available. A holder keeps the library loaded.
std::shared_ptr<const ChmApi> HelpReader();

#endif

// Whether the viewer or the reader was loaded with all of its entry points.
bool HelpAvailable();

// The full path of a file that lies beside the running executable.
QString HelpFilePath(const QString& fileName);

// Shows the help window owned by `owner` (created on first use, raised afterwards) with the table
// of contents of the help file `fileName` beside the executable. The file's existence is not
// tested here: the help window reports a file it cannot read. Without the reader nothing happens.
void ShowHelpFile(QWidget* owner, const QString& fileName);

// Unit end: releases the library, but only when its entry points were found. On Windows the
// viewer's windows are closed first; elsewhere help windows that are still open keep the reader
// loaded until they are destroyed.
void UnloadHelpLibrary();

}  // namespace zorvel::help
