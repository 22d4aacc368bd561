#include "chm_help.h"

#include <QLibrary>
#include <QWidget>

#include "help_window.h"

namespace zorvel::help {
namespace {

// The reader library once it has been asked for; a library that loaded without its entry points
// stays loaded until the process ends.
std::shared_ptr<QLibrary> HelpLibrary;

// The reader's entry points, set only when all of them were found. Whoever holds a copy keeps the
// library loaded; the last holder unloads it.
std::shared_ptr<const ChmApi> HtmlHelpProc;

template <typename Function>
Function Resolve(QLibrary& library, const char* symbol) {
    return reinterpret_cast<Function>(library.resolve(symbol));
}

}  // namespace

void LoadHelpLibrary(const QString& libraryName, int version) {
    HtmlHelpProc.reset();
    HelpLibrary = std::make_shared<QLibrary>(libraryName, version);
    if (!HelpLibrary->load()) {
        return;
    }
    QLibrary& library = *HelpLibrary;
    const ChmApi api{
        Resolve<ChmOpenFunction>(library, "chm_open"),
        Resolve<ChmCloseFunction>(library, "chm_close"),
        Resolve<ChmResolveFunction>(library, "chm_resolve_object"),
        Resolve<ChmRetrieveFunction>(library, "chm_retrieve_object"),
        Resolve<ChmEnumerateFunction>(library, "chm_enumerate"),
    };
    if (!api.complete()) {
        return;
    }
    HtmlHelpProc = std::shared_ptr<const ChmApi>(new ChmApi(api),
                                                 [loaded = HelpLibrary](const ChmApi* entryPoints) {
                                                     delete entryPoints;
                                                     loaded->unload();
                                                 });
}

bool HelpAvailable() {
    return HtmlHelpProc != nullptr;
}

std::shared_ptr<const ChmApi> HelpReader() {
    return HtmlHelpProc;
}

void ShowHelpFile(QWidget* owner, const QString& fileName) {
    const QString path = HelpFilePath(fileName);
    if (!HtmlHelpProc || !owner) {
        return;
    }
    auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new HelpWindow(HtmlHelpProc, owner);
    }
    window->ShowFile(path);
}

void UnloadHelpLibrary() {
    HtmlHelpProc.reset();
}

}  // namespace zorvel::help
