#pragma once
// A file failure in a test's message: its facts, so that a failing check says which file and why.

#include "FileFailure.h"

#include <ostream>

namespace velmar {

inline std::ostream& operator<<(std::ostream& out, const FileFailure& f) {
    return out << f.path << " (step " << static_cast<int>(f.step) << ", problem " << static_cast<int>(f.problem)
               << ", errno " << f.err << ", place " << f.setting.place << ")";
}

} // namespace velmar
