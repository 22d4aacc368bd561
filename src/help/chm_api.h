#pragma once

// The part of the CHM reader library's C interface (chmlib, soname libchm.so.1) that the help
// viewer uses. Declared here rather than taken from <chm_lib.h> so that building needs no
// development package: the library is only ever loaded at run time.

#include <cstdint>

namespace zorvel::help {

struct ChmHandle;  // chmlib's struct chmFile, opaque

inline constexpr int kChmMaxPathLength = 512;
inline constexpr int kChmResolveSuccess = 0;
inline constexpr int kChmEnumerateNormal = 1;
inline constexpr int kChmEnumerateFiles = 8;
inline constexpr int kChmEnumeratorContinue = 1;
inline constexpr int kChmEnumeratorSuccess = 2;

// chmlib's struct chmUnitInfo: where one object of the file lies.
struct ChmUnitInfo {
    std::uint64_t start;
    std::uint64_t length;
    int space;
    int flags;
    char path[kChmMaxPathLength + 1];
};

using ChmEnumerator = int (*)(ChmHandle* file, ChmUnitInfo* unit, void* context);

using ChmOpenFunction = ChmHandle* (*)(const char* fileName);
using ChmCloseFunction = void (*)(ChmHandle* file);
using ChmResolveFunction = int (*)(ChmHandle* file, const char* objectPath, ChmUnitInfo* unit);
using ChmRetrieveFunction = std::int64_t (*)(ChmHandle* file, ChmUnitInfo* unit,
                                             unsigned char* buffer, std::uint64_t address,
                                             std::int64_t length);
using ChmEnumerateFunction = int (*)(ChmHandle* file, int what, ChmEnumerator enumerator,
                                     void* context);

// The resolved entry points; complete only when every one of them was found.
struct ChmApi {
    ChmOpenFunction open = nullptr;
    ChmCloseFunction close = nullptr;
    ChmResolveFunction resolve = nullptr;
    ChmRetrieveFunction retrieve = nullptr;
    ChmEnumerateFunction enumerate = nullptr;

    bool complete() const { return open && close && resolve && retrieve && enumerate; }
};

}  // namespace zorvel::help
