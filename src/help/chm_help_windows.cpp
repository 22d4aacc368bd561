// The help link on Windows: the system's help viewer shows the help file in its own window.
#include <windows.h>

#include <QDir>
#include <QWidget>

#include "chm_help.h"

namespace zorvel::help {
namespace {

// The viewer's entry point and two of its commands.
using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);
constexpr UINT kDisplayToc = 0x0001;  // HH_DISPLAY_TOC
constexpr UINT kCloseAll = 0x0012;    // HH_CLOSE_ALL

HMODULE HelpLibrary = nullptr;
HtmlHelpFunction HtmlHelpProc = nullptr;

}  // namespace

void LoadHelpLibrary(const QString& libraryName) {
    HtmlHelpProc = nullptr;
    HelpLibrary = LoadLibraryW(reinterpret_cast<LPCWSTR>(libraryName.utf16()));
    if (HelpLibrary != nullptr) {
        // Through void*: only the caller knows the entry point's true type.
        HtmlHelpProc = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(GetProcAddress(HelpLibrary, "HtmlHelpW")));
    }
}

bool HelpAvailable() {
    return HtmlHelpProc != nullptr;
}

void ShowHelpFile(QWidget* owner, const QString& fileName) {
    const QString path = HelpFilePath(fileName);
    if (HtmlHelpProc == nullptr || owner == nullptr) {
        return;
    }
    HtmlHelpProc(reinterpret_cast<HWND>(owner->winId()),
                 reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), kDisplayToc, 0);
}

void UnloadHelpLibrary() {
    if (HtmlHelpProc == nullptr) {
        return;
    }
    // The viewer's windows live on the program's thread; freeing the library under an open one
    // would leave it without its code.
    HtmlHelpProc(nullptr, nullptr, kCloseAll, 0);
    HtmlHelpProc = nullptr;
    FreeLibrary(HelpLibrary);
    HelpLibrary = nullptr;
}

}  // namespace zorvel::help
